// Creating and replacing files whole, with and without hard links, readable
// by the other accounts of a classroom, never through a planted link.

#include "bank/atomicfile.h"
#include "bank/question.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

int permissions(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

} // namespace

class TstAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ::umask(022); }
    void cleanup() { bank::testing::refuseHardLinks(false); }

    void writersMakeWholeFilesForEveryone_data()
    {
        QTest::addColumn<bool>("hardLinks");
        QTest::addColumn<QString>("writer");
        for (const bool links : {true, false}) {
            for (const char *writer : {"create", "replace", "question"}) {
                QTest::addRow("%s, %s", writer, links ? "hard links" : "no hard links")
                    << links << QString::fromLatin1(writer);
            }
        }
    }
    void writersMakeWholeFilesForEveryone()
    {
        QFETCH(bool, hardLinks);
        QFETCH(QString, writer);
        bank::testing::refuseHardLinks(!hardLinks);
        testsupport::ProgramFolder folder(false);
        QString path = folder.file(QStringLiteral("Anna.rtf"));
        if (writer == u"create") {
            QVERIFY(bank::createExclusively(path, "{\\rtf1 Anna}"));
            QCOMPARE(testsupport::readBytes(path), QByteArray("{\\rtf1 Anna}"));
        } else if (writer == u"replace") {
            QVERIFY(bank::replaceAtomically(path, "first"));
            QVERIFY(bank::replaceAtomically(path, "second"));
            QCOMPARE(testsupport::readBytes(path), QByteArray("second"));
        } else {
            bank::Question q;
            q.type = 2;
            q.statement = QStringLiteral("?");
            q.answer = QStringLiteral("x");
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(bank::saveNewQuestion(folder.path(), q).number, i);
            path = folder.file(QStringLiteral("3.txt"));
        }
        QCOMPARE(permissions(path), 0644);
        const QStringList files = everything(folder.path());
        QVERIFY2(files.filter(QStringLiteral(".nou")).isEmpty(), qPrintable(files.join(u' ')));
    }

    void createNeverOverwrites_data()
    {
        QTest::addColumn<bool>("hardLinks");
        QTest::addColumn<bool>("planted"); // a dangling link instead of a file
        QTest::newRow("hard links, a file") << true << false;
        QTest::newRow("no hard links, a file") << false << false;
        QTest::newRow("hard links, a dangling link") << true << true;
        QTest::newRow("no hard links, a dangling link") << false << true;
    }
    void createNeverOverwrites()
    {
        QFETCH(bool, hardLinks);
        QFETCH(bool, planted);
        bank::testing::refuseHardLinks(!hardLinks);
        testsupport::ProgramFolder folder(false);
        testsupport::ProgramFolder elsewhere(false);
        const QString path = folder.file(QStringLiteral("Anna.rtf"));
        const QString target = elsewhere.file(QStringLiteral("victim"));
        if (planted)
            QVERIFY(QFile::link(target, path));
        else
            folder.writeBytes(QStringLiteral("Anna.rtf"), "earlier");
        bool taken = false;
        QVERIFY(!bank::createExclusively(path, "new", nullptr, &taken));
        QVERIFY(taken);
        QVERIFY(!QFileInfo::exists(target));
        if (!planted)
            QCOMPARE(testsupport::readBytes(path), QByteArray("earlier"));
        QCOMPARE(everything(folder.path()), QStringList{QStringLiteral("Anna.rtf")});
    }

    // ultimo.rtf made a link by a pupil: the link goes, its target stays.
    void replaceNeverFollowsALink()
    {
        testsupport::ProgramFolder folder(false);
        testsupport::ProgramFolder elsewhere(false);
        elsewhere.writeBytes(QStringLiteral("notes.txt"), "keep me");
        const QString path = folder.file(QStringLiteral("ultimo.rtf"));
        QVERIFY(QFile::link(elsewhere.file(QStringLiteral("notes.txt")), path));
        QVERIFY(bank::replaceAtomically(path, "report"));
        QCOMPARE(testsupport::readBytes(elsewhere.file(QStringLiteral("notes.txt"))), QByteArray("keep me"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(testsupport::readBytes(path), QByteArray("report"));
    }

    // The teacher's ultimo.rtf, replaced by a pupil's account as the shared
    // folder allows.
    void replaceAFileOfAnotherAccount()
    {
        testsupport::ProgramFolder folder(false);
        const QString path = folder.file(QStringLiteral("ultimo.rtf"));
        folder.writeBytes(QStringLiteral("ultimo.rtf"), "teacher's");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (::geteuid() != 0) {
            QVERIFY(bank::replaceAtomically(path, "pupil's"));
        } else {
            // Run as root: the pupil is another account, in a child process.
            QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
            const pid_t child = ::fork();
            if (child == 0) {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(2);
                ::_exit(bank::replaceAtomically(path, "pupil's") ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        QCOMPARE(testsupport::readBytes(path), QByteArray("pupil's"));
        QCOMPARE(permissions(path), 0644);
    }
};

QTEST_GUILESS_MAIN(TstAtomicFile)
#include "tst_atomicfile.moc"
