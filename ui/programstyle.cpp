#include "programstyle.h"

#include <QApplication>
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

void useProgramStyle()
{
    QApplication::setStyle(new ProgramStyle);
}

} // namespace ui
