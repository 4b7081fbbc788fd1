// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSortFilterProxyModel>

#include <memory>

class QAbstractFileIconProvider;
class QFileSystemModel;

namespace editor {

// Dir1 shows the question bank folder itself as its one top entry, and the
// folders below it; nothing beside or above the bank, and only their names
// (no size, type or date column). The folders come from
// a file-system model of its own, read-only, in which every folder has the
// same plain icon.
class BankFolderModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    BankFolderModel(const QString &bankFolder, QObject *parent);
    ~BankFolderModel() override;

    QModelIndex indexOf(const QString &folder) const;
    QString folderOf(const QModelIndex &index) const;
    QModelIndex rootIndex() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex &sourceParent) const override;

private:
    std::unique_ptr<QAbstractFileIconProvider> icons;
    QFileSystemModel *folders;
    QString bank;
    QString bankParent;
};

} // namespace editor
