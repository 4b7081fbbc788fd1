// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/startup.h"

#include "bank/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Starts as an installed program does, in a home of the test's own: the
// demo found through XDG_DATA_DIRS, the settings through XDG_CONFIG_DIRS.
class TstStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    QString user;
    ui::StartupTexts texts;

    void useDemo(const QString &demo) { qputenv("XDG_DATA_DIRS", QFile::encodeName(demo + QStringLiteral("/share"))); }
    // Every file of `demo` is in the user's copy, byte for byte.
    void checkWholeCopy(const QString &demo);

private Q_SLOTS:
    void initTestCase();
    void init();
    void interruptedCopyIsFinished();
    void startsAtOnceDoNotWarn();
    void unusableSettingsFolderIsNamed();
    void firstStartSpeaksTheDesktopsLanguage_data();
    void firstStartSpeaksTheDesktopsLanguage();
};

namespace {

// Set in the environment of a start made in a process of its own (see main).
constexpr auto kChildStart = "TST_STARTUP_CHILD";

} // namespace

void TstStartup::initTestCase()
{
    const QString home = root.path() + QStringLiteral("/home");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.path() + QStringLiteral("/etc")));
    qunsetenv("BRENLOQ_FOLDER");
    user = home + QStringLiteral("/Documents/BRENLOQ");
    texts = ui::commonStartupTexts();
    texts.cannotWrite = QStringLiteral("cannot write %1");
    texts.writableFolder = QStringLiteral("Controles-Usuarios");
    texts.cannotCopyFile = QStringLiteral("file %1: %2");
    texts.cannotCopyFolder = QStringLiteral("folder %1: %2");
}

void TstStartup::init()
{
    QDir(root.path() + QStringLiteral("/home")).removeRecursively();
    QDir(root.path() + QStringLiteral("/etc")).removeRecursively();
    ui::installRecordingPlatform();
}

void TstStartup::checkWholeCopy(const QString &demo)
{
    const QDir source(demo);
    // idioma/ speaks this desktop's language, when the demo has its set.
    const QString set = demo + QStringLiteral("/idiomes/") + bank::interfaceLanguageFor(QLocale().uiLanguages());
    int files = 0;
    for (QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++files) {
        const QString path = it.next();
        const QString name = source.relativeFilePath(path);
        const QString inSet = set + name.mid(name.indexOf(u'/'));
        const bool fromSet = name.startsWith(QStringLiteral("idioma/")) && QFileInfo(set).isDir() && QFileInfo::exists(inSet);
        QCOMPARE(testsupport::readBytes(user + u'/' + name), testsupport::readBytes(fromSet ? inSet : path));
    }
    QVERIFY(files > 0);
}

void TstStartup::interruptedCopyIsFinished()
{
    // Questions small enough to copy and a picture among them that a
    // 4 KB file-size limit stops: the copy ends after Preguntas was made.
    const QString demo = root.path() + QStringLiteral("/small/share/brenloq/demo");
    QVERIFY(QDir().mkpath(demo + QStringLiteral("/Preguntas/1r/Mates")));
    QVERIFY(QDir().mkpath(demo + QStringLiteral("/Controles-Usuarios")));
    for (const auto &[name, size] : {std::pair{"tope.txt", 2}, {"Preguntas/1r/Mates/1.txt", 90},
                                     {"Preguntas/1r/Mates/dibuix.gif", 9000}, {"sonidos/bien.wav", 300}}) {
        QDir().mkpath(QFileInfo(demo + u'/' + QLatin1String(name)).path());
        QFile file(demo + u'/' + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
    }
    useDemo(root.path() + QStringLiteral("/small"));
    auto &platform = static_cast<ui::RecordingPlatform &>(ui::platform());
    const QStringList arguments{QStringLiteral("BRENLOQ")};

    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = 4096;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto first = ui::startUp(arguments, texts);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    QCOMPARE(first, std::nullopt);
    QVERIFY(QFileInfo(user + QStringLiteral("/Preguntas")).isDir());
    QVERIFY(!QFileInfo::exists(user + QStringLiteral("/Preguntas/1r/Mates/dibuix.gif")));
    QVERIFY(!platform.messages.isEmpty());
    // The message names the file that could not be made, as a file.
    QCOMPARE(platform.messages.first().text.section(QStringLiteral(": "), 0, 0),
             QStringLiteral("file ") + user + QStringLiteral("/Preguntas/1r/Mates/dibuix.gif"));

    platform.messages.clear();
    QCOMPARE(ui::startUp(arguments, texts), std::nullopt);
    checkWholeCopy(demo);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, texts.userCopyNote.arg(user));

    // Said once: the next start finds the copy whole and says nothing.
    QFile::remove(user + QStringLiteral("/sonidos/bien.wav"));
    platform.messages.clear();
    QCOMPARE(ui::startUp(arguments, texts), std::nullopt);
    QCOMPARE(platform.messages.size(), 0);
    QVERIFY(!QFileInfo::exists(user + QStringLiteral("/sonidos/bien.wav"))); // what the user removed stays removed
}

void TstStartup::startsAtOnceDoNotWarn()
{
    const QString demo = root.path() + QStringLiteral("/full/share/brenloq/demo");
    QVERIFY(testsupport::copyTree(testsupport::demoFolder(), demo));
    useDemo(root.path() + QStringLiteral("/full"));

    // Each child starts when the pipe closes, and answers: 0 silent, 1 the
    // first-start note alone, 2 anything else (printed).
    int gate[2];
    QVERIFY(pipe(gate) == 0);
    QList<pid_t> children;
    for (int i = 0; i < 6; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(gate[1]);
            char byte;
            while (::read(gate[0], &byte, 1) > 0) {
            }
            auto &platform = ui::installRecordingPlatform();
            const auto exitCode = ui::startUp(QStringList{QStringLiteral("BRENLOQ")}, texts);
            for (const auto &shown : std::as_const(platform.messages))
                std::fprintf(stderr, "child %d: %s\n", i, qPrintable(shown.text));
            if (exitCode || platform.messages.size() > 1)
                _exit(2);
            if (platform.messages.isEmpty())
                _exit(0);
            _exit(platform.messages.first().text == texts.userCopyNote.arg(user) ? 1 : 2);
        }
        QVERIFY(pid > 0);
        children.append(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    QList<int> answers;
    for (const pid_t pid : std::as_const(children)) {
        int status = 0;
        waitpid(pid, &status, 0);
        answers.append(WIFEXITED(status) ? WEXITSTATUS(status) : 99);
    }
    std::sort(answers.begin(), answers.end());
    QCOMPARE(answers, (QList<int>{0, 0, 0, 0, 0, 1}));
    checkWholeCopy(demo);
}

void TstStartup::unusableSettingsFolderIsNamed()
{
    const QString conf = root.path() + QStringLiteral("/etc/brenloq/brenloq.conf");
    auto settings = [&](const QByteArray &line) {
        QFile file(conf);
        QVERIFY(QDir().mkpath(QFileInfo(conf).path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(line);
    };
    auto &platform = static_cast<ui::RecordingPlatform &>(ui::platform());
    const QStringList arguments{QStringLiteral("BRENLOQ")};

    settings("folder=escola\n");
    QCOMPARE(ui::startUp(arguments, texts), 1);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, texts.badSettings.arg(conf, QStringLiteral("escola"), texts.notAbsolute));

    const QString shared = root.path() + QStringLiteral("/srv/BRENLOQ, 2n ESO");
    QVERIFY(QDir().mkpath(shared + QStringLiteral("/Controles-Usuarios")));
    settings("folder=" + shared.toUtf8() + '\n');
    platform.messages.clear();
    QCOMPARE(ui::startUp(arguments, texts), std::nullopt);
    QCOMPARE(ui::chosenProgramFolder(), shared);
    QCOMPARE(platform.messages.size(), 0);
    QVERIFY(!QFileInfo::exists(user)); // no copy made for an account that shares a folder
}

void TstStartup::firstStartSpeaksTheDesktopsLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("languages"); // LANGUAGE, unset when empty
    QTest::addColumn<QString>("option"); // --language, none when empty
    QTest::addColumn<QString>("expected");
    QTest::newRow("es_ES") << "es_ES.UTF-8" << "" << "" << "es";
    QTest::newRow("en_GB") << "en_GB.UTF-8" << "" << "" << "en";
    QTest::newRow("ca_ES") << "ca_ES.UTF-8" << "" << "" << "ca";
    QTest::newRow("fr_FR") << "fr_FR.UTF-8" << "" << "" << "en";
    QTest::newRow("fr_FR, LANGUAGE=fr:es") << "fr_FR.UTF-8" << "fr:es" << "" << "es";
    QTest::newRow("C: as shipped") << "C.UTF-8" << "" << "" << "ca";
    // The program's language wins over the desktop's: the folder speaks as its windows do.
    QTest::newRow("es_ES, --language en") << "es_ES.UTF-8" << "" << "en" << "en";
    QTest::newRow("en_GB, --language ca") << "en_GB.UTF-8" << "" << "ca" << "ca";
    QTest::newRow("C, --language es") << "C.UTF-8" << "" << "es" << "es";
}

void TstStartup::firstStartSpeaksTheDesktopsLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QString, languages);
    QFETCH(QString, option);
    QFETCH(QString, expected);
    const QString demo = root.path() + QStringLiteral("/full/share/brenloq/demo");
    if (!QFileInfo(demo).isDir())
        QVERIFY(testsupport::copyTree(testsupport::demoFolder(), demo));
    useDemo(root.path() + QStringLiteral("/full"));

    // Each start in a process of its own: the desktop's language is read
    // from LANG and LANGUAGE once, when a program starts.
    auto startUnder = [&](const QString &lang, const QStringList &arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildStart), QStringLiteral("1"));
        environment.insert(QStringLiteral("LANG"), lang);
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        if (!languages.isEmpty())
            environment.insert(QStringLiteral("LANGUAGE"), languages);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    };
    auto speaks = [&](const QString &set) {
        for (const char *file : {"inicio.txt", "seleccion.txt", "Principal.txt", "ayuda.txt", "Final.txt", "resultats.txt"}) {
            const QByteArray bytes = testsupport::readBytes(user + QStringLiteral("/idioma/") + QLatin1String(file));
            if (bytes.isEmpty() || bytes != testsupport::readBytes(demo + QStringLiteral("/idiomes/") + set + u'/'
                                                                   + QLatin1String(file)))
                return false;
        }
        return true;
    };

    QVERIFY(startUnder(lang, option.isEmpty() ? QStringList() : QStringList{QStringLiteral("--language"), option}));
    QVERIFY(speaks(expected));
    // The other sets come along, for the school to switch with.
    QVERIFY(QFileInfo(user + QStringLiteral("/idiomes/es/Final.txt")).isFile());
    // A folder once made is never changed by a start in another language.
    QVERIFY(startUnder(expected == u"es" ? QStringLiteral("en_GB.UTF-8") : QStringLiteral("es_ES.UTF-8"), {}));
    QVERIFY(speaks(expected));
}

// A start in a process of its own when kChildStart is set; the tests
// otherwise.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildStart)) {
        ui::installRecordingPlatform();
        return ui::startUp(app.arguments(), ui::commonStartupTexts()).value_or(0);
    }
    TstStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
