// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtextbox.h"

#include "rtfwriter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace ui {

namespace {

// What a typing-only box still does with a key: move the caret, select, copy.
bool leavesTextAlone(const QKeyEvent *event)
{
    static const QKeySequence::StandardKey kHarmless[] = {
        QKeySequence::Copy, QKeySequence::SelectAll, QKeySequence::Deselect,
        QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToNextLine, QKeySequence::MoveToPreviousLine,
        QKeySequence::MoveToNextPage, QKeySequence::MoveToPreviousPage,
        QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
        QKeySequence::SelectNextLine, QKeySequence::SelectPreviousLine,
        QKeySequence::SelectNextPage, QKeySequence::SelectPreviousPage,
        QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
    };
    return std::any_of(std::begin(kHarmless), std::end(kHarmless),
                       [event](QKeySequence::StandardKey key) { return event->matches(key); });
}

} // namespace

int legacyKeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        || qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return kKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyReturn;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return kKeyDelete;
    default: return qtKey;
    }
}

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    installRichTextBoxAccessibility();
    setAcceptRichText(false);
    // A box without focus hides its selection, so that an answer coloured as
    // a whole shows its colour rather than the highlight.
    QPalette colours = palette();
    for (const auto group : {QPalette::Inactive, QPalette::Disabled}) {
        colours.setBrush(group, QPalette::Highlight, QBrush(Qt::transparent));
        colours.setBrush(group, QPalette::HighlightedText, QBrush(Qt::NoBrush));
    }
    setPalette(colours);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { pending = QTextCharFormat(); });
}

QString RichTextBox::text() const
{
    QString text = document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\r';
    }
    return text;
}

void RichTextBox::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    // The document's own setPlainText, not QTextEdit's: the latter would
    // give the new text the attributes of the old caret.
    document()->setPlainText(plain);
    setTextCursor(QTextCursor(document()));
    pending = QTextCharFormat();
}

int RichTextBox::length() const
{
    return std::max(0, document()->characterCount() - 1);
}

int RichTextBox::selStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, length()));
    setTextCursor(cursor);
    pending = QTextCharFormat();
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(start + std::clamp(length, 0, this->length() - start), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    pending = QTextCharFormat();
}

QString RichTextBox::selText() const
{
    return text().mid(selStart(), selLength());
}

void RichTextBox::setSelColor(const QColor &color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeSelectionFormat(format);
}

QColor RichTextBox::selColor() const
{
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return colorAt(cursor.selectionStart());
    QTextCharFormat format = cursor.charFormat();
    format.merge(pending);
    return colorOf(format);
}

void RichTextBox::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(format);
}

bool RichTextBox::selBold() const
{
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return boldAt(cursor.selectionStart());
    QTextCharFormat format = cursor.charFormat();
    format.merge(pending);
    return format.fontWeight() >= QFont::DemiBold;
}

QColor RichTextBox::colorAt(int position) const
{
    return colorOf(formatAt(position));
}

bool RichTextBox::boldAt(int position) const
{
    return formatAt(position).fontWeight() >= QFont::DemiBold;
}

void RichTextBox::setTypingOnly(bool on)
{
    typingOnly = on;
    setUndoRedoEnabled(!on);
    setTabChangesFocus(on);
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    // Only a receiver can swallow a key: a key without a code of its own
    // (0) goes on when nothing listens.
    static const QMetaMethod keyDownSignal = QMetaMethod::fromSignal(&RichTextBox::keyDown);
    if (isSignalConnected(keyDownSignal)) {
        int code = legacyKeyCode(event->key());
        Q_EMIT keyDown(code, event->modifiers());
        if (code == 0) {
            event->accept();
            return;
        }
    }
    const QString typed = event->text();
    const bool command = event->modifiers().testFlag(Qt::ControlModifier)
        && !event->modifiers().testFlag(Qt::AltModifier);
    const bool printable = !typed.isEmpty()
        && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
    if (!printable || command || isReadOnly()) {
        // Editing keys and shortcuts go on to the window, unused.
        if (typingOnly && !leavesTextAlone(event)) {
            event->ignore();
            return;
        }
        QTextEdit::keyPressEvent(event);
        return;
    }
    for (QChar c : typed) {
        Q_EMIT keyPress(c);
        if (!c.isNull())
            typeCharacter(c);
    }
    event->accept();
}

void RichTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed characters go the way of typed ones; the composition itself
    // is left to the editor. A read-only box takes none (Qt's editor would).
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    const QString committed = event->commitString();
    if (committed.isEmpty() && !typingOnly) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    // Typing only, a composition replaces no text around the caret, and its
    // start does not wipe out the selection.
    if (typingOnly && !event->preeditString().isEmpty() && textCursor().hasSelection()) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
    }
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QTextEdit::inputMethodEvent(&rest);
    for (QChar c : committed) {
        Q_EMIT keyPress(c);
        if (!c.isNull())
            typeCharacter(c);
    }
    event->accept();
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    // A press on the selection would start dragging it, and a drag moved out
    // of a typing-only box cuts its text: there the press starts a new selection.
    if (typingOnly && event->button() == Qt::LeftButton && !event->modifiers().testFlag(Qt::ShiftModifier)) {
        QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (!typingOnly || isReadOnly()) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    // The read-only menu: copying and selecting, nothing that edits.
    QMenu *menu = createStandardContextMenu();
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        const QString name = action->objectName();
        if (name != u"edit-copy" && name != u"select-all" && name != u"link-copy")
            menu->removeAction(action);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return !typingOnly && !isReadOnly() && QTextEdit::canInsertFromMimeData(source);
}

// Every paste, drop and middle click ends here.
void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (typingOnly || isReadOnly())
        return;
    QTextEdit::insertFromMimeData(source);
}

void RichTextBox::typeCharacter(QChar character)
{
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.hasSelection() ? formatAt(cursor.selectionStart()) : cursor.charFormat();
    if (!cursor.hasSelection())
        format.merge(pending);
    format.clearProperty(QTextFormat::ObjectType);
    cursor.insertText(QString(character), format);
    setTextCursor(cursor);
    pending = QTextCharFormat();
    ensureCursorVisible();
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
    } else {
        pending.merge(format);
    }
}

QTextCharFormat RichTextBox::formatAt(int position) const
{
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(position + 1, 0, length()));
    return cursor.charFormat();
}

QColor RichTextBox::colorOf(const QTextCharFormat &format) const
{
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return palette().color(QPalette::Text);
}

} // namespace ui
