// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using bank::FolderSource;

Q_DECLARE_METATYPE(bank::FolderSource)
Q_DECLARE_METATYPE(bank::SettingsProblem)

class TstProgramFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstClueWins_data();
    void firstClueWins();
    void copyKeepsWhatIsThere();
    void settingsLines_data();
    void settingsLines();
    void sampleSettingsNameNoFolder();
    void unreadableSettingsAreNamed();
    void copyNamesTheFolderItCannotMake();
    void desktopLanguageChoosesTheTexts_data();
    void desktopLanguageChoosesTheTexts();
    void copyTakesTheLanguagesTexts_data();
    void copyTakesTheLanguagesTexts();
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

void TstProgramFolder::settingsLines_data()
{
    // "@" stands for a temporary folder; `make` is made in it first ("/" at
    // the end: a folder), and `expected` empty means the user's copy.
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bank::SettingsProblem>("problem");
    using P = bank::SettingsProblem;

    QTest::newRow("comma") << QByteArray("folder=@/BRENLOQ, 2n ESO\n") << "BRENLOQ, 2n ESO/" << "@/BRENLOQ, 2n ESO" << P::None;
    QTest::newRow("semicolon") << QByteArray("folder=@/a;b\n") << "a;b/" << "@/a;b" << P::None;
    QTest::newRow("backslash") << QByteArray("folder=@/a\\b\n") << "a\\b/" << "@/a\\b" << P::None;
    QTest::newRow("hash inside") << QByteArray("folder=@/curs #2\n") << "curs #2/" << "@/curs #2" << P::None;
    QTest::newRow("blanks, CR LF") << QByteArray("  folder =\t@/x  \r\n") << "x/" << "@/x" << P::None;
    QTest::newRow("BOM, comments, section") << QByteArray("\xEF\xBB\xBF# folder=@/no\n; folder=@/no\n\n[General]\nfolder=@/x\n")
                                            << "x/" << "@/x" << P::None;
    QTest::newRow("UTF-8") << QByteArray("folder=@/Escola Pública\n") << "Escola Pública/" << "@/Escola Pública" << P::None;
    QTest::newRow("last line wins") << QByteArray("folder=@/no\nFOLDER=@/x") << "x/" << "@/x" << P::None;
    QTest::newRow("home") << QByteArray("folder=~/escola\n") << "home/escola/" << "@/home/escola" << P::None;
    QTest::newRow("commented out") << QByteArray("#folder=@/x\n") << "x/" << "" << P::None;
    QTest::newRow("empty value") << QByteArray("folder=\n") << "" << "" << P::None;
    QTest::newRow("relative") << QByteArray("folder=escola\n") << "escola/" << "escola" << P::Relative;
    QTest::newRow("another's home") << QByteArray("folder=~pupil/x\n") << "" << "~pupil/x" << P::Relative;
    QTest::newRow("missing") << QByteArray("folder=@/nope\n") << "" << "@/nope" << P::Missing;
    QTest::newRow("a file") << QByteArray("folder=@/tope.txt\n") << "tope.txt" << "@/tope.txt" << P::NotAFolder;
}

void TstProgramFolder::settingsLines()
{
    QFETCH(QByteArray, conf);
    QFETCH(QString, make);
    QFETCH(QString, expected);
    QFETCH(bank::SettingsProblem, problem);
    QTemporaryDir root;
    const QString base = root.path();
    QDir(base).mkpath(QStringLiteral("etc/brenloq"));
    QFile file(base + QStringLiteral("/etc/brenloq/brenloq.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(conf.replace('@', base.toUtf8()));
    file.close();
    if (make.endsWith(u'/'))
        QVERIFY(QDir(base).mkpath(make));
    else if (!make.isEmpty())
        QVERIFY(QFile(base + u'/' + make).open(QIODevice::WriteOnly));

    bank::FolderClues clues;
    clues.settingsDirs = {base + QStringLiteral("/etc")};
    clues.executableFolder = base + QStringLiteral("/exe");
    clues.documentsFolder = base + QStringLiteral("/docs");
    clues.homeFolder = base + QStringLiteral("/home");
    const bank::ProgramFolder found = bank::findProgramFolder(clues);
    if (expected.isEmpty()) {
        QCOMPARE(found.source, FolderSource::UserCopy);
        return;
    }
    QCOMPARE(found.source, FolderSource::Settings);
    QCOMPARE(found.path, expected.replace(u'@', base));
    QCOMPARE(found.problem, problem);
    QCOMPARE(found.settingsFile, file.fileName());
}

void TstProgramFolder::sampleSettingsNameNoFolder()
{
    // The shipped sample is read as it is, and its examples once uncommented.
    QFile sample(QStringLiteral(DEMO_DIR "/../data/brenloq.conf"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray text = sample.readAll();
    QCOMPARE(bank::settingsValue(text, QStringLiteral("folder")), std::nullopt);
    int examples = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith("#folder="))
            continue;
        ++examples;
        const auto value = bank::settingsValue(line.mid(1), QStringLiteral("folder"));
        QVERIFY(value && value->startsWith(u'/'));
        QCOMPARE(*value, QString::fromUtf8(line.mid(8)));
    }
    QVERIFY(examples > 0);
}

void TstProgramFolder::unreadableSettingsAreNamed()
{
    // Left to root alone, as an administrator's mistake does: the pupil's
    // account must hear of it, not start on a copy of its own.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("etc/brenloq")));
    QFile conf(root.path() + QStringLiteral("/etc/brenloq/brenloq.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("folder=/srv/escola\n");
    conf.close();
    QVERIFY(conf.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                   | QFile::ReadOther | QFile::ExeOther));
    bank::FolderClues clues;
    clues.settingsDirs = {root.path() + QStringLiteral("/etc")};
    clues.documentsFolder = root.path();
    auto named = [&] {
        const bank::ProgramFolder found = bank::findProgramFolder(clues);
        return found.source == FolderSource::Settings && found.problem == bank::SettingsProblem::Unreadable
            && found.settingsFile == conf.fileName();
    };
    if (::geteuid() != 0) {
        QVERIFY(named());
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(named() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TstProgramFolder::copyNamesTheFolderItCannotMake()
{
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("demo/Preguntas/1r")));
    QVERIFY(dir.mkpath(QStringLiteral("user")));
    QVERIFY(QFile(dir.filePath(QStringLiteral("user/Preguntas"))).open(QIODevice::WriteOnly));
    bank::CopyFailure failure;
    QVERIFY(!bank::copyMissing(dir.filePath(QStringLiteral("demo")), dir.filePath(QStringLiteral("user")), &failure));
    QCOMPARE(failure.path, dir.filePath(QStringLiteral("user/Preguntas")));
    QVERIFY(failure.isFolder);
    QVERIFY(!failure.reason.isEmpty());
}

void TstProgramFolder::desktopLanguageChoosesTheTexts_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("es_ES") << QStringList{"es-ES", "es-Latn-ES", "es"} << "es";
    QTest::newRow("en_GB") << QStringList{"en-GB", "en-Latn-GB"} << "en";
    QTest::newRow("ca_ES") << QStringList{"ca-ES", "ca-Latn-ES", "ca"} << "ca";
    QTest::newRow("Valencian") << QStringList{"ca-ES-valencia"} << "ca";
    QTest::newRow("written with _") << QStringList{"es_MX"} << "es";
    QTest::newRow("fr_FR: English") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << "en";
    QTest::newRow("gl_ES: Spanish") << QStringList{"gl-ES", "gl-Latn-ES", "gl"} << "es";
    QTest::newRow("LANGUAGE=fr:es") << QStringList{"fr", "fr-FR", "es", "es-ES"} << "es";
    QTest::newRow("LANGUAGE=de:ca") << QStringList{"de", "de-DE", "ca"} << "ca";
    QTest::newRow("C locale: as shipped") << QStringList{"C"} << "";
    QTest::newRow("none") << QStringList() << "";
}

void TstProgramFolder::desktopLanguageChoosesTheTexts()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(bank::interfaceLanguageFor(uiLanguages), expected);
}

void TstProgramFolder::copyTakesTheLanguagesTexts_data()
{
    // The demo: idioma/ in Catalan; a Spanish set lacking ayuda.txt; no
    // English set.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("final");
    QTest::addColumn<QByteArray>("help");
    QTest::newRow("es: its set, and the demo's file it lacks") << "es" << QByteArray("es final") << QByteArray("ca help");
    QTest::newRow("ca") << "ca" << QByteArray("ca final") << QByteArray("ca help");
    QTest::newRow("en, with no set: the demo's") << "en" << QByteArray("ca final") << QByteArray("ca help");
    QTest::newRow("no language: the demo's") << "" << QByteArray("ca final") << QByteArray("ca help");
}

void TstProgramFolder::copyTakesTheLanguagesTexts()
{
    QFETCH(QString, language);
    QTemporaryDir root;
    QDir dir(root.path());
    auto write = [&](const QString &name, const QByteArray &bytes) {
        dir.mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    auto read = [&](const QString &name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    write(QStringLiteral("demo/Preguntas/1r/Mates/1.txt"), "question");
    write(QStringLiteral("demo/idioma/Final.txt"), "ca final");
    write(QStringLiteral("demo/idioma/ayuda.txt"), "ca help");
    write(QStringLiteral("demo/idiomes/ca/Final.txt"), "ca final");
    write(QStringLiteral("demo/idiomes/ca/ayuda.txt"), "ca help");
    write(QStringLiteral("demo/idiomes/es/Final.txt"), "es final");
    const QString demo = dir.filePath(QStringLiteral("demo"));
    const QString user = dir.filePath(QStringLiteral("user"));

    QCOMPARE(bank::completeUserCopy(demo, user, nullptr, language), bank::UserCopy::FinishedNow);
    QTEST(read(QStringLiteral("user/idioma/Final.txt")), "final");
    QTEST(read(QStringLiteral("user/idioma/ayuda.txt")), "help");
    // The sets come along, for the school to switch with.
    QCOMPARE(read(QStringLiteral("user/idiomes/es/Final.txt")), QByteArray("es final"));

    // A folder once made keeps its language.
    const QByteArray before = read(QStringLiteral("user/idioma/Final.txt"));
    QCOMPARE(bank::completeUserCopy(demo, user, nullptr, language == u"es" ? "ca" : "es"),
             bank::UserCopy::AlreadyWhole);
    QCOMPARE(read(QStringLiteral("user/idioma/Final.txt")), before);
}

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_programfolder.moc"
