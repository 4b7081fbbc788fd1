#include "player/wavplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The player loads its sound module from beside the program on the first
// sound; a folder without it, or with something else under its name, leaves
// the player silent instead of failing.
class TstSoundModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foundBesideTheProgram_data();
    void foundBesideTheProgram();
};

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
