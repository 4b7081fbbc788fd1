// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The question on show in the test window, without its widgets: what its
// file says, what the pupil has done to it since it was shown, and how that
// is judged. The window fills it from its controls' events, books what
// judgement() returns and shows what the decision functions below say.

#include "testsession.h"

#include "bank/question.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>

namespace player {

// A verdict to book: every answer type and the give-up path end in one.
struct Judgement {
    bool right = false;
    std::optional<QString> given; // the transcript's answer; none for a point
    int chosen = -1;              // the option chosen, kept to show it again
    bool sound = true;            // a given-up typed answer has no sound
};

// One judging function per type. None: nothing to judge yet.
std::optional<Judgement> judgeMultipleChoice(int chosen, const QString &caption);
Judgement judgeGivenUp();
Judgement judgeTypedAnswer(const TypedAnswer &typed);
std::optional<Judgement> judgeGraphicPoint(bool marked, bool targetInMarkedRegion);
std::optional<Judgement> judgeReadingWord(const QString &word, const QString &expected);
// `trueWord`, `falseWord`: the buttons' words, written as the answer given.
std::optional<Judgement> judgeTrueFalse(std::optional<bool> choice, bool truth, const QString &trueWord,
                                        const QString &falseWord);

struct ShownQuestion {
    bank::QuestionType questionType = bank::QuestionType::None;
    int row = 0; // in the list of the test on show

    // From its file.
    QString expectedAnswer; // typed answer or reading word
    double targetX = 0, targetY = 0; // the stored point of a graphic
    bool trueFalseAnswer = false;

    // The pupil's moves on it.
    int chosenOption = -1;          // the option label chosen, none yet
    QString chosenCaption;          // its caption, as shown
    std::optional<bool> trueFalseChoice;
    bool graphicMarked = false;     // the pupil clicked the graphic
    bool targetInMarkedRegion = false; // and the click filled the target's region
    double markX = 0;               // where, as the click came
    int markY = 0;
    QString word;                   // the reading word chosen

    // A choice made on another question is not this one's.
    void clearMoves();
    // The judgement of the confirm button for the type on show; none while
    // there is nothing to judge. A typed answer confirmed is given up.
    std::optional<Judgement> judgement(const QString &trueWord, const QString &falseWord) const;
};

// The file a multiple-choice question names on its last line, which the
// attachment viewer shows; an empty name, none.
struct Attachment {
    QString name;
    bool isPicture = false;
};

// How an answer frame shows a verdict: the confirm button's colour, whether
// the button and the frame still take answers, the colour of the answer.
struct VerdictLook {
    QColor confirm;
    QColor answer;
    bool open = false;
};
VerdictLook verdictLook(Verdict verdict);

// The captions of the eight option labels of a multiple-choice question in
// label order, from its option lines (the attachment's name last): each
// shown one numbered in the drawn order, "2. Roma".
struct ChoiceOptions {
    std::array<QString, 8> captions;
    std::array<bool, 8> shown{};
    int count = 0;              // labels filled from the file
    int attachment = -1;        // the label holding the attachment's name, hidden
    bool attachmentIsPicture = false;
};
ChoiceOptions choiceOptions(const bank::Question &question, const std::array<int, 8> &order);

} // namespace player
