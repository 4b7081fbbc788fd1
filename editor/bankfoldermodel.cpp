#include "bankfoldermodel.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIcon>

namespace editor {

namespace {

// Every folder gets the theme's folder icon, looked up once, and the type
// name the MIME database gives a folder: the default provider asks that
// database for each folder's icon and type, on the main thread too.
class PlainFolderIcons : public QAbstractFileIconProvider
{
public:
    QIcon icon(IconType) const override { return folder; }
    QIcon icon(const QFileInfo &) const override { return folder; }
    // Never empty: with no type the model missed folders asked for by path.
    QString type(const QFileInfo &) const override { return QStringLiteral("folder"); }

private:
    const QIcon folder = QIcon::fromTheme(QStringLiteral("folder"));
};

} // namespace

BankFolderModel::BankFolderModel(const QString &bankFolder, QObject *parent)
    : QSortFilterProxyModel(parent)
    , icons(std::make_unique<PlainFolderIcons>())
    , folders(new QFileSystemModel(this))
    , bank(QDir::cleanPath(QFileInfo(bankFolder).absoluteFilePath()))
    , bankParent(QFileInfo(bank).absolutePath())
{
    folders->setIconProvider(icons.get());
    folders->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setReadOnly(true);
    setSourceModel(folders);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setRecursiveFilteringEnabled(false);
    folders->setRootPath(bankParent);
}

BankFolderModel::~BankFolderModel()
{
    // Its reading thread asks the icon provider, which goes with this object.
    delete folders;
}

bool BankFolderModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (folders->filePath(sourceParent) != bankParent)
        return true;
    const QModelIndex row = folders->index(sourceRow, 0, sourceParent);
    return folders->filePath(row) == bank;
}

bool BankFolderModel::filterAcceptsColumn(int sourceColumn, const QModelIndex &) const
{
    return sourceColumn == 0;
}

QModelIndex BankFolderModel::indexOf(const QString &folder) const
{
    return mapFromSource(folders->index(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())));
}

QString BankFolderModel::folderOf(const QModelIndex &index) const
{
    return folders->filePath(mapToSource(index));
}

QModelIndex BankFolderModel::rootIndex() const
{
    return mapFromSource(folders->index(bankParent));
}

} // namespace editor
