#include "readingtext.h"

#include "bank/wordrule.h"

#include <QTextCursor>

namespace ui {

ReadingText::ReadingText(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReadingText::takeWordAtCaret()
{
    // The document gives no-break spaces as spaces; the word rule takes
    // both as separators, so the raw file read by the checker agrees.
    const QString text = toPlainText();
    if (text.isEmpty())
        return;
    const bank::WordRange range = bank::wordRangeAt(text, textCursor().position());
    QTextCursor cursor = textCursor();
    cursor.setPosition(range.start);
    cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    Q_EMIT wordTaken(text.mid(range.start, range.length));
}

void ReadingText::mouseReleaseEvent(QMouseEvent *event)
{
    // The box places its caret first; the word is taken there.
    QPlainTextEdit::mouseReleaseEvent(event);
    takeWordAtCaret();
}

} // namespace ui
