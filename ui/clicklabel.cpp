// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clicklabel.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>

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

// Qt's frame that stands outside its control, drawn by the kit's style
// as the ring every control has: a label's text starts at its very edge,
// where a ring drawn inside it would cover the first letters.
class FocusRing : public QFocusFrame
{
public:
    using QFocusFrame::QFocusFrame;

protected:
    void initStyleOption(QStyleOption *option) const override
    {
        // Its own rectangle, and the window's word on whether the focus
        // came by a key.
        option->initFrom(this);
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

ClickLabel::~ClickLabel()
{
    delete ring;
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

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    if (!operable || !parentWidget())
        return;
    if (!ring)
        ring = new FocusRing(parentWidget());
    ring->setWidget(this);
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    if (ring)
        ring->setWidget(nullptr);
}

QRect ClickLabel::focusRingGeometry() const
{
    if (!ring || !ring->isVisibleTo(parentWidget()))
        return {};
    return QRect(parentWidget()->mapFrom(ring->parentWidget(), ring->pos()), ring->size());
}

QRect ClickLabel::textGeometry() const
{
    // As QLabel lays out plain text.
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect inLabel = style()->itemTextRect(fontMetrics(), area, flags, isEnabled(), text());
    return inLabel.translated(pos());
}

} // namespace ui
