// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readingtext.h"

#include "bank/wordrule.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace ui {

ReadingText::ReadingText(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
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

void ReadingText::selectWordAt(int position)
{
    // Selected from its end back to its start: the caret stays at the
    // word's start, where the word rule takes this very word.
    const bank::WordRange range = bank::wordRangeAt(toPlainText(), position);
    QTextCursor cursor = textCursor();
    cursor.setPosition(range.start + range.length);
    cursor.setPosition(range.start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool ReadingText::moveToWord(int step)
{
    const QString text = toPlainText();
    const int size = static_cast<int>(text.size());
    const bank::WordRange here = bank::wordRangeAt(text, textCursor().position());
    // A word starts where a word character follows a separator, a line
    // break or the start of the text.
    const auto startsWord = [&text](int i) {
        return !bank::isWordSeparator(text[i]) && text[i] != u'\n'
               && (i == 0 || bank::isWordSeparator(text[i - 1]) || text[i - 1] == u'\n');
    };
    if (step > 0) {
        for (int i = here.start + std::max(here.length, 1); i < size; ++i) {
            if (startsWord(i)) {
                selectWordAt(i);
                return true;
            }
        }
    } else {
        for (int i = (here.length > 0 ? here.start : textCursor().position()) - 1; i >= 0; --i) {
            if (startsWord(i)) {
                selectWordAt(i);
                return true;
            }
        }
    }
    return false;
}

void ReadingText::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ControlModifier);
    if (mods == Qt::NoModifier && !toPlainText().isEmpty()) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            moveToWord(event->key() == Qt::Key_Right ? 1 : -1);
            return;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            QTextCursor cursor = textCursor();
            cursor.clearSelection();
            cursor.movePosition(event->key() == Qt::Key_Down ? QTextCursor::Down : QTextCursor::Up);
            setTextCursor(cursor);
            // A line of separators only has no word: the caret goes on to one.
            const QString text = toPlainText();
            if (bank::wordRangeAt(text, cursor.position()).length == 0)
                moveToWord(event->key() == Qt::Key_Down ? 1 : -1);
            else
                selectWordAt(cursor.position());
            return;
        }
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!(event->modifiers() & Qt::ControlModifier)) {
                takeWordAtCaret();
                return;
            }
            break;
        default:
            break;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ReadingText::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    // Reached by the keyboard, the word at the caret shows at once.
    const bool byKey = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKey && !textCursor().hasSelection() && !toPlainText().isEmpty()) {
        if (bank::wordRangeAt(toPlainText(), textCursor().position()).length > 0)
            selectWordAt(textCursor().position());
        else
            moveToWord(1);
    }
}

void ReadingText::mouseReleaseEvent(QMouseEvent *event)
{
    // The box places its caret first; the word is taken there.
    QPlainTextEdit::mouseReleaseEvent(event);
    takeWordAtCaret();
}

} // namespace ui
