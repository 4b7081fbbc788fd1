// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/rtfwriter.h"
#include "ui/richtextbox.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kUnrtf = QStringLiteral("/usr/bin/unrtf");
const QString kUnrtfTextConfig = QStringLiteral("/usr/share/unrtf/text.conf");

// unrtf's plain-text output truncates characters beyond Latin-1; a copy of
// its text configuration that prints them as &#N; lets the test see them.
QString unrtfPlainText(const QString &rtfPath, const QString &workFolder)
{
    QFile base(kUnrtfTextConfig);
    if (!base.open(QIODevice::ReadOnly))
        return QStringLiteral("<no unrtf configuration>");
    QFile config(workFolder + QStringLiteral("/numeric.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return QStringLiteral("<cannot write configuration>");
    config.write(base.readAll());
    config.write("\nunisymbol_print\n\t&#%;\nutf8_encoding\n\t\n");
    config.close();

    QProcess unrtf;
    unrtf.start(kUnrtf, {QStringLiteral("-P"), workFolder + QStringLiteral(":/usr/share/unrtf"),
                         QStringLiteral("-t"), QStringLiteral("numeric"), rtfPath});
    if (!unrtf.waitForFinished(20000))
        return QStringLiteral("<unrtf did not finish>");
    QString output = QString::fromUtf8(unrtf.readAllStandardOutput());

    // The body follows the line of dashes after unrtf's own comments.
    const QString marker = QStringLiteral("-----------------\n");
    const qsizetype at = output.indexOf(marker);
    if (at < 0)
        return QStringLiteral("<no body in: %1 / %2>").arg(output, QString::fromUtf8(unrtf.readAllStandardError()));
    output = output.mid(at + marker.size());

    static const QRegularExpression entity(QStringLiteral("&#(\\d+);"));
    QString text;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(output); it.hasNext();) {
        const auto match = it.next();
        text += output.mid(last, match.capturedStart() - last);
        text += QChar(char16_t(match.captured(1).toUInt()));
        last = match.capturedEnd();
    }
    text += output.mid(last);
    return text;
}

} // namespace

class TstRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBackAsSameText_data();
    void readsBackAsSameText();
    void encodesCharacters_data();
    void encodesCharacters();
    void keepsColourAndBoldPerRun();
    void oneParPerLineBreak();
};

void TstRtfWriter::readsBackAsSameText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("plain words") << "Anna";
    QTest::newRow("accented letters") << QStringLiteral("àèéíòóúç·");
    QTest::newRow("capital accented letters") << QStringLiteral("MATEMÀTIQUES - 7,50 - ( CORRECTES : 3 )");
    QTest::newRow("euro sign") << QStringLiteral("10 €");
    QTest::newRow("outside Windows-1252") << QStringLiteral("Ω ≠ ∑");
    QTest::newRow("above 0x7FFF") << QStringLiteral("한글");
    QTest::newRow("braces and backslashes") << "{a} \\b\\ }{";
    QTest::newRow("control-word look-alikes") << "\\par \\b0 \\'e0";
    QTest::newRow("several paragraphs") << "uno\rdos\rtres";
    QTest::newRow("empty paragraphs between") << "Anna\r\r\r1.- pregunta\r\r --- casa - Correcte";
    QTest::newRow("everything at once") << QStringLiteral("Joan Puig\r\r\r1.- Què és {x}?\r\r --- 5 € \\ Ω - Correcte");
}

void TstRtfWriter::readsBackAsSameText()
{
    if (!QFile::exists(kUnrtf) || !QFile::exists(kUnrtfTextConfig))
        QSKIP("unrtf is not installed");
    QFETCH(QString, text);

    ui::RichTextBox box;
    box.setText(text);
    // Colour and bold in the middle must not change the text.
    box.setSelStart(0);
    box.setSelLength(2);
    box.setSelColor(QColor(255, 0, 0));
    box.setSelBold(true);

    QTemporaryDir dir;
    const QString path = dir.filePath("report.rtf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ui::toRtf(*box.document()));
    file.close();
    QString expected = text;
    expected.replace(u'\r', u'\n');
    QCOMPARE(unrtfPlainText(path, dir.path()), expected);
}

void TstRtfWriter::encodesCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("a grave as a hex byte") << QStringLiteral("à") << QByteArray("\\'e0");
    QTest::newRow("middle dot as a hex byte") << QStringLiteral("·") << QByteArray("\\'b7");
    QTest::newRow("euro in Windows-1252") << QStringLiteral("€") << QByteArray("\\'80");
    QTest::newRow("omega as unicode") << QStringLiteral("Ω") << QByteArray("\\u937?");
    QTest::newRow("hangul as negative unicode") << QStringLiteral("한") << QByteArray("\\u-10916?");
    QTest::newRow("backslash") << "a\\b" << QByteArray("a\\\\b");
    QTest::newRow("braces") << "{}" << QByteArray("\\{\\}");
    QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
    // unrtf's text output folds runs of spaces, so they are checked here.
    QTest::newRow("two spaces kept") << "-  7,50" << QByteArray("-  7,50");
    QTest::newRow("leading space after the run's control words") << " --- casa" << QByteArray("\\cf0  --- casa");
}

void TstRtfWriter::encodesCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    QTextDocument document;
    document.setPlainText(text);
    const QByteArray rtf = ui::toRtf(document);
    QVERIFY2(rtf.contains(encoded), rtf.constData());
    // Nothing but ASCII goes into the file.
    for (char c : rtf)
        QVERIFY(uchar(c) < 0x80);
}

void TstRtfWriter::keepsColourAndBoldPerRun()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    cursor.insertText("ok ", plain);
    QTextCharFormat redBold;
    redBold.setForeground(QColor(255, 0, 0));
    redBold.setFontWeight(QFont::Bold);
    cursor.insertText("WRONG", redBold);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    cursor.insertText(" fine", blue);

    const QByteArray rtf = ui::toRtf(document);
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), rtf.constData());
    QVERIFY(rtf.contains("{\\fonttbl{\\f0"));
    QVERIFY2(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"), rtf.constData());
    QVERIFY2(QRegularExpression(QStringLiteral("\\{\\\\f0\\\\fs\\d+\\\\cf0 ok \\}"))
                 .match(QString::fromLatin1(rtf)).hasMatch(), rtf.constData());
    QVERIFY2(QRegularExpression(QStringLiteral("\\{\\\\f0\\\\fs\\d+\\\\b\\\\cf1 WRONG\\}"))
                 .match(QString::fromLatin1(rtf)).hasMatch(), rtf.constData());
    QVERIFY2(QRegularExpression(QStringLiteral("\\{\\\\f0\\\\fs\\d+\\\\cf2  fine\\}"))
                 .match(QString::fromLatin1(rtf)).hasMatch(), rtf.constData());
    QVERIFY(rtf.trimmed().endsWith('}'));
    QCOMPARE(rtf.count('{'), rtf.count('}'));
}

void TstRtfWriter::oneParPerLineBreak()
{
    ui::RichTextBox box;
    box.setText("a\r\rb\rc");
    const QByteArray rtf = ui::toRtf(*box.document());
    QCOMPARE(rtf.count("\\par\r\n"), 3);
    QCOMPARE(rtf.count("\\pard"), 4);
}

QTEST_MAIN(TstRtfWriter)
#include "tst_rtfwriter.moc"
