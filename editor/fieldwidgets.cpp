// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldwidgets.h"

#include "questioncheck.h"

#include "bank/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace editor {

StatementBox::StatementBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString StatementBox::text() const
{
    // toPlainText() would turn no-break spaces into spaces, and a trailing
    // space marks the correct option.
    QString raw = document()->toRawText();
    raw.remove(QChar(0xFDD0)).remove(QChar(0xFDD1));
    return withoutLineBreaks(raw);
}

void StatementBox::setText(const QString &text)
{
    setPlainText(withoutLineBreaks(text));
}

void StatementBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT enterRefused();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void StatementBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        insertPlainText(withoutLineBreaks(source->text()));
}

QValidator::State NoLineBreakValidator::validate(QString &input, int &) const
{
    input = withoutLineBreaks(input);
    return Acceptable;
}

LineBox::LineBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new NoLineBreakValidator(this));
}

ClickList::ClickList(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &ClickList::entryClicked);
}

void ClickList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    const QListWidgetItem *item = currentItem();
    if (currentRow() != before && item && item->isSelected())
        Q_EMIT entryClicked();
}

void FileList::setPath(const QString &path)
{
    folder = path;
    refresh();
}

void FileList::setPattern(const QString &wildcard)
{
    pattern = wildcard;
    refresh();
}

void FileList::refresh()
{
    const QString selected = fileName();
    clear();
    QStringList names = bank::fileNames(folder);
    if (!pattern.isEmpty()) {
        const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                       QRegularExpression::CaseInsensitiveOption);
        names = names.filter(match);
    }
    addItems(names);
    if (!selected.isEmpty()) {
        const auto found = findItems(selected, Qt::MatchExactly);
        if (!found.isEmpty())
            setCurrentItem(found.first());
    }
}

QString FileList::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

bool FileList::selectName(const QString &name)
{
    auto found = findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        found = findItems(name, Qt::MatchFixedString);
    if (name.isEmpty() || found.isEmpty()) {
        clearChoice();
        return false;
    }
    setCurrentItem(found.first());
    scrollToItem(found.first());
    return true;
}

void FileList::clearChoice()
{
    setCurrentRow(-1);
    clearSelection();
}

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent)
    , folders(new QFileSystemModel(this))
{
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setReadOnly(true);
    folders->setRootPath(QDir::rootPath());
    setModel(folders);
    setHeaderHidden(true);
    for (int column = 1; column < folders->columnCount(); ++column)
        hideColumn(column);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderTree::folderChanged);
    // Folders are read in the background, each one moving the rows below it:
    // the opening folder is brought back into view as each folder on its
    // path is read. Folders the author opens later leave the view alone.
    connect(folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        const bool onPath = opening == loaded || opening.startsWith(loaded + u'/')
            || loaded == QDir::rootPath();
        if (!opening.isEmpty() && onPath)
            scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

QString FolderTree::folder() const
{
    return folders->filePath(currentIndex());
}

void FolderTree::setFolder(const QString &folder)
{
    const QModelIndex index = folders->index(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (!index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        expand(up);
    setCurrentIndex(index);
    expand(index);
    opening = folders->filePath(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

} // namespace editor
