// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include "floodfill.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

bool PictureBox::load(const QString &path)
{
    const Picture read = readPicture(path);
    failure = {QImage(), read.problem, read.size};
    if (read.problem != PictureProblem::None)
        return false;
    setPicture(read.image);
    return true;
}

void PictureBox::setPicture(const QImage &picture)
{
    original = pictureSurface(picture);
    resize(original.size());
    clearFills();
}

void PictureBox::clearFills()
{
    painted = original;
    update();
}

QColor PictureBox::pixel(int x, int y) const
{
    if (!painted.valid(x, y))
        return QColor();
    return QColor::fromRgb(painted.pixel(x, y));
}

qint64 PictureBox::floodFill(int x, int y)
{
    const qint64 count = ui::floodFill(painted, QPoint(x, y), fill.rgb());
    if (count > 0)
        update();
    return count;
}

QSize PictureBox::sizeHint() const
{
    return original.isNull() ? QWidget::sizeHint() : original.size();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (painted.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, painted);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position());
    event->accept();
}

} // namespace ui
