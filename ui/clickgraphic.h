// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picturefile.h"

#include <QPointF>
#include <QWidget>

class QFrame;
class QImage;
class QRect;
class QScrollBar;

namespace ui {

class PictureBox;

// Where the scroll bars of a ClickGraphic sit: along the viewport's right
// edge and under it, `gapBelow` pixels lower, both `thickness` pixels thick
// (0 takes the style's thickness).
struct ScrollBarPlacement {
    int gapBelow = 0;
    int thickness = 0;
};

class CrossOverlay;

// A graphic a click fills, as the point-on-a-graphic question shows it in
// the player and in the editor: a viewport (Picture1) onto the graphic at its
// natural size (Picture2), a bar under the viewport (HScroll1) and one to
// its right (VScroll1). A press of any mouse button on the graphic clears the
// earlier fill, fills the region pressed and gives the press in pixels of
// the graphic (marked).
//
// From the keyboard (the widget is reached by Tab) a cross stands for the
// pointer: the arrow keys move it a few pixels, with Shift a larger step,
// the view scrolling to keep it in sight; Space or Enter marks where it
// stands, as a press there does.
//
// The bars keep the old scrolling rule: a bar runs from the viewport's size
// to the graphic's (ui::setScrollRange), and a value v puts the graphic's
// left (top) edge at the viewport's width (height) minus v. A new graphic
// shows from its top left corner.
class ClickGraphic : public QWidget
{
    Q_OBJECT

public:
    explicit ClickGraphic(QWidget *parent = nullptr, ScrollBarPlacement bars = {});

    // Puts the viewport at `viewport`, in the parent's coordinates, and the
    // bars beside it; the widget covers the three.
    void setViewportGeometry(const QRect &viewport);

    // Shows a picture file with no fill. False, leaving everything as it was,
    // when the file is missing, too large or cannot be read; loadFailure()
    // then says which, with the size the file's header gives.
    bool load(const QString &path);
    PictureProblem loadProblem() const;
    Picture loadFailure() const;
    void setPicture(const QImage &picture);

    // What a press at `position` (pixels of the graphic) does.
    void markAt(QPointF position);

    // The keyboard cross, in pixels of the graphic; it starts at the centre
    // of the view when a graphic is shown.
    QPoint cross() const { return crossAt; }
    void moveCross(QPoint step);
    static constexpr int kCrossStep = 4;
    static constexpr int kLargeCrossStep = 32;

    QFrame *viewport() const { return Picture1; }
    PictureBox *pictureBox() const { return Picture2; }
    QScrollBar *horizontalBar() const { return HScroll1; }
    QScrollBar *verticalBar() const { return VScroll1; }

Q_SIGNALS:
    void marked(QPointF position);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showFromTopLeft();
    void scrollToCross();
    void HScroll1_Change();
    void VScroll1_Change();

    ScrollBarPlacement bars;
    QFrame *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    CrossOverlay *overlay = nullptr;
    QPoint crossAt;
};

} // namespace ui
