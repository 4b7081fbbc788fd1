// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scrollinglabel.h"

#include <QEvent>
#include <QScrollBar>

namespace player {

namespace {

// The area is shown and hidden with its label, so that code showing and
// hiding the label need not know of it.
class VisibilityFollower : public QObject
{
public:
    VisibilityFollower(QLabel *label, QScrollArea *area)
        : QObject(area)
        , area(area)
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            area->setVisible(!static_cast<QWidget *>(watched)->isHidden());
        return false;
    }

private:
    QScrollArea *area;
};

} // namespace

QScrollArea *scrollWhenLong(QLabel *label)
{
    const bool hidden = label->isHidden();
    auto *area = new QScrollArea(label->parentWidget());
    area->setGeometry(label->geometry());
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The label's width is the area's; its height what its wrapped text needs.
    area->setWidgetResizable(true);
    area->setWidget(label);
    // The frame's colour shows through, as it did behind the bare label.
    label->setAutoFillBackground(false);
    area->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    new VisibilityFollower(label, area);
    label->setVisible(!hidden);
    area->setVisible(!hidden);
    return area;
}

QWidget *placeOf(QWidget *label)
{
    QWidget *viewport = label->parentWidget();
    if (auto *area = qobject_cast<QScrollArea *>(viewport ? viewport->parentWidget() : nullptr)) {
        if (area->widget() == label)
            return area;
    }
    return label;
}

void scrollToTop(QWidget *label)
{
    if (auto *area = qobject_cast<QScrollArea *>(placeOf(label)))
        area->verticalScrollBar()->setValue(0);
}

} // namespace player
