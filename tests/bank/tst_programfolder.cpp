#include "bank/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using bank::FolderSource;

Q_DECLARE_METATYPE(bank::FolderSource)

class TstProgramFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstClueWins_data();
    void firstClueWins();
    void copyKeepsWhatIsThere();
};

void TstProgramFolder::firstClueWins_data()
{
    // Clues as strings: option, environment, settings entry, whether the
    // program's own folder holds questions.
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<FolderSource>("source");

    QTest::newRow("option over all") << "opt" << "env" << "conf" << true << "opt" << FolderSource::Option;
    QTest::newRow("environment") << "" << "env" << "conf" << true << "env" << FolderSource::Environment;
    QTest::newRow("settings") << "" << "" << "conf" << true << "conf" << FolderSource::Settings;
    QTest::newRow("portable") << "" << "" << "" << true << "exe" << FolderSource::Executable;
    QTest::newRow("user copy") << "" << "" << "" << false << "docs/BRENLOQ" << FolderSource::UserCopy;
}

void TstProgramFolder::firstClueWins()
{
    QFETCH(QString, option);
    QFETCH(QString, environment);
    QFETCH(QString, settings);
    QFETCH(bool, portable);
    QTemporaryDir root;
    const QString base = root.path() + u'/';
    QDir(base).mkpath(QStringLiteral("exe"));
    if (portable)
        QDir(base).mkpath(QStringLiteral("exe/PREGUNTAS")); // any case, as on Windows disks
    if (!settings.isEmpty()) {
        QDir(base).mkpath(QStringLiteral("etc/brenloq"));
        QFile conf(base + QStringLiteral("etc/brenloq/brenloq.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("folder=" + (base + settings).toUtf8() + '\n');
    }
    bank::FolderClues clues;
    clues.option = option.isEmpty() ? QString() : base + option;
    clues.environment = environment.isEmpty() ? QString() : base + environment;
    clues.settingsDirs = {base + QStringLiteral("nowhere"), base + QStringLiteral("etc")};
    clues.executableFolder = base + QStringLiteral("exe");
    clues.documentsFolder = base + QStringLiteral("docs");

    QFETCH(QString, expected);
    QFETCH(FolderSource, source);
    const bank::ProgramFolder found = bank::findProgramFolder(clues);
    QCOMPARE(found.path, QDir::cleanPath(base + expected));
    QCOMPARE(found.source, source);
}

void TstProgramFolder::copyKeepsWhatIsThere()
{
    QTemporaryDir root;
    QDir dir(root.path());
    dir.mkpath(QStringLiteral("demo/Preguntas/1r/Mates"));
    dir.mkpath(QStringLiteral("demo/Controles-Usuarios"));
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("demo/tope.txt"), "10");
    write(QStringLiteral("demo/Preguntas/1r/Mates/1.txt"), "question");
    write(QStringLiteral("demo/.hidden"), "x");
    QFile::link(QStringLiteral("/etc/passwd"), dir.filePath(QStringLiteral("demo/link.txt")));
    QFile(dir.filePath(QStringLiteral("demo/tope.txt")))
        .setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    dir.mkpath(QStringLiteral("user"));
    write(QStringLiteral("user/tope.txt"), "20");

    QVERIFY(bank::copyMissing(dir.filePath(QStringLiteral("demo")), dir.filePath(QStringLiteral("user"))));
    QFile kept(dir.filePath(QStringLiteral("user/tope.txt")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("20"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("user/Preguntas/1r/Mates/1.txt"))));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("user/Controles-Usuarios"))).isDir());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("user/.hidden"))));
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("user/link.txt"))).isSymLink());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("user/link.txt"))));

    // A second copy from a read-only demo leaves writable files for the user.
    QFile::remove(dir.filePath(QStringLiteral("user/tope.txt")));
    QVERIFY(bank::copyMissing(dir.filePath(QStringLiteral("demo")), dir.filePath(QStringLiteral("user"))));
    QVERIFY(QFile::permissions(dir.filePath(QStringLiteral("user/tope.txt"))) & QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_programfolder.moc"
