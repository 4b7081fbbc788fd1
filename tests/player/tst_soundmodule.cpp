#include "player/wavplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The player loads its sound module from beside the program on the first
// sound; a folder without it, or with something else under its name, leaves
// the player silent instead of failing.
class TstSoundModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foundBesideTheProgram_data();
    void foundBesideTheProgram();
    void soundReadWithinBounds_data();
    void soundReadWithinBounds();
};

// The sounds are read as every file of the program folder: only a regular
// file inside it, within the limit; a FIFO is refused at once, not waited on.
void TstSoundModule::soundReadWithinBounds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("problem");
    QTest::newRow("a small WAV") << "file" << int(bank::FileProblem::None);
    QTest::newRow("a FIFO") << "fifo" << int(bank::FileProblem::NotAFile);
    QTest::newRow("a folder") << "folder" << int(bank::FileProblem::NotAFile);
    QTest::newRow("one byte over the limit") << "large" << int(bank::FileProblem::TooLarge);
    QTest::newRow("a link out of the folder") << "outside" << int(bank::FileProblem::Missing);
}

void TstSoundModule::soundReadWithinBounds()
{
    QFETCH(QString, kind);
    QFETCH(int, problem);
    QTemporaryDir program, elsewhere;
    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("sonidos")));
    const QString path = program.filePath(QStringLiteral("sonidos/si.wav"));
    const QByteArray wav("RIFF\x24\0\0\0WAVEfmt ", 16);
    if (kind == u"file" || kind == u"large") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(wav);
        if (kind == u"large")
            QVERIFY(file.resize(bank::kMaxSoundFileBytes + 1));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile outside(elsewhere.filePath(QStringLiteral("si.wav")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write(wav);
        outside.close();
        QVERIFY(QFile::link(outside.fileName(), path));
    }
    const bank::FileContent read = player::readSound(path, program.path());
    QCOMPARE(int(read.problem), problem);
    QCOMPARE(read.bytes, problem == int(bank::FileProblem::None) ? wav : QByteArray());
}

void TstSoundModule::foundBesideTheProgram_data()
{
    QTest::addColumn<QString>("content"); // of a file under the module's name; empty: the build's folder
    QTest::addColumn<bool>("found");
    QTest::newRow("the built module, beside this test") << QString() << true;
    QTest::newRow("no module in the folder") << QStringLiteral("-") << false;
    QTest::newRow("a text file under the module's name") << QStringLiteral("not a library") << false;
}

void TstSoundModule::foundBesideTheProgram()
{
    QFETCH(QString, content);
    QFETCH(bool, found);
    QTemporaryDir other;
    QString folder = QCoreApplication::applicationDirPath();
    if (!content.isEmpty()) {
        folder = other.path();
        if (content != u"-") {
            QFile file(other.filePath(QString::fromLatin1(player::kSoundModule) + QStringLiteral(".so")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        }
    }
    QCOMPARE(player::loadSoundModule(folder) != nullptr, found);
}

QTEST_GUILESS_MAIN(TstSoundModule)
#include "tst_soundmodule.moc"
