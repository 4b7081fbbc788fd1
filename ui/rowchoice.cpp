// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rowchoice.h"

#include <QEvent>
#include <QListWidget>

namespace ui {

namespace {

class RowChoice : public QObject
{
public:
    RowChoice(QListWidget *list, std::function<void()> chosen)
        : QObject(list)
        , chosen(std::move(chosen))
    {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::currentRowChanged, this, [this] {
            if (pressing)
                pressMovedRow = true;
            this->chosen();
        });
        connect(list, &QListWidget::itemClicked, this, [this] {
            if (!pressMovedRow)
                this->chosen();
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            pressing = true;
            pressMovedRow = false;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            pressing = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> chosen;
    bool pressing = false;
    bool pressMovedRow = false;
};

} // namespace

void onRowChosen(QListWidget *list, std::function<void()> chosen)
{
    new RowChoice(list, std::move(chosen));
}

} // namespace ui
