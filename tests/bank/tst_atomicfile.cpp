// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating and replacing files whole, with and without hard links, readable
// by the other accounts of a classroom, never through a planted link.

#include "bank/atomicfile.h"
#include "bank/question.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every change of the process's mask: a writer that set it, even for an
// instant, would give a file another thread creates meanwhile 0666.
std::atomic<int> maskChanges{0};

} // namespace

extern "C" mode_t umask(mode_t mask) noexcept
{
    static const auto next = reinterpret_cast<mode_t (*)(mode_t)>(::dlsym(RTLD_NEXT, "umask"));
    const mode_t previous = next(mask);
    if (previous != mask)
        ++maskChanges;
    return previous;
}

namespace {

// The mask this process started with, read before any thread runs.
const mode_t startMask = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

// Runs `work` as another account (nobody) when run as root, else as this
// one; true when it returned true.
template <typename Work>
bool asAnotherAccount(Work work)
{
    if (::geteuid() != 0)
        return work();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
        const int maskChangesBefore = maskChanges;
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
            q.type = bank::QuestionType::WrittenAnswer;
            q.statement = QStringLiteral("?");
            q.answer = QStringLiteral("x");
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(bank::saveNewQuestion(folder.path(), q).number, i);
            path = folder.file(QStringLiteral("3.txt"));
        }
        QCOMPARE(permissions(path), int(0666 & ~startMask));
        QCOMPARE(maskChanges, maskChangesBefore);
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
        QCOMPARE(permissions(path), int(0666 & ~startMask));
    }

    // Where no temporary can be made beside ultimo.rtf, or its name cannot
    // be taken from another account, the file is written in place when it
    // is a writable regular file; never through a link.
    void replaceInPlaceWhereNoTemporaryCanBeMade_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QString>("standing"); // what stands at ultimo.rtf
        QTest::addColumn<bool>("replaced");
        QTest::newRow("read-only folder, a writable file") << 0555 << "writable" << true;
        QTest::newRow("read-only folder, a read-only file") << 0555 << "read-only" << false;
        QTest::newRow("read-only folder, a link to a writable file") << 0555 << "link" << false;
        QTest::newRow("read-only folder, a second hard link") << 0555 << "hard link" << false;
        QTest::newRow("sticky folder, another account's writable file") << 01777 << "writable" << true;
        QTest::newRow("sticky folder, another account's read-only file") << 01777 << "read-only" << false;
    }
    void replaceInPlaceWhereNoTemporaryCanBeMade()
    {
        QFETCH(int, folderMode);
        QFETCH(QString, standing);
        QFETCH(bool, replaced);
        if (::geteuid() != 0 && folderMode & S_ISVTX)
            QSKIP("needs root: ultimo.rtf must belong to another account");
        testsupport::ProgramFolder folder(false);
        testsupport::ProgramFolder elsewhere(false);
        const QString path = folder.file(QStringLiteral("ultimo.rtf"));
        const QString other = elsewhere.file(QStringLiteral("notes.txt"));
        const QByteArray before = "the teacher's much longer report";
        elsewhere.writeBytes(QStringLiteral("notes.txt"), before);
        QCOMPARE(::chmod(QFile::encodeName(other).constData(), 0666), 0);
        QCOMPARE(::chmod(QFile::encodeName(elsewhere.path()).constData(), 0755), 0);
        if (standing == u"link") {
            QVERIFY(QFile::link(other, path));
        } else if (standing == u"hard link") {
            QCOMPARE(::link(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
        } else {
            folder.writeBytes(QStringLiteral("ultimo.rtf"), before);
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), standing == u"writable" ? 0666 : 0644), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65533, 65533), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), mode_t(folderMode)), 0);
        const bool done = asAnotherAccount([&] { return bank::replaceAtomically(path, "pupil's"); });
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        QCOMPARE(done, replaced);
        QCOMPARE(testsupport::readBytes(other), before);
        if (standing == u"writable")
            QCOMPARE(testsupport::readBytes(path), replaced ? QByteArray("pupil's") : before);
        QVERIFY2(everything(folder.path()).filter(QStringLiteral(".nou")).isEmpty(),
                 qPrintable(everything(folder.path()).join(u' ')));
    }

    // A writer killed between its temporary (or its claim) and the name:
    // what is older than a day goes when a writer next writes there, and a
    // fresh claim keeps its name for the writer holding it.
    void leftoversOfAKilledWriter()
    {
        bank::testing::refuseHardLinks(true);
        testsupport::ProgramFolder folder(false);
        const auto age = [&](const QString &name, bool old) {
            const QByteArray path = QFile::encodeName(folder.file(name));
            const timeval times[2] = {{::time(nullptr) - (old ? 2 * 86400 : 60), 0},
                                      {::time(nullptr) - (old ? 2 * 86400 : 60), 0}};
            QCOMPARE(::utimes(path.constData(), times), 0);
        };
        for (const bool old : {true, false}) {
            const QString tag = QString::fromLatin1(old ? "old" : "new");
            folder.writeBytes(QStringLiteral(".nou-") + tag, "half");
            age(QStringLiteral(".nou-") + tag, old);
            folder.makeFolder(QStringLiteral(".nou-claim-") + tag + QStringLiteral(".rtf"));
            age(QStringLiteral(".nou-claim-") + tag + QStringLiteral(".rtf"), old);
            folder.writeBytes(QStringLiteral(".directory-") + tag, "a file manager's");
            age(QStringLiteral(".directory-") + tag, old);
        }
        bool taken = false;
        QVERIFY(!bank::createExclusively(folder.file(QStringLiteral("new.rtf")), "mine", nullptr, &taken));
        QVERIFY(taken);
        QVERIFY(bank::createExclusively(folder.file(QStringLiteral("old.rtf")), "mine"));
        QCOMPARE(everything(folder.path()),
                 (QStringList{".directory-new", ".directory-old", ".nou-claim-new.rtf", ".nou-new", "old.rtf"}));
    }
};

QTEST_GUILESS_MAIN(TstAtomicFile)
#include "tst_atomicfile.moc"
