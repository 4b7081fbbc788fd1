// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clickgraphic.h"

#include "controls.h"
#include "picturebox.h"

#include "programstyle.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>
#include <QImage>
#include <QRect>
#include <QScrollBar>

namespace ui {

// Drawn over the viewport and letting the mouse through: the focus ring
// round the view and the keyboard cross, black on white so that it shows on
// any picture.
class CrossOverlay : public QWidget
{
public:
    CrossOverlay(ClickGraphic *graphic, QWidget *viewport)
        : QWidget(viewport)
        , graphic(graphic)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(graphic);
        option.rect = rect();
        drawFocusRing(&option, &painter);
        const QPoint at = graphic->pictureBox()->pos() + graphic->cross();
        constexpr int arm = 12;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 5));
        painter.drawLine(at.x() - arm, at.y(), at.x() + arm, at.y());
        painter.drawLine(at.x(), at.y() - arm, at.x(), at.y() + arm);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(at.x() - arm, at.y(), at.x() + arm, at.y());
        painter.drawLine(at.x(), at.y() - arm, at.x(), at.y() + arm);
    }

private:
    ClickGraphic *graphic;
};

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
    overlay = new CrossOverlay(this, Picture1);
    // Tab reaches it; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(QCoreApplication::translate("ui::ClickGraphic", "Fletxes: moure la creu; Espai: marcar"));

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
    overlay->setGeometry(Picture1->rect());
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
    crossAt = QPoint(std::min(Picture1->width(), Picture2->width()) / 2,
                     std::min(Picture1->height(), Picture2->height()) / 2);
    overlay->update();
}

void ClickGraphic::moveCross(QPoint step)
{
    const QSize size = Picture2->size();
    crossAt = QPoint(std::clamp(crossAt.x() + step.x(), 0, std::max(0, size.width() - 1)),
                     std::clamp(crossAt.y() + step.y(), 0, std::max(0, size.height() - 1)));
    scrollToCross();
    overlay->update();
}

void ClickGraphic::scrollToCross()
{
    // The bars' rule: value v puts the graphic's edge at the view's size
    // minus v. Only a cross about to leave the view scrolls it.
    const auto follow = [](QScrollBar *bar, int view, int edge, int at) {
        const int shown = edge + at;
        if (shown >= 0 && shown < view)
            return;
        const int wanted = view - (view / 2 - at);
        const int low = std::min(bar->minimum(), bar->maximum());
        const int high = std::max(bar->minimum(), bar->maximum());
        bar->setValue(std::clamp(wanted, low, high));
    };
    follow(HScroll1, Picture1->width(), Picture2->x(), crossAt.x());
    follow(VScroll1, Picture1->height(), Picture2->y(), crossAt.y());
}

void ClickGraphic::keyPressEvent(QKeyEvent *event)
{
    const int step = (event->modifiers() & Qt::ShiftModifier) ? kLargeCrossStep : kCrossStep;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCross(QPoint(-step, 0));
        return;
    case Qt::Key_Right:
        moveCross(QPoint(step, 0));
        return;
    case Qt::Key_Up:
        moveCross(QPoint(0, -step));
        return;
    case Qt::Key_Down:
        moveCross(QPoint(0, step));
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!Picture2->size().isEmpty()) {
            markAt(crossAt);
            overlay->update();
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClickGraphic::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    overlay->raise();
    overlay->show();
}

void ClickGraphic::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    overlay->hide();
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
