// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focuschain.h"

#include <QEvent>
#include <QKeyEvent>

namespace ui {

namespace {

class EscapeCloser : public QObject
{
public:
    EscapeCloser(QWidget *window, QWidget *opener)
        : QObject(window)
        , window(window)
        , opener(opener)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            window->close();
            return true;
        }
        if (watched == window && event->type() == QEvent::Hide && opener && opener->isVisible()) {
            // The opener's window keeps its focus widget; activating it
            // puts the focus back there.
            QWidget *back = opener->window();
            back->raise();
            back->activateWindow();
        }
        return false;
    }

private:
    QWidget *window;
    QPointer<QWidget> opener;
};

} // namespace

void chainFocus(const QList<QWidget *> &order)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void showWithFocus(QWidget *window, QWidget *focus)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (focus)
        focus->setFocus(Qt::ActiveWindowFocusReason);
}

void closeOnEscape(QWidget *window, QWidget *opener)
{
    new EscapeCloser(window, opener);
}

} // namespace ui
