#include "loadfailure.h"

namespace player {

QString missingFileText(const QString &name)
{
    return QStringLiteral("No s'ha trobat el fitxer «%1».").arg(name);
}

QString textTooLongText(const QString &name, qint64 bytes)
{
    const qint64 megabytes = (bytes + 512 * 1024) / (1024 * 1024);
    return QStringLiteral("El text «%1» és massa llarg per mostrar-lo (%2 MB).").arg(name).arg(megabytes);
}

QString pictureFailureText(const QString &name, const ui::Picture &picture)
{
    switch (picture.problem) {
    case ui::PictureProblem::Missing:
        return missingFileText(name);
    case ui::PictureProblem::TooLarge:
        return QStringLiteral("La imatge «%1» és massa gran per mostrar-la (%2 × %3 píxels).")
            .arg(name)
            .arg(picture.size.width())
            .arg(picture.size.height());
    case ui::PictureProblem::Unreadable:
    case ui::PictureProblem::None:
        break;
    }
    return QStringLiteral("No es pot obrir la imatge «%1»: està malmesa o no és una imatge.").arg(name);
}

} // namespace player
