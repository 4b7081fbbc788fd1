// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rich-text box of the answer boxes and the transcript. Its text is read
// and written as plain text in which every line break is one CR; positions
// count characters from 0, a line break being one of them. Colour and bold
// go to the selected characters and to what is typed next at the caret.
//
// Keys reach the owner first through keyDown, with the key code of the old
// desktop keyboard API (8 backspace, 13 enter, 46 delete, letters their
// capitals); a handler that sets the code to 0 swallows the key. A printable
// character then goes to keyPress, which may change it or set it to 0, and
// only then does the box insert it, over the selection and with the
// selection's attributes.
//
// A box without the keyboard focus, or disabled, does not show its selection.
//
// Made read-only (setReadOnly) the box is the program's alone: setText and
// the attributes still work, while nothing the user does (keys, paste, drop,
// the context menu, an input method) changes the text. A typing-only box
// (setTypingOnly) changes only by characters typed or composed at the
// keyboard, each through keyPress: nothing is pasted, dropped, cut, deleted
// or undone, no editing key or shortcut works and Tab moves the focus. In
// both the caret can move and the text be selected and copied. Assistive
// tools read the text and edit it only where the user may.

#include <QChar>
#include <QColor>
#include <QTextCharFormat>
#include <QTextEdit>

namespace ui {

inline constexpr int kKeyBack = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyDelete = 46;

// The old key code of a Qt key; keys without one keep their Qt value.
int legacyKeyCode(int qtKey);

// The boxes' own accessible interface; the constructor installs it.
void installRichTextBoxAccessibility();

class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The content as plain text, each line break one CR. Setting it replaces
    // content and attributes; CR LF, CR and LF each make one line break.
    QString text() const;
    void setText(const QString &text);
    int length() const;

    // Setting the start puts the caret there with nothing selected.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;

    void setSelColor(const QColor &color);
    QColor selColor() const;
    void setSelBold(bool bold);
    bool selBold() const;

    // The appearance of the character at a 0-based position.
    QColor colorAt(int position) const;
    bool boldAt(int position) const;

    void setTypingOnly(bool on);
    bool isTypingOnly() const { return typingOnly; }

Q_SIGNALS:
    // Emitted before the box handles the key; connections must be direct, as
    // receivers change the code or the character in place.
    void keyDown(int &keyCode, Qt::KeyboardModifiers shift);
    void keyPress(QChar &character);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void typeCharacter(QChar character);
    void mergeSelectionFormat(const QTextCharFormat &format);
    QTextCharFormat formatAt(int position) const;
    QColor colorOf(const QTextCharFormat &format) const;

    // Attributes given while nothing was selected; they hold for the next
    // character typed at that caret and are dropped when the caret moves.
    QTextCharFormat pending;
    bool typingOnly = false;
};

} // namespace ui
