// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/animatedpicture.h"

#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A GIF of `frames` frames, each one colour of a four-colour table, 10
// hundredths of a second apart, looping. Codes are written three bits wide
// with a clear code every two pixels, so no compression is needed.
QByteArray makeGif(int width, int height, const QList<int> &frames)
{
    QByteArray gif("GIF89a");
    auto word = [&gif](int value) {
        gif.append(char(value & 0xFF));
        gif.append(char((value >> 8) & 0xFF));
    };
    word(width);
    word(height);
    gif.append(char(0x81)); // global table of 4 colours
    gif.append(char(0));
    gif.append(char(0));
    gif.append(QByteArray::fromHex("ff0000" "0000ff" "00ff00" "ffffff"));
    gif.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("03010000") + '\0');

    for (int colour : frames) {
        gif.append(QByteArray::fromHex("21f904"));
        gif.append(char(0x04)); // keep the frame
        word(10);
        gif.append(char(0));
        gif.append('\0');

        gif.append(char(0x2C));
        word(0);
        word(0);
        word(width);
        word(height);
        gif.append(char(0));
        gif.append(char(2)); // minimum code size

        QByteArray data;
        quint32 bits = 0;
        int count = 0;
        auto put = [&](int code) {
            bits |= quint32(code) << count;
            count += 3;
            while (count >= 8) {
                data.append(char(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        };
        const int pixels = width * height;
        for (int i = 0; i < pixels; ++i) {
            if (i % 2 == 0)
                put(4);
            put(colour);
        }
        put(5);
        if (count > 0)
            data.append(char(bits & 0xFF));
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append('\0');
    }
    gif.append(char(0x3B));
    return gif;
}

} // namespace

class TstAnimatedPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void emptyNameShowsNothing();
    void animatesSeveralFrames();
    void showsSingleFrame();
    void unusableFiles_data();
    void unusableFiles();
    void emptyNameStopsAnimation();
    void newFileReplacesOld();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> dir;
};

void TstAnimatedPicture::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QString TstAnimatedPicture::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TstAnimatedPicture::emptyNameShowsNothing()
{
    ui::AnimatedPicture picture;
    QVERIFY(picture.setFileName(QString()));
    QCOMPARE(picture.fileName(), QString());
    QVERIFY(!picture.isShowing());
    QCOMPARE(picture.frameCount(), 0);
    QVERIFY(!picture.movie());
}

void TstAnimatedPicture::animatesSeveralFrames()
{
    const QString path = writeFile("si.gif", makeGif(8, 6, {0, 1, 2}));
    QVERIFY(!path.isEmpty());
    ui::AnimatedPicture picture;
    picture.resize(8, 6);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));

    QVERIFY(picture.setFileName(path));
    QCOMPARE(picture.fileName(), path);
    QVERIFY(picture.isShowing());
    QCOMPARE(picture.frameCount(), 3);
    QCOMPARE(picture.movie()->state(), QMovie::Running);

    QSignalSpy frames(picture.movie(), &QMovie::frameChanged);
    QTRY_VERIFY_WITH_TIMEOUT(frames.size() >= 3, 5000);
    QSet<QRgb> seen;
    for (int i = 0; i < 3; ++i) {
        picture.movie()->jumpToFrame(i);
        seen.insert(picture.grab().toImage().pixel(4, 3) & 0xFFFFFF);
    }
    QCOMPARE(seen, (QSet<QRgb>{0xFF0000, 0x0000FF, 0x00FF00}));
}

void TstAnimatedPicture::showsSingleFrame()
{
    const QString path = writeFile("one.gif", makeGif(5, 5, {3}));
    ui::AnimatedPicture picture;
    picture.resize(5, 5);
    QVERIFY(picture.setFileName(path));
    QVERIFY(picture.isShowing());
    QCOMPARE(picture.frameCount(), 1);
    QCOMPARE(picture.grab().toImage().pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
}

void TstAnimatedPicture::unusableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("missing file") << "missing.gif" << QByteArray();
    QTest::newRow("not a picture") << "text.gif" << QByteArray("no picture in here\r\n");
    QTest::newRow("empty file") << "empty.gif" << QByteArray("");
    QTest::newRow("header only") << "header.gif" << QByteArray("GIF89a");
    QTest::newRow("cut after the colour table") << "cut.gif" << makeGif(4, 4, {0, 1}).left(25);
    QTest::newRow("folder instead of a file") << "folder" << QByteArray();
}

void TstAnimatedPicture::unusableFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QString path = dir->filePath(name);
    if (name == "folder")
        QVERIFY(QDir(dir->path()).mkdir(name));
    else if (!bytes.isNull())
        QVERIFY(!writeFile(name, bytes).isEmpty());

    ui::AnimatedPicture picture;
    picture.resize(10, 10);
    picture.show();
    QVERIFY(!picture.setFileName(path));
    QCOMPARE(picture.fileName(), path);
    QVERIFY(!picture.isShowing());
    QCOMPARE(picture.frameCount(), 0);
    // No movie is left behind that could start showing later.
    QVERIFY(!picture.movie());
    QVERIFY(picture.findChildren<QMovie *>().isEmpty());
}

void TstAnimatedPicture::emptyNameStopsAnimation()
{
    const QString path = writeFile("no.gif", makeGif(4, 4, {0, 1}));
    ui::AnimatedPicture picture;
    QVERIFY(picture.setFileName(path));
    QVERIFY(picture.isShowing());
    QVERIFY(picture.setFileName(""));
    QVERIFY(!picture.isShowing());
    QVERIFY(!picture.movie());
    QVERIFY(picture.pixmap().isNull());
}

void TstAnimatedPicture::newFileReplacesOld()
{
    const QString first = writeFile("si.gif", makeGif(4, 4, {0, 1}));
    const QString second = writeFile("no.gif", makeGif(4, 4, {3}));
    ui::AnimatedPicture picture;
    picture.resize(4, 4);
    QVERIFY(picture.setFileName(first));
    QVERIFY(picture.setFileName(second));
    QCOMPARE(picture.frameCount(), 1);
    QCOMPARE(picture.grab().toImage().pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    // A failing name leaves nothing of the previous picture on show.
    QVERIFY(!picture.setFileName(dir->filePath("gone.gif")));
    QVERIFY(!picture.isShowing());
}

QTEST_MAIN(TstAnimatedPicture)
#include "tst_animatedpicture.moc"
