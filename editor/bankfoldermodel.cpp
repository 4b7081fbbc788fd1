// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfoldermodel.h"

#include "ui/controls.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace editor {

namespace {

// A plain yellow folder, drawn here: looking the desktop's folder icon up
// in its icon theme reads the theme's index files, which took longer than
// building and painting the whole editor window.
QIcon drawnFolderIcon()
{
    return ui::drawnIcon(16, {16, 24, 32}, [](QPainter &painter) {
        painter.setPen(QPen(QColor(0xA6, 0x7A, 0x1C), 1.0));
        QPainterPath back; // the back of the folder, with its tab
        back.moveTo(1.5, 13.5);
        back.lineTo(1.5, 3.5);
        back.lineTo(6.0, 3.5);
        back.lineTo(7.5, 5.0);
        back.lineTo(14.5, 5.0);
        back.lineTo(14.5, 13.5);
        back.closeSubpath();
        painter.setBrush(QColor(0xE0, 0xA8, 0x30));
        painter.drawPath(back);
        painter.setBrush(QColor(0xF8, 0xCB, 0x5A)); // its front
        painter.drawRect(QRectF(1.5, 6.5, 13.0, 7.0));
    });
}

// Every folder gets the same drawn icon, and the type name the MIME
// database gives a folder: the default provider asks that database for each
// folder's icon and type, on the main thread too.
class PlainFolderIcons : public QAbstractFileIconProvider
{
public:
    QIcon icon(IconType) const override { return folder; }
    QIcon icon(const QFileInfo &) const override { return folder; }
    // Never empty: with no type the model missed folders asked for by path.
    QString type(const QFileInfo &) const override { return QStringLiteral("folder"); }

private:
    const QIcon folder = drawnFolderIcon();
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
    // As the player sees the bank: a folder link is no course or subject.
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
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
    const QModelIndex row = folders->index(sourceRow, 0, sourceParent);
    // The file-system model makes a node for any path asked of it, a link
    // too, before its own filter has read the folder: refused here as well.
    if (folders->fileInfo(row).isSymLink())
        return false;
    if (folders->filePath(sourceParent) != bankParent)
        return true;
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
