// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include <QBuffer>
#include <QImage>

namespace convert {

QByteArray toJpeg(const QByteArray &bytes)
{
    QImage image;
    if (!image.loadFromData(bytes) || image.isNull())
        return {};
    // JPEG has no transparency: a transparent PNG goes onto white, as a page.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const double a = c.alphaF();
                flat.setPixelColor(x, y, QColor::fromRgbF(float(c.redF() * a + (1 - a)), float(c.greenF() * a + (1 - a)),
                                                          float(c.blueF() * a + (1 - a))));
            }
        }
        image = flat;
    }
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 90))
        return {};
    return out;
}

} // namespace convert
