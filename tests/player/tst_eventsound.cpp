// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/wavplayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <cstdlib>

// The feedback sounds: read within bounds from the program folder, played
// from a private copy, and silence where there is no audio.
class TstEventSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void soundReadWithinBounds_data();
    void soundReadWithinBounds();
    void privateCopies_data();
    void privateCopies();
    void silentWithoutAudio();
};

// The sounds are read as every file of the program folder: only a regular
// file inside it, within the limit; a FIFO is refused at once, not waited on.
void TstEventSound::soundReadWithinBounds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("problem");
    QTest::newRow("a small WAV") << "file" << int(bank::FileProblem::None);
    QTest::newRow("a FIFO") << "fifo" << int(bank::FileProblem::NotAFile);
    QTest::newRow("a folder") << "folder" << int(bank::FileProblem::NotAFile);
    QTest::newRow("one byte over the limit") << "large" << int(bank::FileProblem::TooLarge);
    QTest::newRow("a link out of the folder") << "outside" << int(bank::FileProblem::Missing);
}

void TstEventSound::soundReadWithinBounds()
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

// The library reads the copy, never the pupil-reachable file again: each
// distinct sound gets its own copy holding exactly the bytes read.
void TstEventSound::privateCopies_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::newRow("the same sound twice") << QByteArray("RIFF-si") << QByteArray("RIFF-si");
    QTest::newRow("right then wrong") << QByteArray("RIFF-si") << QByteArray("RIFF-no");
    QTest::newRow("an empty file, then a sound") << QByteArray() << QByteArray("RIFF-si");
}

void TstEventSound::privateCopies()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    player::EventSound sound;
    const QString a = sound.copyOf(first), b = sound.copyOf(second);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    QCOMPARE(a == b, first == second);
    for (const auto &[path, bytes] : {std::pair{a, first}, std::pair{b, second}}) {
        QFile copy(path);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
    }
}

// No sound card and no sound server (the build machine): play says so and
// the player goes on.
void TstEventSound::silentWithoutAudio()
{
    qputenv("CANBERRA_DRIVER", "no-such-output");
    player::EventSound sound;
    QVERIFY(!sound.play(QByteArray("RIFF-si")));
    QVERIFY(!sound.play(QByteArray("RIFF-no")));
    qunsetenv("CANBERRA_DRIVER");
}

QTEST_GUILESS_MAIN(TstEventSound)
#include "tst_eventsound.moc"
