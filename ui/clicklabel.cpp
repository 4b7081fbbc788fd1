// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clicklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace ui {

namespace {

// An operable label is a control to a screen reader, not static text.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(ClickLabel *label)
        : QAccessibleWidget(label, label->accessibleRole())
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const ClickLabel *>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<ClickLabel *>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *operableLabelFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<ClickLabel *>(object);
    if (label && label->keyboardOperable())
        return new ClickLabelAccessible(label);
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setTextFormat(Qt::PlainText);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : ClickLabel(parent, flags)
{
    setText(text);
}

void ClickLabel::setKeyboardOperable(QAccessible::Role accessibleRole)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(operableLabelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    operable = true;
    role = accessibleRole;
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (!operable || (event->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right: {
        // The neighbours as they stand on screen, top to bottom.
        QList<ClickLabel *> group;
        for (ClickLabel *label : parentWidget()->findChildren<ClickLabel *>(Qt::FindDirectChildrenOnly)) {
            if (label->operable && label->isVisibleTo(parentWidget()) && label->isEnabled())
                group.append(label);
        }
        std::stable_sort(group.begin(), group.end(), [](const ClickLabel *a, const ClickLabel *b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        });
        const bool back = event->key() == Qt::Key_Up || event->key() == Qt::Key_Left;
        const qsizetype at = group.indexOf(this) + (back ? -1 : 1);
        if (at >= 0 && at < group.size()) {
            group[at]->setFocus(Qt::TabFocusReason);
            // A long list scrolls to keep the label in sight, as Tab does.
            for (QWidget *up = parentWidget(); up; up = up->parentWidget()) {
                if (auto *area = qobject_cast<QScrollArea *>(up)) {
                    area->ensureWidgetVisible(group[at]);
                    break;
                }
            }
            group[at]->click();
        }
        return;
    }
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!operable || !hasFocus())
        return;
    // The style's focus ring, as buttons get it.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace ui
