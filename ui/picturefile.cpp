// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturefile.h"

#include "bank/readfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace ui {

bool fitsInMemory(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return true;
    // QImage itself refuses more than 32767 pixels a side for painting.
    if (size.width() > 32767 || size.height() > 32767)
        return false;
    const qint64 limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0)
        return true;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= limitMb * 1024 * 1024;
}

QImage pictureSurface(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

QByteArray pictureFormatOf(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

QImage readBuiltInPicture(const QString &resourcePath)
{
    QImageReader reader(resourcePath, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

Picture readPicture(const QString &path)
{
    Picture result;
    // Read through the bank's reader: a FIFO or a device under a picture's
    // name is refused instead of hanging the window.
    const bank::FileContent file = path.isEmpty() ? bank::FileContent{{}, bank::FileProblem::Missing}
                                                  : bank::readFile(path, bank::kMaxPictureFileBytes);
    if (file.problem == bank::FileProblem::Missing || file.problem == bank::FileProblem::NotAFile) {
        result.problem = PictureProblem::Missing;
        return result;
    }
    if (file.problem != bank::FileProblem::None) {
        result.problem = file.problem == bank::FileProblem::TooLarge ? PictureProblem::TooLarge
                                                                     : PictureProblem::Unreadable;
        return result;
    }
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    result.size = reader.size();
    if (result.size.isValid() && !fitsInMemory(result.size)) {
        result.problem = PictureProblem::TooLarge;
        return result;
    }
    if (!reader.read(&result.image) || result.image.isNull()) {
        result.image = QImage();
        result.problem = PictureProblem::Unreadable;
    }
    return result;
}

} // namespace ui
