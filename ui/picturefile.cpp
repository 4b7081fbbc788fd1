#include "picturefile.h"

#include <QFileInfo>
#include <QImageReader>

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

QByteArray pictureFormat(const QString &path)
{
    return QImageReader::imageFormat(path);
}

Picture readPicture(const QString &path)
{
    Picture result;
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        result.problem = PictureProblem::Missing;
        return result;
    }
    QImageReader reader(path);
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
