#include "clickgraphic.h"

#include "controls.h"
#include "picturebox.h"

#include <QFrame>
#include <QImage>
#include <QRect>
#include <QScrollBar>

namespace ui {

ClickGraphic::ClickGraphic(QWidget *parent, ScrollBarPlacement bars)
    : QWidget(parent)
    , bars(bars)
{
    // No border: the viewport's whole area is what the scrolling rule
    // measures, and the graphic never covers a frame line.
    Picture1 = new QFrame(this);
    Picture1->setFrameShape(QFrame::NoFrame);
    nameControl(Picture1, QStringLiteral("Picture1"));
    Picture2 = new PictureBox(Picture1);
    nameControl(Picture2, QStringLiteral("Picture2"));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    nameControl(HScroll1, QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    nameControl(VScroll1, QStringLiteral("VScroll1"));
    // Nothing to scroll until a graphic is loaded.
    HScroll1->setRange(0, 0);
    VScroll1->setRange(0, 0);

    connect(Picture2, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF position) {
                if (button != Qt::NoButton)
                    markAt(position);
            });
    connect(HScroll1, &QScrollBar::valueChanged, this, &ClickGraphic::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &ClickGraphic::VScroll1_Change);
}

void ClickGraphic::setViewportGeometry(const QRect &viewport)
{
    const int barWidth = bars.thickness > 0 ? bars.thickness : VScroll1->sizeHint().width();
    const int barHeight = bars.thickness > 0 ? bars.thickness : HScroll1->sizeHint().height();
    setGeometry(viewport.x(), viewport.y(), viewport.width() + barWidth,
                viewport.height() + bars.gapBelow + barHeight);
    Picture1->setGeometry(0, 0, viewport.width(), viewport.height());
    VScroll1->setGeometry(viewport.width(), 0, barWidth, viewport.height());
    HScroll1->setGeometry(0, viewport.height() + bars.gapBelow, viewport.width(), barHeight);
}

bool ClickGraphic::load(const QString &path)
{
    if (!Picture2->load(path))
        return false;
    showFromTopLeft();
    return true;
}

PictureProblem ClickGraphic::loadProblem() const
{
    return Picture2->loadProblem();
}

Picture ClickGraphic::loadFailure() const
{
    return Picture2->loadFailure();
}

void ClickGraphic::setPicture(const QImage &picture)
{
    Picture2->setPicture(picture);
    showFromTopLeft();
}

void ClickGraphic::markAt(QPointF position)
{
    Picture2->clearFills();
    Picture2->floodFill(qRound(position.x()), qRound(position.y()));
    Q_EMIT marked(position);
}

void ClickGraphic::showFromTopLeft()
{
    setScrollRange(HScroll1, Picture1->width(), Picture2->width());
    setScrollRange(VScroll1, Picture1->height(), Picture2->height());
    HScroll1_Change();
    VScroll1_Change();
}

void ClickGraphic::HScroll1_Change()
{
    Picture2->move(Picture1->width() - HScroll1->value(), Picture2->y());
}

void ClickGraphic::VScroll1_Change()
{
    Picture2->move(Picture2->x(), Picture1->height() - VScroll1->value());
}

} // namespace ui
