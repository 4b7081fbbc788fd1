// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "floodfill.h"

#include <vector>

namespace ui {

namespace {

// A run of pixels [left, right] on row `y` whose neighbours on row y + dy
// still have to be looked at.
struct Span
{
    int left;
    int right;
    int y;
    int dy;
};

} // namespace

qint64 floodFill(QImage &image, QPoint start, QRgb fill)
{
    if (image.isNull() || !image.rect().contains(start))
        return 0;
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied) {
        image.convertTo(QImage::Format_RGB32);
    }
    if (image.format() == QImage::Format_RGB32)
        fill |= 0xFF000000u;

    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    // Writing through bits() once detaches the image; rows are then addressed directly.
    auto *const pixels = reinterpret_cast<QRgb *>(image.bits());
    auto row = [&](int y) { return pixels + stride * y; };

    const QRgb target = row(start.y())[start.x()];
    if (target == fill)
        return 0;

    qint64 painted = 0;
    std::vector<Span> stack;
    stack.reserve(256);
    stack.push_back({start.x(), start.x(), start.y(), 1});
    stack.push_back({start.x(), start.x(), start.y() - 1, -1});

    while (!stack.empty()) {
        Span span = stack.back();
        stack.pop_back();
        if (span.y < 0 || span.y >= height)
            continue;
        QRgb *line = row(span.y);
        int x1 = span.left;
        const int x2 = span.right;
        int x = x1;
        if (line[x] == target) {
            // Extend the run to the left of the parent span.
            while (x > 0 && line[x - 1] == target) {
                --x;
                line[x] = fill;
            }
            painted += x1 - x;
            if (x < x1)
                stack.push_back({x, x1 - 1, span.y - span.dy, -span.dy});
        }
        while (x1 <= x2) {
            const int runStart = x1;
            while (x1 < width && line[x1] == target)
                line[x1++] = fill;
            painted += x1 - runStart;
            if (x1 > x)
                stack.push_back({x, x1 - 1, span.y + span.dy, span.dy});
            if (x1 - 1 > x2)
                stack.push_back({x2 + 1, x1 - 1, span.y - span.dy, -span.dy});
            ++x1;
            while (x1 < x2 && line[x1] != target)
                ++x1;
            x = x1;
        }
    }
    return painted;
}

bool sameRegion(const QImage &image, QPoint start, QPoint point)
{
    if (image.isNull() || !image.rect().contains(start) || !image.rect().contains(point))
        return false;
    QImage probe = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb before = probe.pixel(point);
    // Any colour other than the region's own shows where the fill went.
    floodFill(probe, start, probe.pixel(start) ^ 0x00FFFFFFu);
    return probe.pixel(point) != before;
}

} // namespace ui
