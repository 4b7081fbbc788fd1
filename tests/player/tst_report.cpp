// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionfixture.h"

#include "player/form1.h"
#include "player/reportsaver.h"
#include "player/testlogic.h"

#include "bank/pendingreports.h"
#include "bank/sessionrecord.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>

using player::Form3;
using testsupport::Session;
using testsupport::kCR;

namespace {

const QString kMates = QStringLiteral("Matemàtiques");
const QString kCatalana = QStringLiteral("Llengua Catalana");
const QString kCiencies = QStringLiteral("Ciències de la Natura");

// The default clock of the recording platform: 10:05 on 9 March 2026.
QString fileName(const QString &stem)
{
    return stem + QStringLiteral(" --5M,10H --9-3-2026.rtf");
}

void setResult(Form3 *w, int k, const QString &mark, int right, int wrong)
{
    w->session().test(k).mark = mark;
    w->session().test(k).right = right;
    w->session().test(k).wrong = wrong;
}

// Ends a session of Matemàtiques with two questions by giving both up,
// and waits for the report to be saved unless told not to.
void finishByGivingUp(Form3 *w, bool wait = true)
{
    QTest::mouseClick(w->Command1(0), Qt::LeftButton);
    for (int row = 0; row < 2; ++row) {
        testsupport::clickRow(w, 0, row);
        testsupport::giveUp(w);
    }
    QVERIFY(!wait || testsupport::waitForReport(w));
}

QStringList messageTexts(const Session &s)
{
    QStringList texts;
    for (const auto &m : s.platform->messages)
        texts << m.text;
    return texts;
}

const QByteArray kOldLatest = "{\\rtf1 the report before}";

} // namespace

class TstReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneTest()
    {
        Session s;
        s.folder.writeLines(QStringLiteral("idioma/Final.txt"),
                              {QStringLiteral("RESULTATS"), QStringLiteral("Correctes"), QStringLiteral("Errors"),
                               QStringLiteral("Sense resposta"), QStringLiteral("Sortir?")});
        s.choose({kMates}, 5);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        setResult(w, 0, QStringLiteral(" 7,50"), 3, 1);
        QVERIFY(!w->Command7[player::ReportButton::Report]->isEnabled());
        const QString help = w->Label14->text();
        w->WriteResultsReport();
        // Saved off the window's thread; the help line says so meanwhile.
        QVERIFY(w->savingReport());
        QCOMPARE(w->Label14->text(), player::savingReportText());
        QVERIFY(!w->Command7[player::ReportButton::Report]->isEnabled());
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(w->Label14->text(), help);

        // Two spaces after the first dash: the mark text begins with one.
        const QString expected = QStringLiteral("Anna") + kCR + kCR + kCR
            + QStringLiteral("MATEMÀTIQUES -  7,50 - ( CORRECTES : 3; ERRORS : 1; SENSE RESPOSTA : 1 )");
        QCOMPARE(w->RichTextBox3->text(), expected);
        QCOMPARE(s.reportFiles(), QStringList{fileName(QStringLiteral("Anna"))});
        QCOMPARE(w->session().reportFileName, fileName(QStringLiteral("Anna")));
        const QByteArray report = testsupport::readBytes(s.reports() + u'/' + fileName(QStringLiteral("Anna")));
        QCOMPARE(testsupport::rtfParagraphs(report), expected.split(kCR));
        QCOMPARE(testsupport::readBytes(s.latest()), report);
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
        // A classmate's report written since is not the one the button opens.
        s.folder.writeBytes(QStringLiteral("ultimo.rtf"), "{\\rtf1 Joan}");
        w->Command7_Click(player::ReportButton::Report);
        QCOMPARE(s.platform->openedDocuments, QStringList{s.reports() + u'/' + fileName(QStringLiteral("Anna"))});
        QVERIFY(s.platform->messages.isEmpty());
        // Writing the report does not show the final window; its caller does.
        QVERIFY(!w->finalWindow());
    }

    void threeTests()
    {
        Session s;
        s.choose({kCiencies, kCatalana, kMates}, 4);
        Form3 *w = s.start(QStringLiteral("Jordi"));
        QVERIFY(w);
        QCOMPARE(w->testCount(), 3);
        setResult(w, 0, QStringLiteral(" 2,50"), 1, 3);
        setResult(w, 1, QStringLiteral(" 10,00"), 4, 0);
        setResult(w, 2, QStringLiteral(" 5,00"), 2, 0);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        const QString expected = QStringLiteral("Jordi") + kCR + kCR + kCR
            + QStringLiteral("CIÈNCIES DE LA NATURA -  2,50 - ( ENCERTS : 1; ERRORS : 3; EN BLANC : 0 )") + kCR
            + QStringLiteral("LLENGUA CATALANA -  10,00 - ( ENCERTS : 4; ERRORS : 0; EN BLANC : 0 )") + kCR
            + QStringLiteral("MATEMÀTIQUES -  5,00 - ( ENCERTS : 2; ERRORS : 0; EN BLANC : 2 )");
        QCOMPARE(w->RichTextBox3->text(), expected);
        QCOMPARE(testsupport::rtfParagraphs(testsupport::readBytes(s.latest())), expected.split(kCR));
    }

    void unansweredTestsCountAsBlank()
    {
        Session s;
        s.choose({kCatalana, kMates}, 3);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QVERIFY(w->RichTextBox3->text().endsWith(
            kCR + kCR + kCR + QStringLiteral("LLENGUA CATALANA -  - ( ENCERTS : 0; ERRORS : 0; EN BLANC : 3 )")
            + kCR + QStringLiteral("MATEMÀTIQUES -  - ( ENCERTS : 0; ERRORS : 0; EN BLANC : 3 )")));
    }

    void emptyName()
    {
        Session s;
        s.choose({kMates}, 2);
        Form3 *w = s.start(QString());
        QVERIFY(w);
        setResult(w, 0, QStringLiteral(" 5,00"), 1, 1);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles(), QStringList{fileName(QStringLiteral("Sin-nombre"))});
        QCOMPARE(w->RichTextBox3->text(),
                 kCR + kCR + kCR + QStringLiteral("MATEMÀTIQUES -  5,00 - ( ENCERTS : 1; ERRORS : 1; EN BLANC : 0 )"));
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
    }

    // The report keeps the name as typed; only the file name is mended.
    void nameWithSlashAndColon()
    {
        Session s;
        s.choose({kMates}, 2);
        const QString pupil = QStringLiteral("Anna/B: 2n");
        Form3 *w = s.start(pupil);
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles(), QStringList{fileName(QStringLiteral("Anna_B_ 2n"))});
        QCOMPARE(QDir(s.reports()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        const QStringList lines = testsupport::rtfParagraphs(testsupport::readBytes(s.latest()));
        QCOMPARE(lines.first(), pupil);
        QVERIFY(w->RichTextBox3->text().startsWith(pupil + kCR));
        QVERIFY(s.platform->messages.isEmpty());
    }

    void reportFileName_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("name");
        const QDateTime morning(QDate(2026, 12, 6), QTime(9, 5, 59));
        QTest::newRow("minutes before hours, no leading zeros")
            << "Anna" << morning << "Anna --5M,9H --6-12-2026.rtf";
        QTest::newRow("two-digit fields") << "Anna" << QDateTime(QDate(2027, 1, 31), QTime(23, 59)) << "Anna --59M,23H --31-1-2027.rtf";
        QTest::newRow("midnight is zero") << "Anna" << QDateTime(QDate(2026, 1, 1), QTime(0, 0)) << "Anna --0M,0H --1-1-2026.rtf";
        QTest::newRow("empty name") << "" << morning << "Sin-nombre --5M,9H --6-12-2026.rtf";
        QTest::newRow("accents and spaces kept") << "Núria Puig" << morning << "Núria Puig --5M,9H --6-12-2026.rtf";
        QTest::newRow("backslash") << "a\\b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("slash") << "a/b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("colon") << "a:b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("star") << "a*b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("question mark") << "a?b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("double quote") << "a\"b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("less and greater") << "<a>" << morning << "_a_ --5M,9H --6-12-2026.rtf";
        QTest::newRow("bar") << "a|b" << morning << "a_b --5M,9H --6-12-2026.rtf";
        QTest::newRow("tab and line feed") << "a\tb\n" << morning << "a_b_ --5M,9H --6-12-2026.rtf";
        QTest::newRow("a name of dots stays in the folder, not hidden") << ".." << morning << "__ --5M,9H --6-12-2026.rtf";
    }
    void reportFileName()
    {
        QFETCH(QString, pupil);
        QFETCH(QDateTime, when);
        QFETCH(QString, name);
        QCOMPARE(player::reportFileName(pupil, when), name);
    }

    // A name too long for a file name still gets its report.
    void veryLongName_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::newRow("300 letters") << QString(300, u'a');
        QTest::newRow("200 accented letters, two bytes each") << QString(200, QChar(0xE0));
    }
    void veryLongName()
    {
        QFETCH(QString, pupil);
        Session s;
        s.choose({kMates}, 2);
        Form3 *w = s.start(pupil);
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QVERIFY(s.platform->messages.isEmpty());
        const QStringList files = s.reportFiles();
        QCOMPARE(files.size(), 1);
        const QString name = files.first();
        QVERIFY(QFile::encodeName(name).size() <= 255);
        QVERIFY(name.endsWith(QStringLiteral(" --5M,10H --9-3-2026.rtf")));
        QVERIFY(name.size() > 100);
        QVERIFY(pupil.startsWith(name.left(name.indexOf(QStringLiteral(" --")))));
        QCOMPARE(testsupport::rtfParagraphs(testsupport::readBytes(s.reports() + u'/' + name)).first(), pupil);
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());

        // A second report in the same minute still finds a free name.
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        QCOMPARE(s.reportFiles().size(), 2);
        QVERIFY(s.platform->messages.isEmpty());
    }

    // Two runs of the program for the same pupil within one minute.
    void sameNameTwiceInOneMinute()
    {
        Session s;
        s.choose({kMates}, 2);
        Form3 *first = s.start(QStringLiteral("Anna"));
        QVERIFY(first);
        setResult(first, 0, QStringLiteral(" 0,00"), 0, 2);
        first->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(first));
        const QByteArray firstReport = testsupport::readBytes(s.reports() + u'/' + fileName(QStringLiteral("Anna")));
        QVERIFY(!firstReport.isEmpty());
        delete first;

        const QString path = s.folder.path();
        player::resetState();
        player::state().programFolder = path;
        s.choose({kMates}, 2);
        Form3 *second = s.start(QStringLiteral("Anna"));
        QVERIFY(second);
        setResult(second, 0, QStringLiteral(" 10,00"), 2, 0);
        second->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(second));

        const QString again = QStringLiteral("Anna --5M,10H --9-3-2026 (2).rtf");
        QStringList both{fileName(QStringLiteral("Anna")), again};
        both.sort();
        QCOMPARE(s.reportFiles(), both);
        QCOMPARE(second->session().reportFileName, again);
        QCOMPARE(testsupport::readBytes(s.reports() + u'/' + fileName(QStringLiteral("Anna"))), firstReport);
        const QByteArray secondReport = testsupport::readBytes(s.reports() + u'/' + again);
        QVERIFY(testsupport::rtfParagraphs(secondReport).last().contains(QStringLiteral(" 10,00")));
        QCOMPARE(testsupport::readBytes(s.latest()), secondReport);
        QVERIFY(s.platform->messages.isEmpty());
    }

    void replacesTheLatestReport()
    {
        Session s;
        s.folder.writeBytes(QStringLiteral("ultimo.rtf"), kOldLatest);
        s.choose({kMates}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        const QByteArray latest = testsupport::readBytes(s.latest());
        QVERIFY(latest != kOldLatest);
        QCOMPARE(latest, testsupport::readBytes(s.reports() + u'/' + fileName(QStringLiteral("Anna"))));
        // Nothing left behind from writing under a temporary name.
        QCOMPARE(s.reportFiles(), QStringList{fileName(QStringLiteral("Anna"))});
        QStringList programFiles = QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden);
        programFiles.sort();
        QCOMPARE(programFiles, (QStringList{QStringLiteral("tope.txt"), QStringLiteral("ultimo.rtf")}));
    }

    // The record follows the report into a hidden folder, under the
    // report's own name; a records folder that cannot be made costs the
    // pupil nothing: the report, and ultimo.rtf, are as without it.
    void sessionRecordBesideReport_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("kept") << false;
        QTest::newRow("a file where the records folder goes") << true;
    }
    void sessionRecordBesideReport()
    {
        QFETCH(bool, blocked);
        Session s;
        const QString records = s.reports() + QStringLiteral("/.registres");
        if (blocked)
            s.folder.writeBytes(QStringLiteral("Controles-Usuarios/.registres"), "in the way");
        s.choose({QStringLiteral("Llengua Estrangera")}, 2);
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        const QString report = fileName(QStringLiteral("Anna"));
        QCOMPARE(s.reportFiles(), (blocked ? QStringList{QStringLiteral(".registres"), report} : QStringList{report}));
        QCOMPARE(testsupport::readBytes(s.latest()), testsupport::readBytes(s.reports() + u'/' + report));
        QVERIFY(s.platform->messages.isEmpty());
        QCOMPARE(w->Command7[player::ReportButton::Report]->isEnabled(), true);
        if (blocked) {
            QVERIFY(!QFileInfo(records).isDir());
            return;
        }
        const std::optional<bank::SessionRecord> record =
            bank::readSessionRecord(testsupport::readBytes(records + u'/' + bank::recordFileName(report)));
        QVERIFY(record);
        QCOMPARE(record->pupil, QStringLiteral("Anna"));
        QCOMPARE(record->course, QStringLiteral("1r ESO"));
        QCOMPARE(record->tests.size(), 1);
        const bank::RecordedTest &t = record->tests[0];
        QCOMPARE(t.subject, QStringLiteral("Llengua Estrangera"));
        QCOMPARE(t.option, QStringLiteral("Anglès"));
        QCOMPARE(t.blank, 2);
        QCOMPARE(t.questions.size(), 2);
        for (const bank::RecordedQuestion &q : t.questions) {
            QVERIFY2(q.file.startsWith(QStringLiteral("1r ESO/Llengua Estrangera/Anglès/")), qPrintable(q.file));
            QVERIFY(q.type >= 1 && q.type <= 6);
            QCOMPARE(q.hash, bank::questionHash(testsupport::readBytes(s.folder.file(QStringLiteral("Preguntas/") + q.file))));
            QCOMPARE(q.verdict, bank::RecordedQuestion::Verdict::Blank);
        }
    }

    // ---- failures: the report kept pending, "Error" when it is lost

    void reportFolderUnusable_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("pendingWritable");
        QTest::newRow("report folder missing") << "missing" << true;
        QTest::newRow("a file where the report folder should be") << "file" << true;
        QTest::newRow("a link to a folder elsewhere") << "link" << true;
        QTest::newRow("nowhere to keep it either") << "missing" << false;
    }
    void reportFolderUnusable()
    {
        QFETCH(QString, damage);
        QFETCH(bool, pendingWritable);
        Session s;
        if (!pendingWritable) {
            const QString blocked = s.dataHome.filePath(QStringLiteral("not-a-folder"));
            QFile file(blocked);
            QVERIFY(file.open(QIODevice::WriteOnly));
            qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
        }
        s.folder.writeBytes(QStringLiteral("ultimo.rtf"), kOldLatest);
        s.folder.remove(QStringLiteral("Controles-Usuarios"));
        if (damage == QLatin1String("file"))
            s.folder.writeBytes(QStringLiteral("Controles-Usuarios"), "not a folder");
        QTemporaryDir elsewhere;
        if (damage == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere.path(), s.reports()));
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        finishByGivingUp(w);

        if (pendingWritable) {
            // Kept in the pupil's own folder, which the message names.
            const QString pending = bank::pendingReportsFolder() + u'/' + fileName(QStringLiteral("Anna"));
            QVERIFY(pending.startsWith(s.dataHome.path() + QStringLiteral("/brenloq/pending/")));
            QCOMPARE(s.pendingFiles(), QStringList{fileName(QStringLiteral("Anna"))});
            QCOMPARE(messageTexts(s), QStringList{player::pendingReportText(pending)});
            QCOMPARE(testsupport::rtfParagraphs(testsupport::readBytes(pending)), w->RichTextBox3->text().split(kCR));
            QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
            w->Command7_Click(player::ReportButton::Report);
            QCOMPARE(s.platform->openedDocuments, QStringList{pending});
        } else {
            QCOMPARE(messageTexts(s), QStringList{QStringLiteral("Error")});
            QCOMPARE(s.platform->messages[0].title, QString());
            QVERIFY(s.platform->messages[0].buttons == ui::MessageButtons::Ok);
            QVERIFY(!w->Command7[player::ReportButton::Report]->isEnabled());
        }
        QVERIFY(w->finalWindow());
        QVERIFY(w->finalWindow()->isVisible());
        QCOMPARE(testsupport::readBytes(s.latest()), kOldLatest);
        // The summary was added before the failure and stays.
        QVERIFY(w->RichTextBox3->text().contains(QStringLiteral("MATEMÀTIQUES -  0,00")));
        // The player never makes the folder itself.
        const QFileInfo folder(s.reports());
        if (damage == QLatin1String("file")) {
            QVERIFY(folder.isFile());
            QCOMPARE(testsupport::readBytes(s.reports()), QByteArray("not a folder"));
            // Nor does the start window open the file with its own program.
            player::Form1 start;
            start.Command2_Click();
            QVERIFY(s.platform->openedFolders.isEmpty());
        } else if (damage == QLatin1String("link")) {
            QVERIFY(QDir(elsewhere.path()).isEmpty());
        } else {
            QVERIFY(!folder.exists());
        }
        QStringList programFiles = QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden);
        programFiles.removeAll(QStringLiteral("Controles-Usuarios"));
        programFiles.sort();
        QCOMPARE(programFiles, (QStringList{QStringLiteral("tope.txt"), QStringLiteral("ultimo.rtf")}));
        // The report kept pending: its session record waits with it, its
        // questions read, and lands beside it when the next start delivers it.
        if (damage == u"missing" && pendingWritable) {
            s.folder.makeFolder(QStringLiteral("Controles-Usuarios"));
            player::deliverPendingReports(s.folder.path());
            const std::optional<bank::SessionRecord> record = bank::readSessionRecord(testsupport::readBytes(
                s.reports() + QStringLiteral("/.registres/") + bank::recordFileName(fileName(QStringLiteral("Anna")))));
            QVERIFY(record);
            QCOMPARE(record->pupil, QStringLiteral("Anna"));
            QCOMPARE(record->tests.size(), 1);
            QCOMPARE(record->tests[0].questions.size(), 2);
            QVERIFY(!record->tests[0].questions[0].hash.isEmpty());
            QVERIFY(s.pendingFiles().isEmpty());
        }
    }

    // A pupil made ULTIMO.RTF a link to another file: the link is replaced,
    // the file it pointed at stays as it was.
    void latestReportPlantedAsALink()
    {
        Session s;
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.path() + QStringLiteral("/notes.txt");
        QFile notes(victim);
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("the teacher's notes") > 0);
        notes.close();
        s.folder.remove(QStringLiteral("ultimo.rtf"));
        QVERIFY(QFile::link(victim, s.folder.file(QStringLiteral("ULTIMO.RTF"))));
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        finishByGivingUp(w);
        QVERIFY(s.platform->messages.isEmpty());
        QCOMPARE(testsupport::readBytes(victim), QByteArray("the teacher's notes"));
        const QString latest = s.folder.file(QStringLiteral("ULTIMO.RTF"));
        QVERIFY(!QFileInfo(latest).isSymLink());
        QCOMPARE(testsupport::readBytes(latest), testsupport::readBytes(s.reports() + u'/' + w->session().reportFileName));
    }

    // The pupil's report is kept; the latest one is left as it was.
    void latestReportCannotBeReplaced()
    {
        Session s;
        s.folder.makeFolder(QStringLiteral("ultimo.rtf"));
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        finishByGivingUp(w);
        // The report is safe: the pupil is not told it was lost.
        QVERIFY(s.platform->messages.isEmpty());
        QVERIFY(s.pendingFiles().isEmpty());
        QVERIFY(w->finalWindow() && w->finalWindow()->isVisible());
        QCOMPARE(s.reportFiles(), QStringList{fileName(QStringLiteral("Anna"))});
        QVERIFY(QFileInfo(s.latest()).isDir());
        QVERIFY(QDir(s.latest()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        // The report button opens the pupil's own report, which was written.
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
        w->Command7_Click(player::ReportButton::Report);
        QCOMPARE(s.platform->openedDocuments, QStringList{s.reports() + u'/' + fileName(QStringLiteral("Anna"))});
        QStringList programFiles = QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(programFiles, QStringList{QStringLiteral("tope.txt")});
    }

    void readOnlyReportFolder()
    {
        Session s;
        s.folder.writeBytes(QStringLiteral("ultimo.rtf"), kOldLatest);
        QFile::setPermissions(s.reports(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(s.reports(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        {
            QFile probe(s.reports() + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.close();
                probe.remove();
                QSKIP("running as root, who writes into read-only folders: run the tests as a normal user to check this");
            }
        }
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        finishByGivingUp(w);
        QCOMPARE(s.pendingFiles(), QStringList{fileName(QStringLiteral("Anna"))});
        QCOMPARE(messageTexts(s),
                 QStringList{player::pendingReportText(bank::pendingReportsFolder() + u'/' + s.pendingFiles().first())});
        QVERIFY(w->finalWindow() && w->finalWindow()->isVisible());
        QCOMPARE(testsupport::readBytes(s.latest()), kOldLatest);
        QVERIFY(s.reportFiles().isEmpty());
    }

    // A share that does not answer: the window goes on, the report is kept
    // pending, and the write that finishes late is not kept twice. A pupil
    // closing the window meanwhile does not lose it either.
    void hungShareKeepsTheReportPending_data()
    {
        QTest::addColumn<bool>("closeWhileSaving");
        QTest::newRow("window left open") << false;
        QTest::newRow("window closed while saving") << true;
    }
    void hungShareKeepsTheReportPending()
    {
        QFETCH(bool, closeWhileSaving);
        Session s;
        QVERIFY(!QFileInfo::exists(s.latest()));
        auto release = std::make_shared<QSemaphore>();
        player::testing::setBeforeShareWrite([release] { release->tryAcquire(1, 60000); });
        player::testing::setSharePatience(std::chrono::milliseconds(300));
        auto restore = qScopeGuard([release] {
            release->release();
            player::testing::setBeforeShareWrite({});
            player::testing::setSharePatience(std::chrono::seconds(15));
        });
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        finishByGivingUp(w, false);
        QVERIFY(w->savingReport());
        QCOMPARE(w->Label14->text(), player::savingReportText());
        QVERIFY(w->finalWindow() && w->finalWindow()->isVisible());
        QCoreApplication::processEvents();
        QTest::mouseClick(w->Command7[player::ReportButton::Transcript], Qt::LeftButton);
        QVERIFY(w->RichTextBox3->isVisible());

        if (closeWhileSaving) {
            w->close();
            QCOMPARE(s.platform->quitCalls, 1);
        } else {
            QVERIFY(testsupport::waitForReport(w));
            QVERIFY(w->Label14->text() != player::savingReportText());
        }
        const QString name = fileName(QStringLiteral("Anna"));
        QCOMPARE(s.pendingFiles(), QStringList{name});
        QCOMPARE(messageTexts(s), QStringList{player::pendingReportText(bank::pendingReportsFolder() + u'/' + name)});
        QVERIFY(s.reportFiles().isEmpty());

        // The share answers at last; the next start finds the report there.
        release->release();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(s.latest()), 30000);
        QCOMPARE(s.reportFiles(), QStringList{name});
        player::deliverPendingReports(s.folder.path());
        QVERIFY(s.pendingFiles().isEmpty());
        QCOMPARE(s.reportFiles(), QStringList{name});
        QCOMPARE(s.platform->messages.size(), 1);
    }

    // A line break in a subject folder's name or the pupil's name would
    // split the report's lines, or plant a summary line of its own.
    void lineBreaksInNames_data()
    {
        QTest::addColumn<QString>("lineBreak");
        QTest::newRow("line feed") << QStringLiteral("\n");
        QTest::newRow("carriage return") << QStringLiteral("\r");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
        QTest::newRow("line separator") << QStringLiteral("\u2028");
        QTest::newRow("paragraph separator") << QStringLiteral("\u2029");
        QTest::newRow("next line") << QStringLiteral("\u0085");
        QTest::newRow("vertical tab and form feed") << QStringLiteral("\v\f");
    }
    void lineBreaksInNames()
    {
        QFETCH(QString, lineBreak);
        Session s;
        const QString planted = QStringLiteral("MATEMÀTIQUES -  10,00 - ( ENCERTS : 2; ERRORS : 0; EN BLANC : 0 )");
        const QString subject = QStringLiteral("Mates") + lineBreak + planted;
        const QString course = QStringLiteral("Preguntas/1r ESO/");
        for (int n = 1; n <= 3; ++n) {
            const QString file = QStringLiteral("/%1.txt").arg(n);
            s.folder.writeBytes(course + subject + file,
                                testsupport::readBytes(s.folder.file(course + kMates + file)));
        }
        s.choose({subject}, 2);
        Form3 *w = s.start(QStringLiteral("Anna") + lineBreak + QStringLiteral("Puig"));
        QVERIFY(w);
        w->WriteResultsReport();
        QVERIFY(testsupport::waitForReport(w));
        const QString spaces(lineBreak.size(), u' ');
        const QStringList expected{QStringLiteral("Anna") + spaces + QStringLiteral("Puig"), QString(), QString(),
                                   QStringLiteral("MATES") + spaces + planted
                                       + QStringLiteral(" -  - ( ENCERTS : 0; ERRORS : 0; EN BLANC : 2 )")};
        QCOMPARE(testsupport::rtfParagraphs(testsupport::readBytes(s.reports() + u'/' + w->session().reportFileName)), expected);
        QCOMPARE(w->RichTextBox3->text().split(kCR), expected);
    }

    // ---- the report buttons

    void transcriptButton()
    {
        Session s;
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        QVERIFY(w->RichTextBox3->isHidden());
        QTest::mouseClick(w->Command7[player::ReportButton::Transcript], Qt::LeftButton);
        QVERIFY(w->RichTextBox3->isVisible());
        QCOMPARE(w->RichTextBox3->geometry(), w->Frame1[bank::QuestionType::None]->geometry());
        // In front of the answer areas it covers.
        QWidget *top = w->childAt(w->RichTextBox3->geometry().center());
        QVERIFY(top == w->RichTextBox3 || w->RichTextBox3->isAncestorOf(top));
        QCOMPARE(w->RichTextBox3->text(), QStringLiteral("Anna"));
        QTest::mouseClick(w->Command7[player::ReportButton::Transcript], Qt::LeftButton);
        QVERIFY(w->RichTextBox3->isHidden());

        // Shown over a question on show.
        QTest::mouseClick(w->Command1(0), Qt::LeftButton);
        testsupport::clickRow(w, 0, 0);
        QTest::mouseClick(w->Command7[player::ReportButton::Transcript], Qt::LeftButton);
        top = w->childAt(w->RichTextBox3->geometry().center());
        QVERIFY(top == w->RichTextBox3 || w->RichTextBox3->isAncestorOf(top));
        QTest::mouseClick(w->Command7[player::ReportButton::Transcript], Qt::LeftButton);
        QVERIFY(w->RichTextBox3->isHidden());
    }

    void reportButtonOpensThePupilsReport()
    {
        Session s;
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Anna"));
        QVERIFY(w);
        // Disabled until a report exists.
        QTest::mouseClick(w->Command7[player::ReportButton::Report], Qt::LeftButton);
        w->Command7_Click(player::ReportButton::Report);
        QVERIFY(s.platform->openedDocuments.isEmpty());
        QVERIFY(s.platform->started.isEmpty());

        finishByGivingUp(w);
        QVERIFY(w->Command7[player::ReportButton::Report]->isEnabled());
        QTest::mouseClick(w->Command7[player::ReportButton::Report], Qt::LeftButton);
        QCOMPARE(s.platform->openedDocuments, QStringList{s.reports() + u'/' + w->session().reportFileName});
        QVERIFY(QFileInfo::exists(s.platform->openedDocuments.first()));
    }

    // ---- a second reader

    void anotherReaderSeesTheTranscript()
    {
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        if (unrtf.isEmpty())
            QSKIP("unrtf is not installed.");
        Session s;
        s.choose({kMates}, 2);
        s.drawQuestions({kMates}, {{2, 3}});
        Form3 *w = s.start(QStringLiteral("Núria"));
        QVERIFY(w);
        finishByGivingUp(w);
        const QStringList expected = w->RichTextBox3->text().split(kCR);
        QVERIFY(expected.size() > 8);

        for (const QString &file : {s.latest(), s.reports() + u'/' + w->session().reportFileName}) {
            QProcess reader;
            reader.start(unrtf, {QStringLiteral("--text"), file});
            QVERIFY(reader.waitForFinished(30000));
            QCOMPARE(reader.exitCode(), 0);
            // Its text comes in the document's single-byte code page unless
            // it is valid UTF-8; a header ends with a row of dashes.
            const QByteArray output = reader.readAllStandardOutput();
            QStringDecoder utf8(QStringDecoder::Utf8);
            QString text = utf8(output);
            if (utf8.hasError())
                text = bank::decodeWindows1252(output);
            QStringList lines = text.split(u'\n');
            const qsizetype header = lines.indexOf(QStringLiteral("-----------------"));
            QVERIFY(header >= 0);
            lines.remove(0, header + 1);
            while (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
            // unrtf prints a run of spaces as one.
            static const QRegularExpression spaces(QStringLiteral("  +"));
            QStringList collapsed = expected;
            collapsed.replaceInStrings(spaces, QStringLiteral(" "));
            QCOMPARE(lines, collapsed);
        }
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
