#pragma once

// Small controls of the editor's windows: fields that can never hold a line
// break (each field is one line of a question file), and a file list bound
// to one folder.

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QValidator>

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

// The files of one folder, sorted, as a list to pick from. Hidden files
// (a question being written) are never listed.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    QString path() const { return folder; }
    void setPath(const QString &path);
    void refresh();

    // The bare name of the selected file, empty when none is selected.
    QString fileName() const;

private:
    QString folder;
};

} // namespace editor
