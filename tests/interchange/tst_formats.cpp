// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three readers on the formats' own kinds of example: each case gives
// the questions expected, written in one line each, or the kind of question
// the summary counts as not carried.

#include "interchange/interchange.h"

#include <QtTest>

using namespace interchange;

namespace {

// "type|author|statement|options or answer|category", or "no:kind".
QStringList described(const Parsed &parsed)
{
    QStringList out;
    for (const Item &item : parsed.items) {
        const bank::Question &q = item.question;
        QString what;
        switch (q.type) {
        case bank::QuestionType::MultipleChoice:
            what = q.options.join(u';') + (q.attachment.isEmpty() ? QString() : u'@' + q.attachment);
            break;
        case bank::QuestionType::TrueFalse:
            what = q.isTrue ? QStringLiteral("VERDADERO") : QStringLiteral("FALSO");
            break;
        case bank::QuestionType::PictureAnswer:
            what = q.answer + u'@' + q.fileName;
            break;
        default:
            what = q.answer;
        }
        out << QStringLiteral("%1|%2|%3|%4|%5").arg(bank::typeCode(q.type)).arg(q.author, q.statement, what, item.category.join(u'/'));
    }
    for (const Skipped &s : parsed.skipped)
        out << QStringLiteral("no:") + s.kind;
    return out;
}

QByteArray quiz(const char *questions)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n") + questions + "\n</quiz>\n";
}

} // namespace

class TstFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gift_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("feedback");
        QTest::newRow("multiple choice") << "Who's buried in Grant's tomb?{~Grant ~Jefferson =no one}"
            << QStringList{"1||Who's buried in Grant's tomb?|Grant;Jefferson;no one |"} << false;
        QTest::newRow("missing word") << "Grant is {~buried =entombed ~living} in Grant's tomb."
            << QStringList{"1||Grant is _____ in Grant's tomb.|buried;entombed ;living|"} << false;
        QTest::newRow("true") << "The sun rises in the east.{T}" << QStringList{"6||The sun rises in the east.|VERDADERO|"} << false;
        QTest::newRow("false, long form, feedback") << "// comment\n::Q2:: Grant is buried in Grant's tomb.{FALSE#No one is.}"
            << QStringList{"6|Q2|Grant is buried in Grant's tomb.|FALSO|"} << true;
        QTest::newRow("short answer, first right one") << "Who's buried in Grant's tomb?{=no one =nobody}"
            << QStringList{"2||Who's buried in Grant's tomb?|no one|"} << false;
        QTest::newRow("escapes") << "Which answer equals 5? {~ \\= 2 + 2 =\\= 2 + 3 ~\\= 2 \\{+\\} 4}"
            << QStringList{"1||Which answer equals 5?|= 2 + 2;= 2 + 3 ;= 2 {+} 4|"} << false;
        QTest::newRow("category, then blank lines") << "$CATEGORY: $course$/Iota/Kappa\n\n\n::A::Q? {T}\n\n::B::R? {F}"
            << QStringList{"6|A|Q?|VERDADERO|Iota/Kappa", "6|B|R?|FALSO|Iota/Kappa"} << false;
        QTest::newRow("html, entities, paragraphs") << "[html]<p>Qu&egrave; &eacute;s <b>H<sub>2</sub>O</b>?</p>\n<p>Tria&nbsp;una.</p>{=aigua ~sal}"
            << QStringList{"1||Què és H2O? Tria una.|aigua ;sal|"} << false;
        QTest::newRow("markdown") << "[markdown]**Bold** and *it*{T}" << QStringList{"6||Bold and it|VERDADERO|"} << false;
        QTest::newRow("numerical") << "When was Grant born?{#1822:5}" << QStringList{"no:numèrica"} << false;
        QTest::newRow("matching") << "Match. {=Canada -> Ottawa =Italy -> Rome}" << QStringList{"no:d'aparellar"} << false;
        QTest::newRow("two right, weights") << "Who? {~%-100%No one ~%50%Grant ~%50%Grant's wife}"
            << QStringList{"no:amb dues respostes correctes"} << false;
        QTest::newRow("partial credit") << "Who? {=A ~%50%B ~C}" << QStringList{"no:amb dues respostes correctes"} << false;
        QTest::newRow("essay") << "Write a short biography. {}" << QStringList{"no:de redacció"} << false;
        QTest::newRow("description") << "Just some text." << QStringList{"no:descripció"} << false;
        QTest::newRow("unterminated brace, next question kept") << "Broken {=a ~b\n\nFine? {T}"
            << QStringList{"6||Fine?|VERDADERO|", "no:mal escrites"} << false;
        QTest::newRow("nine options") << "Q? {=1 ~2 ~3 ~4 ~5 ~6 ~7 ~8 ~9}" << QStringList{"no:amb més de 8 opcions"} << false;
        QTest::newRow("no right option") << "Q? {~1 ~2}" << QStringList{"no:sense resposta correcta"} << false;
        QTest::newRow("two gaps") << "A {=a ~b} and {=c ~d}" << QStringList{"no:amb més d'un buit"} << false;
        QTest::newRow("attachment by name") << "[html]Q? <img src=\"Mapa.JPG\"> {=a ~b}"
            << QStringList{"1||Q?|a ;b@Mapa.JPG|"} << false;
    }
    void gift()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QFETCH(bool, feedback);
        const Parsed parsed = parseGift(text);
        QCOMPARE(described(parsed), expected);
        QCOMPARE(parsed.feedbackDropped, feedback);
    }

    void moodleXml_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("multichoice after a category") << quiz(
            "<question type=\"category\"><category><text>$course$/top/Iota</text></category></question>"
            "<question type=\"multichoice\"><name><text>Q1</text></name>"
            "<questiontext format=\"html\"><text><![CDATA[<p>Capital of <i>France</i>?</p>]]></text></questiontext>"
            "<single>true</single><answer fraction=\"0\"><text>Rome</text></answer>"
            "<answer fraction=\"100\"><text>Paris</text><feedback><text>Yes</text></feedback></answer></question>")
            << QStringList{"1|Q1|Capital of France?|Rome;Paris |Iota"};
        QTest::newRow("truefalse") << quiz(
            "<question type=\"truefalse\"><name><text>T</text></name><questiontext format=\"plain_text\"><text>Sky  is blue</text></questiontext>"
            "<answer fraction=\"0\"><text>true</text></answer><answer fraction=\"100\"><text>false</text></answer></question>")
            << QStringList{"6|T|Sky  is blue|FALSO|"};
        QTest::newRow("shortanswer, first full answer") << quiz(
            "<question type=\"shortanswer\"><name><text>S</text></name><questiontext><text>2+2?</text></questiontext>"
            "<answer fraction=\"100\"><text>four</text></answer><answer fraction=\"100\"><text>4</text></answer></question>")
            << QStringList{"2|S|2+2?|four|"};
        QTest::newRow("shortanswer about a picture") << quiz(
            "<question type=\"shortanswer\"><name><text>P</text></name><questiontext format=\"html\">"
            "<text><![CDATA[<p>What?</p><img src=\"@@PLUGINFILE@@/a%20b.gif\">]]></text>"
            "<file name=\"a b.gif\" path=\"/\" encoding=\"base64\">R0lGODlhAQABAAAAACw=</file></questiontext>"
            "<answer fraction=\"100\"><text>cat</text></answer></question>")
            << QStringList{"3|P|What?|cat@a b.gif|"};
        QTest::newRow("kinds not carried") << quiz(
            "<question type=\"matching\"><name><text>M</text></name></question>"
            "<question type=\"numerical\"><name><text>N</text></name></question>"
            "<question type=\"essay\"><name><text>E</text></name></question>"
            "<question type=\"cloze\"><name><text>C</text></name></question>"
            "<question type=\"multichoice\"><name><text>D</text></name><questiontext><text>Q</text></questiontext><single>false</single>"
            "<answer fraction=\"50\"><text>a</text></answer><answer fraction=\"50\"><text>b</text></answer>"
            "<answer fraction=\"-100\"><text>c</text></answer></question>")
            << QStringList{"no:d'aparellar", "no:numèrica", "no:de redacció", "no:de tipus «cloze»", "no:amb dues respostes correctes"};
        QTest::newRow("picture that does not decode") << quiz(
            "<question type=\"multichoice\"><name><text>B</text></name><questiontext format=\"html\">"
            "<text><![CDATA[Q<img src=\"@@PLUGINFILE@@/x.gif\">]]></text><file name=\"x.gif\" encoding=\"base64\">@@not base64@@</file>"
            "</questiontext><answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer></question>")
            << QStringList{"no:amb una imatge que no es pot portar"};
    }
    void moodleXml()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, expected);
        const Parsed parsed = parseMoodleXml(xml);
        QCOMPARE(parsed.failure, QString());
        QCOMPARE(described(parsed), expected);
    }

    void badXml_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("failure");
        QTest::newRow("billion laughs") << QByteArray(
            "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
            "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
            "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>"
            "<quiz><question type=\"truefalse\"><name><text>&lol3;</text></name></question></quiz>")
            << "DOCTYPE";
        QTest::newRow("not a quiz") << QByteArray("<html><body/></html>") << "<quiz>";
        QTest::newRow("cut short") << quiz("<question type=\"truefalse\"><name><text>x</text>").left(90) << "XML mal format";
        QTest::newRow("nested deep") << QByteArray("<quiz><question>") + QByteArray("<a>").repeated(100) << "XML mal format";
    }
    void badXml()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, failure);
        const Parsed parsed = parseMoodleXml(xml);
        QVERIFY2(parsed.failure.contains(failure), qPrintable(parsed.failure));
        QVERIFY(parsed.items.isEmpty());
    }

    void aiken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two questions") << "Is this a question?\nA. Yes\nB. No\nANSWER: A\n\n"
                                          "Which LMS has the most users?\r\nA) Moodle\r\nB) ATutor\r\nC) Claroline\r\nANSWER: A\r\n"
            << QStringList{"1||Is this a question?|Yes ;No|", "1||Which LMS has the most users?|Moodle ;ATutor;Claroline|"};
        QTest::newRow("answer not an option") << "Q?\nA. x\nB. y\nANSWER: D\n" << QStringList{"no:mal escrites"};
        QTest::newRow("no answer line") << "Q?\nA. x\nB. y\n\nR?\nA. x\nB. y\nANSWER: B"
            << QStringList{"1||R?|x;y |", "no:mal escrites"};
    }
    void aiken()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(described(parseAiken(text)), expected);
    }

    void detect_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::newRow("xml named .txt") << QByteArray("\xEF\xBB\xBF  <?xml version=\"1.0\"?><quiz/>") << "a.txt" << int(Format::MoodleXml);
        QTest::newRow("gift named .txt") << QByteArray("Q{T}") << "a.txt" << int(Format::Gift);
        QTest::newRow("aiken") << QByteArray("Q\nA. a\nB. b\nANSWER: B\n") << "a.gift" << int(Format::Aiken);
        QTest::newRow("plain text") << QByteArray("hello") << "a.txt" << int(Format::Unknown);
        QTest::newRow("by extension") << QByteArray("hello") << "a.gift" << int(Format::Gift);
    }
    void detect()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, format);
        QCOMPARE(int(detectFormat(bytes, name)), format);
    }

    void html_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("line breaks") << "a<br/>b\n  c<p>d</p>" << "a b c d" << QStringList{};
        QTest::newRow("a lone <") << "3 < 5 &amp; 2 &lt; 4" << "3 < 5 & 2 < 4" << QStringList{};
        QTest::newRow("numeric entities, unknown kept") << "&#224;&#xE9; &bogus; &" << "àé &bogus; &" << QStringList{};
        QTest::newRow("spaces kept, script dropped") << "a  b<script>x()</script><!-- c -->" << "a  b" << QStringList{};
        QTest::newRow("file link dropped with its words") << "Read <a href=\"@@PLUGINFILE@@/po%20ema.txt\">po ema.txt</a> now"
            << "Read  now" << QStringList{"po ema.txt"};
        QTest::newRow("web link kept") << "<a href=\"http://x\">site</a>" << "site" << QStringList{};
    }
    void html()
    {
        QFETCH(QString, html);
        QFETCH(QString, plain);
        QFETCH(QStringList, files);
        QStringList found;
        QCOMPARE(htmlToPlain(html, &found), plain);
        QCOMPARE(found, files);
    }

    // What the writers put out reads back as the same fields.
    void plainThroughHtml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup characters") << "a<b & c>d \"q\"";
        QTest::newRow("double spaces and a tab") << "a  b\tc";
        QTest::newRow("entity-like text") << "&amp; &#65;";
    }
    void plainThroughHtml()
    {
        QFETCH(QString, text);
        QCOMPARE(htmlToPlain(plainToHtml(text)), text);
        bank::Question q;
        q.type = bank::QuestionType::WrittenAnswer;
        q.author = text;
        q.statement = text;
        q.answer = text;
        const Parsed parsed = parseGift(QString::fromUtf8(writeGift({Exported{q, {}, {}, {}}})));
        QCOMPARE(parsed.items.size(), 1);
        QCOMPARE(parsed.items[0].question, q);
        const Parsed xml = parseMoodleXml(writeMoodleXml({Exported{q, {QStringLiteral("A b")}, {}, {}}}));
        QCOMPARE(xml.items.size(), 1);
        QCOMPARE(xml.items[0].question, q);
        QCOMPARE(xml.items[0].category, QStringList{QStringLiteral("A b")});
    }
};

QTEST_GUILESS_MAIN(TstFormats)
#include "tst_formats.moc"
