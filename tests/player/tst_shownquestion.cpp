// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/shownquestion.h"

#include <QTest>

using bank::QuestionType;
using player::ShownQuestion;

Q_DECLARE_METATYPE(bank::QuestionType)

namespace {

// "R given", "W given", "W -" (no answer written), or "none": what the
// confirm button books; " #n" adds the option kept, " quiet" a booking
// without sound.
QString describe(const std::optional<player::Judgement> &j)
{
    if (!j)
        return QStringLiteral("none");
    QString text = (j->right ? QStringLiteral("R ") : QStringLiteral("W ")) + j->given.value_or(QStringLiteral("-"));
    if (j->chosen >= 0)
        text += QStringLiteral(" #%1").arg(j->chosen);
    if (!j->sound)
        text += QStringLiteral(" quiet");
    return text;
}

} // namespace

class TstShownQuestion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The pupil's moves on the question on show -> what the confirm button
    // books. A move: "option N caption", "true", "false", "mark in",
    // "mark out", "word W".
    void judgement_data()
    {
        QTest::addColumn<QuestionType>("type");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("booked");

        QTest::newRow("choice, nothing chosen") << QuestionType::MultipleChoice << QStringList{} << "none";
        QTest::newRow("choice, the right one") << QuestionType::MultipleChoice << QStringList{"option 2 3. París "}
                                               << "R París  #2";
        QTest::newRow("choice, a wrong one") << QuestionType::MultipleChoice << QStringList{"option 0 1. Roma"}
                                             << "W Roma #0";
        QTest::newRow("written, confirmed is given up") << QuestionType::WrittenAnswer << QStringList{}
                                                        << "W ??? quiet";
        QTest::newRow("picture, confirmed is given up") << QuestionType::PictureAnswer << QStringList{"true"}
                                                        << "W ??? quiet";
        QTest::newRow("graphic, not marked") << QuestionType::GraphicPoint << QStringList{} << "none";
        QTest::newRow("graphic, marked in the target's region") << QuestionType::GraphicPoint
                                                                << QStringList{"mark in"} << "R -";
        QTest::newRow("graphic, marked elsewhere") << QuestionType::GraphicPoint << QStringList{"mark out"} << "W -";
        QTest::newRow("reading, no word") << QuestionType::ReadingWord << QStringList{} << "none";
        QTest::newRow("reading, the word with its comma") << QuestionType::ReadingWord
                                                          << QStringList{"word gos,"} << "R gos";
        QTest::newRow("reading, another word") << QuestionType::ReadingWord << QStringList{"word gat"} << "W ???";
        QTest::newRow("true/false, nothing pressed") << QuestionType::TrueFalse << QStringList{} << "none";
        QTest::newRow("true/false, right") << QuestionType::TrueFalse << QStringList{"true"} << "R SÍ";
        QTest::newRow("true/false, changed to wrong") << QuestionType::TrueFalse << QStringList{"true", "false"}
                                                      << "W NO";
        QTest::newRow("no type on show") << QuestionType::None << QStringList{"option 1 2. x "} << "none";
    }
    void judgement()
    {
        QFETCH(QuestionType, type);
        QFETCH(QStringList, moves);
        QFETCH(QString, booked);
        ShownQuestion shown;
        shown.questionType = type;
        shown.expectedAnswer = QStringLiteral("gos");
        shown.trueFalseAnswer = true;
        for (const QString &move : moves) {
            if (move.startsWith(u"option ")) {
                shown.chosenOption = move.mid(7, 1).toInt();
                shown.chosenCaption = move.mid(9);
            } else if (move == u"true" || move == u"false") {
                shown.trueFalseChoice = move == u"true";
            } else if (move.startsWith(u"mark ")) {
                shown.graphicMarked = true;
                shown.targetInMarkedRegion = move.endsWith(u"in");
            } else if (move.startsWith(u"word ")) {
                shown.word = move.mid(5);
            }
        }
        QCOMPARE(describe(shown.judgement(QStringLiteral("SÍ"), QStringLiteral("NO"))), booked);
        // Showing another question forgets the moves.
        shown.clearMoves();
        if (type != QuestionType::WrittenAnswer && type != QuestionType::PictureAnswer && type != QuestionType::ReadingWord)
            QCOMPARE(describe(shown.judgement(QStringLiteral("SÍ"), QStringLiteral("NO"))), QStringLiteral("none"));
    }

    // A typed answer complete: right with at most one corrected letter.
    void typedAnswer_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("booked");
        QTest::newRow("no slip") << "casa" << "R casa";
        QTest::newRow("one letter corrected") << "cxasa" << "R casa";
        QTest::newRow("two letters corrected") << "cxaxsa" << "W ???";
    }
    void typedAnswer()
    {
        QFETCH(QString, typed);
        QFETCH(QString, booked);
        player::TypedAnswer answer;
        answer.start(QStringLiteral("casa"));
        for (const QChar c : typed)
            answer.type(c);
        QCOMPARE(describe(player::judgeTypedAnswer(answer)), booked);
    }

    // The option lines of a question and the drawn order -> the captions of
    // the eight labels ("-" for one hidden) and the attachment's label.
    void choiceOptions_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("attachment");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<int>("attachmentLabel");
        QTest::addColumn<bool>("picture");
        const QStringList three{"Roma", "París ", "Oslo"};
        QTest::newRow("three, no attachment") << three << QString() << "3. Roma|1. París |2. Oslo|-|-|-|-|-" << -1
                                              << false;
        QTest::newRow("three and a map") << three << "Mapa.JPG" << "3. Roma|1. París |2. Oslo|-|-|-|-|-" << 3 << true;
        QTest::newRow("two and a text") << QStringList{"a ", "b"} << "conte.txt" << "2. a |1. b|-|-|-|-|-|-" << 2
                                        << false;
        QTest::newRow("eight") << QStringList{"a", "b", "c", "d", "e", "f", "g", "h "} << QString()
                               << "7. a|2. b|3. c|5. d|4. e|8. f|6. g|1. h " << -1 << false;
    }
    void choiceOptions()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, attachment);
        QFETCH(QString, captions);
        QFETCH(int, attachmentLabel);
        QFETCH(bool, picture);
        bank::Question q;
        q.options = options;
        q.attachment = attachment;
        const player::ChoiceOptions shown = player::choiceOptions(q, {7, 1, 2, 4, 3, 6, 0, 5});
        QStringList got;
        for (int i = 0; i < 8; ++i)
            got.append(shown.shown[i] ? shown.captions[i] : QStringLiteral("-"));
        QCOMPARE(got.join(u'|'), captions);
        QCOMPARE(shown.attachment, attachmentLabel);
        QCOMPARE(shown.attachmentIsPicture, picture);
        if (attachmentLabel >= 0)
            QCOMPARE(shown.captions[attachmentLabel], attachment);
    }
};

QTEST_GUILESS_MAIN(TstShownQuestion)
#include "tst_shownquestion.moc"
