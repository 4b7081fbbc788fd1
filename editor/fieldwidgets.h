// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small controls of the editor's windows: fields that can never hold a line
// break (each field is one line of a question file), and a file list bound
// to one folder.

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QValidator>

class QFileSystemModel;

namespace editor {

// A wrapping box for a statement or option. Enter is refused (enterRefused
// lets the window say so) and a pasted or dropped line break becomes a
// space, so the text stays one line of the question file.
class StatementBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit StatementBox(QWidget *parent = nullptr);

    // The text exactly as typed (no-break spaces kept).
    QString text() const;
    void setText(const QString &text);

Q_SIGNALS:
    void enterRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

// For single-line boxes: a QLineEdit keeps a pasted line break in its text.
class NoLineBreakValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

// A single-line box whose text never holds a line break.
class LineBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineBox(QWidget *parent = nullptr);
};

// A list whose Click comes from the author only: a mouse click on an entry
// (also on the one already selected) or a move with the keys. Filling or
// selecting from code raises nothing.
class ClickList : public QListWidget
{
    Q_OBJECT

public:
    explicit ClickList(QWidget *parent = nullptr);

Q_SIGNALS:
    void entryClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The files of one folder, sorted, as a list to pick from. Hidden files
// (a question being written) are never listed.
class FileList : public ClickList
{
    Q_OBJECT

public:
    // Every row is one line of one font: laying out 10,000 file names one by
    // one made each save into a large folder slow.
    explicit FileList(QWidget *parent = nullptr)
        : ClickList(parent)
    {
        setUniformItemSizes(true);
    }

    QString path() const { return folder; }
    void setPath(const QString &path);
    void refresh();

    // Only names matching this wildcard pattern, in any letter case, are
    // listed ("*.txt" lists LISTA.TXT too); an empty pattern lists all.
    void setPattern(const QString &pattern);

    // The bare name of the selected file, empty when none is selected.
    QString fileName() const;

    // Selects the entry `name`, or else the first one equal to it in another
    // letter case (the same file on the banks' file systems). False, leaving
    // no entry selected, when neither is listed.
    bool selectName(const QString &name);
    void clearChoice();

private:
    QString folder;
    QString pattern;
};

// A folder tree of the whole disk, opened at one folder, for the pickers.
class FolderTree : public QTreeView
{
    Q_OBJECT

public:
    explicit FolderTree(QWidget *parent = nullptr);

    QString folder() const;
    void setFolder(const QString &folder);

Q_SIGNALS:
    void folderChanged();

private:
    QFileSystemModel *folders;
    QString opening; // the folder set last, kept in view while its path is read
};

} // namespace editor
