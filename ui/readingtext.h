#pragma once

#include <QPlainTextEdit>

namespace ui {

// A reading text whose clicked word is taken: the pupil's answer to a
// reading-word question, and the word a teacher picks as its answer. When a
// mouse button is released over the text, the word at the caret (the rule of
// bank::wordRangeAt) is selected and given by wordTaken, so both programs
// take the same word for the same click. The text is read-only, yet can be
// selected and copied; an empty text gives no word.
class ReadingText : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ReadingText(QWidget *parent = nullptr);

    // Selects the word at the caret and gives it by wordTaken, as a click
    // there does.
    void takeWordAtCaret();

Q_SIGNALS:
    void wordTaken(const QString &word);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace ui
