// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player warns about at start when its reports folder or ultimo.rtf
// will not take what it writes, judged as a pupil's account (nobody, in a
// child process, when run as root).

#include "bank/folders.h"
#include "support/testsupport.h"
#include "ui/startup.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ui::StartupTexts playerTexts()
{
    ui::StartupTexts texts = ui::commonStartupTexts();
    texts.cannotWrite = QStringLiteral("cannot write %1.");
    texts.writableFolder = QString::fromLatin1(bank::kReportsFolder);
    texts.latestReportUnwritable = QStringLiteral("ultimo: %1 (%2)");
    return texts;
}

// The warnings as another account sees them, one a line.
QString warningsAsAnotherAccount(const QString &folder)
{
    if (::geteuid() != 0)
        return ui::writeWarnings(folder, playerTexts()).join(u'\n');
    int ends[2];
    if (::pipe(ends) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const QByteArray said = ui::writeWarnings(folder, playerTexts()).join(u'\n').toUtf8();
        const bool written = ::write(ends[1], said.constData(), size_t(said.size())) == ssize_t(said.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(ends[1]);
    QByteArray said;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said) : QStringLiteral("child failed");
}

void setMode(const QString &path, int mode)
{
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
}

} // namespace

class TstWriteWarnings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void warnings_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QString>("reports"); // what stands at Controles-Usuarios
        QTest::addColumn<QString>("latest");  // what stands at ultimo.rtf
        QTest::addColumn<QString>("expected"); // "" none; else the words the warning must hold

        QTest::newRow("open folder") << 0777 << "folder" << "writable" << "";
        QTest::newRow("read-only folder, ultimo.rtf writable") << 0555 << "folder" << "writable" << "";
        QTest::newRow("read-only folder, ultimo.rtf read-only") << 0555 << "folder" << "read-only" << "ultimo:";
        QTest::newRow("read-only folder, no ultimo.rtf") << 0555 << "folder" << "none" << "ultimo:";
        QTest::newRow("sticky folder, another's writable ultimo.rtf") << 01777 << "folder" << "writable" << "";
        QTest::newRow("sticky folder, another's read-only ultimo.rtf") << 01777 << "folder" << "read-only" << "ultimo:";
        QTest::newRow("reports folder a link") << 0777 << "link" << "writable" << "és un enllaç";
        QTest::newRow("reports folder a file") << 0777 << "file" << "writable" << "no és una carpeta";
        QTest::newRow("no reports folder") << 0777 << "none" << "writable" << "no existeix";
        QTest::newRow("reports folder read-only") << 0777 << "read-only" << "writable" << "cannot write";
    }
    void warnings()
    {
        QFETCH(int, folderMode);
        QFETCH(QString, reports);
        QFETCH(QString, latest);
        QFETCH(QString, expected);
        if (::geteuid() != 0 && (folderMode & S_ISVTX))
            QSKIP("needs root: ultimo.rtf must belong to another account");
        testsupport::ProgramFolder program(false);
        testsupport::ProgramFolder elsewhere(false);
        setMode(elsewhere.path(), 0777);
        const QString folder = program.file(QString::fromLatin1(bank::kReportsFolder));
        if (reports == u"link")
            QVERIFY(QFile::link(elsewhere.path(), folder));
        else if (reports == u"file")
            program.writeBytes(QString::fromLatin1(bank::kReportsFolder), "");
        else if (reports != u"none")
            program.makeFolder(QString::fromLatin1(bank::kReportsFolder));
        if (QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink())
            setMode(folder, reports == u"read-only" ? 0555 : 0777);
        if (latest != u"none") {
            const QString path = program.file(QString::fromLatin1(bank::kLatestReport));
            program.writeBytes(QString::fromLatin1(bank::kLatestReport), "{\\rtf1 }");
            setMode(path, latest == u"writable" ? 0666 : 0644);
            if (::geteuid() == 0)
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 65533, 65533), 0);
        }
        setMode(program.path(), folderMode);
        const QString said = warningsAsAnotherAccount(program.path());
        setMode(program.path(), 0755);
        if (expected.isEmpty())
            QCOMPARE(said, QString());
        else
            QVERIFY2(said.contains(expected) && !said.contains(u'\n'), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(TstWriteWarnings)
#include "tst_writewarnings.moc"
