// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picturefile.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace ui {

// A picture at its natural size with a surface to paint on. The loaded
// picture stays as it was; fills go to the surface, which clearFills()
// brings back to the picture. Coordinates are pixels of the picture, whatever the
// box's position inside its parent.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads a picture file; the box takes the picture's size. False, leaving
    // the box as it was, when the file is missing, too large or cannot be
    // read; loadFailure() then says which, with the size the file's header
    // gives when it gave one.
    bool load(const QString &path);
    PictureProblem loadProblem() const { return failure.problem; }
    Picture loadFailure() const { return failure; }
    void setPicture(const QImage &picture);
    QImage picture() const { return original; }
    const QImage &surface() const { return painted; }

    // Restores the surface from the picture, removing every fill.
    void clearFills();

    // The colour of a surface pixel; invalid outside the picture.
    QColor pixel(int x, int y) const;

    void setFillColor(const QColor &color) { fill = color; }
    QColor fillColor() const { return fill; }

    // Paints, in the fill colour, the region of the pixel's colour that holds
    // (x, y). Returns the number of pixels painted.
    qint64 floodFill(int x, int y);

    QSize sizeHint() const override;

Q_SIGNALS:
    // Any mouse button pressed on the picture, at a position in its pixels.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage original;
    QImage painted;
    QColor fill = Qt::black;
    Picture failure; // of the last load, without its image
};

} // namespace ui
