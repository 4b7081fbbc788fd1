#include "folders.h"

#include <QDir>
#include <QFileInfo>

namespace bank {

QString findEntry(const QString &folder, const QString &name)
{
    const QString exact = folder + u'/' + name;
    if (name.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return exact;
}

QString resolvePath(const QString &base, const QString &relative)
{
    QString path = base;
    const auto parts = QStringView(relative).split(u'/', Qt::SkipEmptyParts);
    for (QStringView part : parts) {
        const auto inner = part.split(u'\\', Qt::SkipEmptyParts);
        for (QStringView component : inner)
            path = findEntry(path, component.toString());
    }
    return path;
}

QStringList subfolders(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

QStringList fileNames(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

int fileCount(const QString &folder)
{
    return static_cast<int>(fileNames(folder).size());
}

bool isBareFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':')
        && !name.contains(QChar(0));
}

QString resolveReferenced(const QString &programFolder, ReferencedKind kind, const QString &name)
{
    if (!isBareFileName(name))
        return {};
    const QString folder = findEntry(programFolder, kind == ReferencedKind::Picture
                                                        ? QString::fromLatin1(kPicturesFolder)
                                                        : QString::fromLatin1(kTextsFolder));
    const QString path = findEntry(folder, name);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace bank
