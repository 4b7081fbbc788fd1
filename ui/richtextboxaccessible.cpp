// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive tools see of a RichTextBox. Qt's own accessible text edit
// inserts, deletes and replaces text through the document whatever the box
// allows (an on-screen keyboard's word completion wrote into the read-only
// transcript, from which the report is written): this one reads the same
// text, and edits only a box open to editing.

#include "richtextbox.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace ui {

namespace {

class RichTextBoxAccessible : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface
{
public:
    explicit RichTextBoxAccessible(RichTextBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    RichTextBox *box() const { return static_cast<RichTextBox *>(widget()); }
    // Keys typed at the box stay its only way in when it is read-only or
    // typing-only.
    bool editable() const { return !box()->isReadOnly() && !box()->isTypingOnly(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && editable())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectableText = true;
        s.multiLine = true;
        s.editable = editable();
        s.readOnly = !editable();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->document()->toPlainText();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (editable())
            box()->setText(text);
    }

    // Reading.
    QTextCursor range(int start, int end) const
    {
        QTextCursor cursor(box()->document());
        const int last = characterCount();
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return cursor;
    }
    QString text(int start, int end) const override
    {
        return range(start, end).selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override
    {
        QTextCursor cursor(box()->document());
        cursor.movePosition(QTextCursor::End);
        return cursor.position();
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        box()->setTextCursor(cursor);
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = box()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setTextCursor(range(start, end));
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override
    {
        const QRect caret = box()->cursorRect(range(offset, offset));
        return QRect(box()->viewport()->mapToGlobal(caret.topLeft()), caret.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setTextCursor(range(start, end));
        box()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return QString();
    }

    // Editing, for a box open to it.
    void deleteText(int start, int end) override
    {
        if (editable())
            range(start, end).removeSelectedText();
    }
    void insertText(int offset, const QString &text) override
    {
        if (editable())
            range(offset, offset).insertText(text);
    }
    void replaceText(int start, int end, const QString &text) override
    {
        if (editable())
            range(start, end).insertText(text);
    }
};

QAccessibleInterface *richTextBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(RichTextBox::staticMetaObject.className()))
        return new RichTextBoxAccessible(static_cast<RichTextBox *>(object));
    return nullptr;
}

} // namespace

void installRichTextBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(richTextBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
