// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The demo's interface texts in each language, read with the player's own
// reader: every line the Catalan set has, in the same role, in bytes a
// school's Windows editor shows right.

#include "bank/languagefile.h"
#include "bank/textcodec.h"
#include "support/testsupport.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QString setFile(const QString &language, const QString &file)
{
    return testsupport::demoFolder() + QStringLiteral("/idiomes/") + language + u'/' + file;
}

QStringList readLines(const QByteArray &bytes)
{
    bank::LineReader reader = bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOnly);
    QStringList lines;
    for (QString line; reader.readLine(line);)
        lines << line;
    return lines;
}

QStringList placeholders(const QString &line)
{
    static const QRegularExpression number(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = number.globalMatch(line); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TstLanguageSets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyLineInItsRole_data();
    void everyLineInItsRole();
};

void TstLanguageSets::everyLineInItsRole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("needed"); // the lines its window reads; 0: as many as the Catalan file
    const std::pair<const char *, int> files[] = {{"inicio.txt", 3}, {"seleccion.txt", 8}, {"Principal.txt", 13},
                                                  {"ayuda.txt", 7},  {"Final.txt", 5},     {"resultats.txt", 0}};
    for (const char *language : {"ca", "es", "en"}) {
        for (const auto &[file, needed] : files)
            QTest::addRow("%s/%s", language, file) << QString::fromLatin1(language) << QString::fromLatin1(file)
                                                   << needed;
    }
}

void TstLanguageSets::everyLineInItsRole()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(int, needed);
    const QByteArray bytes = testsupport::readBytes(setFile(language, file));
    const QStringList catalan = readLines(testsupport::readBytes(setFile(QStringLiteral("ca"), file)));
    const QStringList lines = readLines(bytes);

    // Windows-1252 (what the schools' editors open), every line ended by CR LF.
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bank::decodeText(bytes), bank::decodeWindows1252(bytes));
    QVERIFY(!bank::decodeText(bytes).contains(QChar::ReplacementCharacter));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

    QCOMPARE(lines.size(), catalan.size());
    QVERIFY(lines.size() >= needed);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("line %1: «%2»").arg(i + 1).arg(lines[i]);
        QVERIFY2(!lines[i].trimmed().isEmpty(), qPrintable(where));
        // "Autor: " runs into the author's name, "COMENÇAR " keeps its margin.
        QVERIFY2(lines[i].endsWith(u' ') == catalan[i].endsWith(u' '), qPrintable(where));
        QVERIFY2(lines[i].startsWith(u' ') == catalan[i].startsWith(u' '), qPrintable(where));
        QVERIFY2(placeholders(lines[i]) == placeholders(catalan[i]), qPrintable(where));
    }

    // The help names the buttons as the test window labels them: confirm,
    // true, false (lines 7, 12 and 13 of Principal.txt).
    if (file == u"ayuda.txt") {
        const QStringList buttons = readLines(testsupport::readBytes(setFile(language, QStringLiteral("Principal.txt"))));
        const QStringList catalanButtons =
            readLines(testsupport::readBytes(setFile(QStringLiteral("ca"), QStringLiteral("Principal.txt"))));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            for (const int button : {6, 11, 12}) {
                if (catalan[i].contains(catalanButtons[button]))
                    QVERIFY2(lines[i].contains(buttons[button]),
                             qPrintable(QStringLiteral("line %1 does not name «%2»").arg(i + 1).arg(buttons[button])));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TstLanguageSets)
#include "tst_languagesets.moc"
