// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace ui {

// Surface flood fill: every pixel 4-connected to `start` through pixels of
// the start pixel's colour becomes `fill`. Colours are compared as whole
// 32-bit pixels; for an image without alpha, `fill` is taken as opaque.
// Images in other formats are converted to Format_RGB32 first. Returns the
// number of pixels painted: 0 for a start outside the image or when the
// region already has the fill colour.
qint64 floodFill(QImage &image, QPoint start, QRgb fill);

// Whether a flood fill from `start` would paint `point`: both lie in one
// region of one colour. False when either is outside the image.
bool sameRegion(const QImage &image, QPoint start, QPoint point);

} // namespace ui
