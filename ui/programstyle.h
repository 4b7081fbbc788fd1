// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The look every window of the kit shares: Fusion, whatever the desktop's
// own style, so windows laid out in twips look alike on every machine.

#include <QProxyStyle>

namespace ui {

// Fusion, but the keyboard focus is drawn here (a ring that shows on any
// back colour, buttons included, which Fusion only tints), and group box
// frames are drawn here: Fusion draws them from a
// picture, and reading that picture makes Qt open every image plugin it has
// before the first window appears (a tenth of the editor's start-up).
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

// How far the focus ring reaches in from the edge of its rectangle.
constexpr int kFocusRingWidth = 4;
// The room a focus frame takes round its control: the ring and a pixel.
constexpr int kFocusRingRoom = kFocusRingWidth + 1;

// The keyboard focus ring of every control, drawn inside option->rect.
void drawFocusRing(const QStyleOption *option, QPainter *painter);

// The part of `rect` a focus ring drawn in it leaves clear.
QRect insideFocusRing(const QRect &rect);

// Sets the kit's style on the running application.
void useProgramStyle();

} // namespace ui
