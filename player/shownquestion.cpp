// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownquestion.h"

#include "ui/controls.h"

namespace player {

std::optional<Judgement> judgeMultipleChoice(int chosen, const QString &caption)
{
    if (chosen < 0 || chosen > 7)
        return std::nullopt;
    // The caption as shown, "2. Roma ": the number is not the answer.
    return Judgement{bank::isCorrectOption(caption), caption.mid(3), chosen};
}

Judgement judgeGivenUp()
{
    return Judgement{false, QStringLiteral("???"), -1, false};
}

Judgement judgeTypedAnswer(const TypedAnswer &typed)
{
    const bool right = typed.isRight();
    return Judgement{right, right ? typed.expected() : QStringLiteral("???")};
}

std::optional<Judgement> judgeGraphicPoint(bool marked, bool targetInMarkedRegion)
{
    if (!marked)
        return std::nullopt;
    return Judgement{targetInMarkedRegion, std::nullopt};
}

std::optional<Judgement> judgeReadingWord(const QString &word, const QString &expected)
{
    if (word.isEmpty())
        return std::nullopt;
    const bool right = isRightWord(word, expected);
    return Judgement{right, right ? expected : QStringLiteral("???")};
}

std::optional<Judgement> judgeTrueFalse(std::optional<bool> choice, bool truth, const QString &trueWord,
                                        const QString &falseWord)
{
    if (!choice)
        return std::nullopt;
    return Judgement{*choice == truth, *choice ? trueWord : falseWord};
}

void ShownQuestion::clearMoves()
{
    chosenOption = -1;
    chosenCaption.clear();
    trueFalseChoice.reset();
    graphicMarked = false;
}

std::optional<Judgement> ShownQuestion::judgement(const QString &trueWord, const QString &falseWord) const
{
    switch (questionType) {
    case bank::QuestionType::MultipleChoice:
        return judgeMultipleChoice(chosenOption, chosenCaption);
    case bank::QuestionType::WrittenAnswer:
    case bank::QuestionType::PictureAnswer:
        return judgeGivenUp();
    case bank::QuestionType::GraphicPoint:
        return judgeGraphicPoint(graphicMarked, targetInMarkedRegion);
    case bank::QuestionType::ReadingWord:
        return judgeReadingWord(word, expectedAnswer);
    case bank::QuestionType::TrueFalse:
        return judgeTrueFalse(trueFalseChoice, trueFalseAnswer, trueWord, falseWord);
    case bank::QuestionType::None:
        break;
    }
    return std::nullopt;
}

VerdictLook verdictLook(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return {ui::kBlue, ui::kBlue, false};
    case Verdict::Wrong:
        return {ui::kRed, ui::kRed, false};
    case Verdict::Open:
    case Verdict::Blank:
        break;
    }
    return {ui::kGreen, ui::kBlack, true};
}

ChoiceOptions choiceOptions(const bank::Question &question, const std::array<int, 8> &order)
{
    // Every line after the statement fills a label, the attachment's name
    // included; a ninth line is the file's failure, not a label.
    QStringList lines = question.options;
    if (!question.attachment.isEmpty())
        lines.append(question.attachment);
    ChoiceOptions shown;
    shown.count = static_cast<int>(std::min<qsizetype>(lines.size(), 8));
    for (int i = 0; i < shown.count; ++i) {
        shown.captions[i] = lines[i];
        shown.shown[i] = true;
    }
    if (shown.count > 0 && bank::isAttachmentName(lines[shown.count - 1])) {
        shown.attachment = shown.count - 1;
        shown.shown[shown.attachment] = false;
        shown.attachmentIsPicture = bank::isPictureAttachment(lines[shown.attachment]);
    }
    int number = 0;
    for (const int i : order) {
        if (shown.shown[i])
            shown.captions[i] = QString::number(++number) + QStringLiteral(". ") + shown.captions[i];
    }
    return shown;
}

} // namespace player
