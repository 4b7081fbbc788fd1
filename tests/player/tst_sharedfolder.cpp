// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A program folder shared by a whole class: many quiz players finishing at
// the same moment, and two editors saving into one bank folder at once.
// Real processes (tests/drivers: autoplay, autoedit) with real windows
// offscreen, released together so that their writes collide.

#include "sessionfixture.h"

#include "bank/question.h"
#include "bank/sessionrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>
#include <vector>

namespace {

QString driver(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QString::fromLatin1(name);
}

// Starts every process, waits until each has said "ready", then creates
// `go` so that all of them carry on at once. Fails the test when one does
// not start or not get ready in time.
void releaseTogether(std::vector<std::unique_ptr<QProcess>> &processes, const QString &go)
{
    QElapsedTimer clock;
    clock.start();
    for (auto &process : processes) {
        const QString who = process->arguments().join(u' ');
        QVERIFY2(process->waitForStarted(30000), qPrintable(who + u' ' + process->errorString()));
        QByteArray said;
        while (!said.contains("ready")) {
            const int left = int(std::max<qint64>(1, 90000 - clock.elapsed()));
            QVERIFY2(process->waitForReadyRead(left),
                     qPrintable(who + QStringLiteral(": not ready: ") + process->readAllStandardError()));
            said += process->readAllStandardOutput();
        }
    }
    QFile flag(go);
    QVERIFY(flag.open(QIODevice::WriteOnly));
    flag.close();
}

void waitAll(std::vector<std::unique_ptr<QProcess>> &processes)
{
    for (auto &process : processes) {
        QVERIFY2(process->waitForFinished(90000), qPrintable(process->arguments().join(u' ')));
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                 qPrintable(process->arguments().join(u' ') + QStringLiteral(": ")
                            + process->readAllStandardError()));
    }
}

} // namespace

class TstSharedFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thirtyPlayersFinishingTogetherKeepEveryReport_data() { bothWaysOfCreating(); }
    void thirtyPlayersFinishingTogetherKeepEveryReport();
    void twoEditorsSavingTwoHundredQuestions_data() { bothWaysOfCreating(); }
    void twoEditorsSavingTwoHundredQuestions();

private:
    // A local disk links a finished file to its name; a FAT stick cannot.
    // The shares answer as tried on a school's server (tests/drivers/sharepreload.cpp).
    static void bothWaysOfCreating()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("share");
        QTest::newRow("with hard links") << QStringList{} << QString();
        QTest::newRow("without hard links, as on FAT") << QStringList{QStringLiteral("--no-hard-links")} << QString();
        QTest::newRow("a Samba share through smbnetfs") << QStringList{} << QStringLiteral("smb");
        QTest::newRow("an sshfs mount") << QStringList{} << QStringLiteral("sftp");
    }

    // The drivers' environment: the share's answers for names under `root`.
    static QProcessEnvironment environment(const QString &share, const QString &root)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!share.isEmpty()) {
            environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SHARE_PRELOAD));
            environment.insert(QStringLiteral("BRENLOQ_SHARE"), share);
            environment.insert(QStringLiteral("BRENLOQ_SHARE_ROOT"), root);
        }
        return environment;
    }
};

void TstSharedFolder::thirtyPlayersFinishingTogetherKeepEveryReport()
{
    QFETCH(QStringList, options);
    QFETCH(QString, share);
    QVERIFY2(QFileInfo(driver("autoplay")).isExecutable(), "build the autoplay target");
    testsupport::ProgramFolder program;
    const QString reports = program.file(QStringLiteral("Controles-Usuarios"));
    const QString go = program.file(QStringLiteral("go"));

    // Ten pupils' names three times each, all in the same minute: the second
    // and third of a name must get " (2)" and " (3)", not overwrite.
    constexpr int kPlayers = 30;
    std::vector<std::unique_ptr<QProcess>> players;
    QStringList pupils;
    for (int i = 0; i < kPlayers; ++i) {
        const QString pupil = QStringLiteral("Alumne %1 Pérez").arg(i % 10 + 1);
        pupils << pupil;
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->setProcessEnvironment(environment(share, program.path()));
        process->start(driver("autoplay"),
                       QStringList{program.path(), pupil, QStringLiteral("--course"), QStringLiteral("1r ESO"),
                        QStringLiteral("--subject"), QStringLiteral("Matemàtiques"), QStringLiteral("--questions"),
                        QStringLiteral("2"), QStringLiteral("--clock"), QStringLiteral("2026-03-09T10:05:00"),
                        QStringLiteral("--seed"), QString::number(i + 1), QStringLiteral("--wait-for"), go}
                           + options);
        players.push_back(std::move(process));
    }
    releaseTogether(players, go);
    if (QTest::currentTestFailed())
        return;
    waitAll(players);
    if (QTest::currentTestFailed())
        return;

    // Every player names the report it wrote; no two name the same one.
    QSet<QString> written;
    for (int i = 0; i < kPlayers; ++i) {
        const QString out = QString::fromUtf8(players[i]->readAll());
        const auto match = QRegularExpression(QStringLiteral("report: (.*\\.rtf)")).match(out);
        QVERIFY2(match.hasMatch(), qPrintable(out));
        const QString name = match.captured(1);
        QVERIFY2(!written.contains(name), qPrintable(name));
        written.insert(name);
        QVERIFY2(name.startsWith(pupils[i] + QStringLiteral(" --5M,10H --9-3-2026")), qPrintable(name));

        // Whole, and the pupil's own.
        const QByteArray rtf = testsupport::readBytes(reports + u'/' + name);
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.trimmed().endsWith('}'));
        QCOMPARE(rtf.count('{'), rtf.count('}'));
        const QStringList paragraphs = testsupport::rtfParagraphs(rtf);
        QCOMPARE(paragraphs.first(), pupils[i]);
        QVERIFY2(paragraphs.filter(QStringLiteral("MATEMÀTIQUES - ")).size() == 1, qPrintable(paragraphs.join(u'|')));
    }

    // The folder holds exactly those thirty, and no temporary file or claim.
    QStringList onDisk = QDir(reports).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    onDisk.removeAll(QStringLiteral(".gitkeep"));
    // Beside them, each one's session record under its own name: the records
    // folder made by whichever player came first, taken by the others.
    QVERIFY(onDisk.removeAll(QStringLiteral(".registres")) == 1);
    QCOMPARE(onDisk.size(), kPlayers);
    QCOMPARE(QSet<QString>(onDisk.begin(), onDisk.end()), written);
    QSet<QString> records;
    for (const QString &name : written)
        records.insert(bank::recordFileName(name));
    const QStringList recordsOnDisk =
        QDir(reports + QStringLiteral("/.registres")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(QSet<QString>(recordsOnDisk.begin(), recordsOnDisk.end()), records);
    for (int n = 1; n <= 10; ++n) {
        const QString stem = QStringLiteral("Alumne %1 Pérez --5M,10H --9-3-2026").arg(n);
        QVERIFY(written.contains(stem + QStringLiteral(".rtf")));
        QVERIFY(written.contains(stem + QStringLiteral(" (2).rtf")));
        QVERIFY(written.contains(stem + QStringLiteral(" (3).rtf")));
    }

    // ultimo.rtf is one whole report, byte for byte.
    const QByteArray latest = testsupport::readBytes(program.file(QStringLiteral("ultimo.rtf")));
    bool matches = false;
    for (const QString &name : written)
        matches = matches || testsupport::readBytes(reports + u'/' + name) == latest;
    QVERIFY(matches);
    QStringList leftovers = QDir(program.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    leftovers.removeAll(QStringLiteral("go"));
    leftovers.removeAll(QStringLiteral("tope.txt"));
    QCOMPARE(leftovers, QStringList{QStringLiteral("ultimo.rtf")});
}

void TstSharedFolder::twoEditorsSavingTwoHundredQuestions()
{
    QFETCH(QStringList, options);
    QFETCH(QString, share);
    QVERIFY2(QFileInfo(driver("autoedit")).isExecutable(), "build the autoedit target");
    testsupport::ProgramFolder program(false);
    const QString relative = QStringLiteral("Preguntas/1r ESO/Mates");
    program.makeFolder(relative);
    program.makeFolder(QStringLiteral("Graficos"));
    program.makeFolder(QStringLiteral("textos"));
    const QString folder = program.file(relative);
    const QString go = program.file(QStringLiteral("go"));

    constexpr int kEach = 100;
    std::vector<std::unique_ptr<QProcess>> editors;
    for (const QString &tag : {QStringLiteral("A"), QStringLiteral("B")}) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment(share, program.path()));
        process->start(driver("autoedit"),
                       QStringList{program.path(), relative, QString::number(kEach), tag, QStringLiteral("--wait-for"), go}
                           + options);
        editors.push_back(std::move(process));
    }
    releaseTogether(editors, go);
    if (QTest::currentTestFailed())
        return;
    waitAll(editors);
    if (QTest::currentTestFailed())
        return;

    // 1.txt to 200.txt, nothing else (no claim left), each one whole question of one editor.
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList expected;
    for (int n = 1; n <= 2 * kEach; ++n)
        expected << QString::number(n) + QStringLiteral(".txt");
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(names, expected);

    QSet<QString> statements;
    for (const QString &name : names) {
        bank::Question q;
        QCOMPARE(bank::readQuestionFile(folder + u'/' + name, q), bank::ReadError::None);
        QCOMPARE(q.type, bank::QuestionType::WrittenAnswer);
        QCOMPARE(q.answer, QStringLiteral("x"));
        QVERIFY2(!statements.contains(q.statement), qPrintable(q.statement));
        statements.insert(q.statement);
    }
    for (int i = 0; i < kEach; ++i) {
        QVERIFY(statements.contains(QStringLiteral("A") + QString::number(i)));
        QVERIFY(statements.contains(QStringLiteral("B") + QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(TstSharedFolder)
#include "tst_sharedfolder.moc"
