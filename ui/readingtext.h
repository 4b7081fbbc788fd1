// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

namespace ui {

// A reading text whose clicked word is taken: the pupil's answer to a
// reading-word question, and the word a teacher picks as its answer. When a
// mouse button is released over the text, the word at the caret (the rule of
// bank::wordRangeAt) is selected and given by wordTaken, so both programs
// take the same word for the same click. The text is read-only, yet can be
// selected and copied; an empty text gives no word.
//
// From the keyboard the caret goes word by word: Left and Right (with or
// without Ctrl) to the previous or next word, Up and Down a line, then onto
// the word there; the word at the caret shows selected. Space or Enter takes
// it, as a click on it would. Tab leaves the text.
class ReadingText : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReadingText(QWidget *parent = nullptr);

    // Selects the word at the caret and gives it by wordTaken, as a click
    // there does.
    void takeWordAtCaret();

    // Puts the caret on the next (`step` 1) or previous (-1) word and
    // selects it; false when there is none that way.
    bool moveToWord(int step);

Q_SIGNALS:
    void wordTaken(const QString &word);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void selectWordAt(int position);
};

} // namespace ui
