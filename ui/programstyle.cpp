// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programstyle.h"

#include <QApplication>
#include <QFocusFrame>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {

namespace {

// Fusion's space above a group box's frame besides the title's height.
constexpr int kFrameTopMargin = 3;

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        drawFocusRing(option, painter);
        return;
    }
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame starts below the title line, as Fusion's does.
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    int top = kFrameTopMargin;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
    // Fusion's picture: a one-pixel grey line with its corners cut, a faint
    // shade inside it and a little more along its inner edge. Plain lines
    // and fills, not an antialiased rounded outline: frames can be large.
    const QRect line = option->rect.adjusted(1, top + 1, 0, 0);
    if (line.width() < 3 || line.height() < 3)
        return;
    const QRect inside = line.adjusted(1, 1, -1, -1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(inside, QColor(0, 0, 0, 0x03));
    painter->setPen(QColor(0, 0, 0, 0x04));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(inside.adjusted(0, 0, -1, -1));
    painter->setPen(QColor(0x75, 0x75, 0x75, 0x32));
    painter->drawLine(line.left() + 1, line.top(), line.right() - 1, line.top());
    painter->drawLine(line.left() + 1, line.bottom(), line.right() - 1, line.bottom());
    painter->drawLine(line.left(), line.top() + 1, line.left(), line.bottom() - 1);
    painter->drawLine(line.right(), line.top() + 1, line.right(), line.bottom() - 1);
    painter->restore();
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == CE_FocusFrame) {
        drawFocusRing(option, painter);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusRing(option, painter);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    // A focus frame stands round its control with the ring and a pixel to
    // spare, so the ring never covers the control's first letters. Only
    // for focus frames: item views take their text margin from the same
    // metric.
    const QObject *asker = widget ? widget : (option ? option->styleObject : nullptr);
    if ((metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) && qobject_cast<const QFocusFrame *>(asker))
        return kFocusRingRoom;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void drawFocusRing(const QStyleOption *option, QPainter *painter)
{
    // Only after a key moved the focus, as Fusion does: the mouse sees no
    // change. A black ring inside a white one: whatever colour a window gives
    // a control (the verdict colours, the true and false buttons), one of the
    // two stands at least 3:1 against it.
    if (!(option->state & QStyle::State_KeyboardFocusChange))
        return;
    const QRect outer = option->rect.adjusted(0, 0, -1, -1);
    if (outer.width() < 6 || outer.height() < 6)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    // White, black, black, white from the edge in: kFocusRingWidth lines.
    for (int i = 0; i < kFocusRingWidth; ++i) {
        painter->setPen(QPen(i == 0 || i == kFocusRingWidth - 1 ? Qt::white : Qt::black, 1));
        painter->drawRect(outer.adjusted(i, i, -i, -i));
    }
    painter->restore();
}

QRect insideFocusRing(const QRect &rect)
{
    return rect.adjusted(kFocusRingWidth, kFocusRingWidth, -kFocusRingWidth, -kFocusRingWidth);
}

void useProgramStyle()
{
    QApplication::setStyle(new ProgramStyle);
}

} // namespace ui
