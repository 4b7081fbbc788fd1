#include "fieldwidgets.h"

#include "questioncheck.h"

#include "bank/folders.h"

#include <QKeyEvent>
#include <QMimeData>
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

void FileList::setPath(const QString &path)
{
    folder = path;
    refresh();
}

void FileList::refresh()
{
    const QString selected = fileName();
    clear();
    addItems(bank::fileNames(folder));
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

} // namespace editor
