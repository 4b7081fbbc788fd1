// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focuschain.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace ui {

namespace {

bool keyWasLast = false;

// Notes whether the last press came from the keyboard; Qt keeps no such
// record for windows that are yet to open.
class InputWatch : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            keyWasLast = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            keyWasLast = false;
            break;
        default:
            break;
        }
        return false;
    }
};

void watchInput()
{
    auto *watch = new InputWatch;
    watch->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}
// From the application's start, before any window: the press that opens the
// first one must be seen.
Q_COREAPP_STARTUP_FUNCTION(watchInput)

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
            showFocusWhenByKey(back);
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
    // After show(), which clears it.
    showFocusWhenByKey(window);
    window->raise();
    window->activateWindow();
    if (focus)
        focus->setFocus(Qt::ActiveWindowFocusReason);
}

bool lastInputWasKey()
{
    return keyWasLast;
}

void showFocusWhenByKey(QWidget *window)
{
    // Never cleared here: a window the keyboard has been used in keeps
    // its ring, as Qt does.
    if (keyWasLast)
        window->window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

void closeOnEscape(QWidget *window, QWidget *opener)
{
    new EscapeCloser(window, opener);
}

} // namespace ui
