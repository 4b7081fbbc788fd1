// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Files of the kinds teachers really hand the quiz player: empty, zeroed by a
// crash, saved by another editor, copied through other systems, too large,
// misnamed or missing. Each one shows the question or a clear error line
// without reading an oversized file whole, and the next question works as
// before. Large files are made at run time in the throw-away program folder.

#include "sessionfixture.h"

#include "player/form5.h"

#include "player/registercomponents.h"

#include "bank/folders.h"
#include "bank/languagefile.h"
#include "bank/textcodec.h"
#include "ui/picturefile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using testsupport::Session;

namespace {

// A GIF of one colour and any size, LZW-coded by hand: a 20000 x 20000
// picture takes some 300 KB on disk and 1.6 GB once decoded. The code table
// is cleared each time it fills, as ordinary encoders do.
class GifWriter
{
public:
    static QByteArray solid(int width, int height)
    {
        QByteArray gif("GIF89a");
        appendWord(gif, width);
        appendWord(gif, height);
        gif += char(0x80); // a global colour table of two entries
        gif += char(0);
        gif += char(0);
        gif += QByteArray::fromHex("3366ccffffff"); // index 0 blue, 1 white
        gif += char(0x2C);
        appendWord(gif, 0);
        appendWord(gif, 0);
        appendWord(gif, width);
        appendWord(gif, height);
        gif += char(0);
        gif += char(2); // minimum code size

        GifWriter codes;
        codes.encode(qint64(width) * height);
        for (qsizetype at = 0; at < codes.bytes.size(); at += 255) {
            const QByteArray block = codes.bytes.mid(at, 255);
            gif += char(block.size());
            gif += block;
        }
        gif += char(0);
        gif += char(0x3B);
        return gif;
    }

private:
    static void appendWord(QByteArray &out, int value)
    {
        out += char(value & 0xFF);
        out += char((value >> 8) & 0xFF);
    }

    void put(int code, int width)
    {
        pending |= quint32(code) << pendingBits;
        pendingBits += width;
        while (pendingBits >= 8) {
            bytes += char(pending & 0xFF);
            pending >>= 8;
            pendingBits -= 8;
        }
    }

    // The code width a reader uses for the code after the j-th of a block.
    static int widthAfter(int j)
    {
        const int next = j < 2 ? 6 : 5 + j;
        int width = 3;
        while ((1 << width) <= next && width < 12)
            ++width;
        return width;
    }

    // A run of index 0: the j-th code of a block stands for j pixels (the
    // first for one), until the table is full at the 4091st.
    void encode(qint64 pixels)
    {
        constexpr int kClear = 4;
        constexpr int kEnd = 5;
        constexpr int kLastOfBlock = 4091;
        put(kClear, 3);
        int width = 3;
        int j = 1;
        while (pixels > 0) {
            const qint64 length = j == 1 ? 1 : j;
            const qint64 taken = std::min(pixels, length);
            put(taken == 1 ? 0 : int(taken) + 4, width);
            pixels -= taken;
            width = widthAfter(j);
            if (j == kLastOfBlock && pixels > 0) {
                put(kClear, width);
                width = 3;
                j = 1;
            } else {
                ++j;
            }
        }
        put(kEnd, width);
        if (pendingBits > 0)
            bytes += char(pending & 0xFF);
    }

    QByteArray bytes;
    quint32 pending = 0;
    int pendingBits = 0;
};

QByteArray trueFalseFile()
{
    return testsupport::crlf({QStringLiteral(" 6 "), QStringLiteral("Mestra"), QStringLiteral("L'aigua bull a 100 graus."),
                              QStringLiteral("VERDADERO")});
}

// Little-endian UTF-16 after its byte-order mark.
QByteArray utf16WithMark(const QString &text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

QByteArray demoBytes(const QString &relative)
{
    return testsupport::readBytes(testsupport::demoFolder() + u'/' + relative);
}

// How each file is made.
enum class Content { Bytes, HugeGif, FiftyMegabytes, Missing };

void writeContent(const Session &s, const QString &relative, Content content, const QByteArray &bytes)
{
    switch (content) {
    case Content::Bytes:
        s.folder.writeBytes(relative, bytes);
        break;
    case Content::HugeGif:
        s.folder.writeBytes(relative, GifWriter::solid(20000, 20000));
        break;
    case Content::FiftyMegabytes: {
        QFile file(s.folder.file(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray page = QByteArray("La tardor arriba al bosc i les fulles cauen. ").repeated(1024);
        while (file.size() < 50LL * 1024 * 1024)
            QVERIFY(file.write(page) == page.size());
        break;
    }
    case Content::Missing:
        break;
    }
}

// The test window on three questions of "Mates": the one under test first,
// then two that are fine.
player::Form3 *openWithFirst(Session &s)
{
    s.question(QStringLiteral("Mates"), 2, bank::splitLines(bank::decodeText(trueFalseFile())));
    s.question(QStringLiteral("Mates"), 3, bank::splitLines(bank::decodeText(trueFalseFile())));
    return s.open({QStringLiteral("Mates")}, 3, testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
}

// What the window shows for the question on show, in a line for the log.
QString shown(const player::Form3 *w)
{
    if (!w->Label18->text().isEmpty())
        return QStringLiteral("error line: ") + w->Label18->text();
    return QStringLiteral("shown, type %1").arg(bank::typeCode(w->shown.questionType));
}

// What the process has read from files so far, by the system's own count
// (Linux), or -1 where there is none. A window that shows an oversized file
// reads it up to its limit and no further.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Far below the 50 MB files, far above the limits and what Qt reads besides.
constexpr qint64 kMostReadForOneQuestion = 8 * 1024 * 1024;

// Shows question `index` of test `test`, checking it read no whole oversized file.
void showBounded(Session &s, int test, int index)
{
    const qint64 before = bytesReadSoFar();
    s.show(test, index);
    if (before >= 0) {
        const qint64 read = bytesReadSoFar() - before;
        QVERIFY2(read < kMostReadForOneQuestion, qPrintable(QStringLiteral("%1 bytes read").arg(read)));
    }
}

} // namespace

Q_DECLARE_METATYPE(Content)

class TstBadFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handMadeGifIsAPicture_data();
    void handMadeGifIsAPicture();

    void questionFile_data();
    void questionFile();

    void referencedFile_data();
    void referencedFile();

    void attachment_data();
    void attachment();

    void feedbackPicture_data();
    void feedbackPicture();

    void languageFile_data();
    void languageFile();

    void folderWithAGapAndAStrayFile();
    void specialFiles_data();
    void specialFiles();
    void namesWithAccentsSpacesAndUpperCase();
};

// The big picture below is only as good as its coding: smaller ones of the
// same making read back as they were made, a second table block included.
void TstBadFiles::handMadeGifIsAPicture_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("one pixel") << 1 << 1;
    QTest::newRow("a few codes") << 7 << 5;
    QTest::newRow("code width grows") << 300 << 200;
    QTest::newRow("table cleared once full") << 3000 << 3000;
}

void TstBadFiles::handMadeGifIsAPicture()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QByteArray gif = GifWriter::solid(width, height);
    QBuffer buffer(&gif);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.size(), QSize(width, height));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(width, height));
    for (const QPoint p : {QPoint(0, 0), QPoint(width - 1, height - 1), QPoint(width / 2, height / 3)})
        QCOMPARE(QColor(image.pixel(p)), QColor(0x33, 0x66, 0xcc));
}

void TstBadFiles::questionFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("errorLine"); // empty: the question is shown
    QTest::addColumn<int>("frame");         // the answer frame on show, -1 for any

    const QByteArray tf = trueFalseFile();
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("El fitxer «1.txt» és buit.") << -1;
    QTest::newRow("file of NUL bytes, as a crash leaves it")
        << QByteArray(4096, '\0') << QStringLiteral("El fitxer «1.txt» està malmès: no és un fitxer de text.") << -1;
    QTest::newRow("NUL bytes after a good start")
        << tf + QByteArray(512, '\0') << QStringLiteral("està malmès") << -1;
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF 6 \r\nMestra\r\nL'aigua \xC3\xA9s m\xC3\xA9s densa que el gel.\r\nVERDADERO\r\n")
        << QString() << 6;
    QTest::newRow("UTF-16 from Notepad's Unicode")
        << utf16WithMark(QStringLiteral(" 2 \r\nMestra\r\nCapital d'Itàlia?\r\nRoma\r\n")) << QString() << 2;
    QTest::newRow("LF-only line ends, written answer")
        << QByteArray(" 2 \nMestra\nQuant fan 2 + 2?\n4\n") << QString() << 2;
    QTest::newRow("LF-only line ends, multiple choice")
        << QByteArray(" 1 \nMestra\nQuin és un nombre primer?\n4\n7 \n9\n") << QString() << 1;
    QTest::newRow("CR-only line ends (old Macintosh)")
        << QByteArray(" 6 \rMestra\rEl Sol és una estrella.\rVERDADERO\r") << QString() << 6;
    QTest::newRow("type code 99") << QByteArray(" 99 \r\nMestra\r\nQ\r\nR\r\n")
                                  << QStringLiteral("El fitxer no és una pregunta: el tipus «99» no existeix.") << -1;
    QTest::newRow("type code -1") << QByteArray("-1\r\nMestra\r\n") << QStringLiteral("el tipus «-1» no existeix") << -1;
    QTest::newRow("type code 2.5") << QByteArray(" 2.5 \r\nMestra\r\nQ\r\nR\r\n")
                                   << QStringLiteral("el tipus «2.5» no existeix") << -1;
    QTest::newRow("type code too large for any number")
        << QByteArray(QByteArray(400, '9') + "\r\nMestra\r\n") << QStringLiteral("no és una pregunta") << -1;
    QTest::newRow("text first line: type 0, the credits frame") << QByteArray("Pregunta\r\nMestra\r\n") << QString() << 0;
    QTest::newRow("only the type line") << QByteArray(" 2 \r\n")
                                        << QStringLiteral("El fitxer de la pregunta s'acaba abans d'hora.") << -1;
    QTest::newRow("written answer without its answer line")
        << QByteArray(" 2 \r\nMestra\r\nQuant fan 2 + 2?\r\n")
        << QStringLiteral("El fitxer de la pregunta s'acaba abans d'hora.") << 2;
    QTest::newRow("nine options") << testsupport::crlf({" 1 ", "M", "Q", "1", "2", "3", "4", "5", "6", "7", "8", "9 "})
                                  << QStringLiteral("La pregunta té més de vuit opcions.") << 1;
    QTest::newRow("a 2 MB file named 1.txt")
        << QByteArray(" 2 \r\nMestra\r\n") + QByteArray(2 * 1024 * 1024, 'a')
        << QStringLiteral("El fitxer «1.txt» és massa gran per ser una pregunta.") << -1;
    QTest::newRow("a picture named 1.txt") << demoBytes(QStringLiteral("Graficos/gat.gif"))
                                           << QStringLiteral("El fitxer «1.txt» està malmès: no és un fitxer de text.")
                                           << -1;
}

void TstBadFiles::questionFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errorLine);
    QFETCH(int, frame);

    Session s;
    s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Mates/1.txt"), bytes);
    player::Form3 *w = openWithFirst(s);
    QVERIFY(w);

    showBounded(s, 0, 0);
    if (QTest::currentTestFailed())
        return;
    qInfo("%s -> %s", QTest::currentDataTag(), qPrintable(shown(w)));
    if (errorLine.isEmpty()) {
        QCOMPARE(w->Label18->text(), QString());
        if (frame > 0)
            QVERIFY(w->Command2->isEnabled());
    } else {
        QVERIFY2(w->Label18->text().contains(errorLine), qPrintable(w->Label18->text()));
        QVERIFY(!w->Command2->isEnabled());
    }
    if (frame >= 0)
        QVERIFY(w->Frame1[frame]->isVisibleTo(w));

    // The next question is shown as usual.
    s.show(0, 1);
    QCOMPARE(w->Label18->text(), QString());
    QVERIFY(w->Frame1[bank::QuestionType::TrueFalse]->isVisibleTo(w));
    QCOMPARE(w->Label15->text(), QStringLiteral("L'aigua bull a 100 graus."));
    QVERIFY(w->Command2->isEnabled());
}

void TstBadFiles::referencedFile_data()
{
    QTest::addColumn<QStringList>("question");
    QTest::addColumn<QString>("onDisk"); // relative to the program folder
    QTest::addColumn<Content>("content");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("errorLine");

    const QByteArray gif = demoBytes(QStringLiteral("Graficos/gat.gif"));
    const QByteArray jpg = demoBytes(QStringLiteral("Graficos/casa.jpg"));
    auto picture = [](const QString &name) {
        return QStringList{" 3 ", "Mestra", name, "Quin animal és?", "gat"};
    };
    auto graphic = [](const QString &name) {
        return QStringList{" 4 ", "Mestra", name, "Marca el sostre.", "40", "30"};
    };
    auto reading = [](const QString &name) {
        return QStringList{" 5 ", "Mestra", name, "Quina estació?", "tardor"};
    };

    QTest::newRow("truncated GIF, picture answer")
        << picture("gat.gif") << "Graficos/gat.gif" << Content::Bytes << gif.left(gif.size() / 2) << QString();
    QTest::newRow("GIF cut inside its header")
        << picture("gat.gif") << "Graficos/gat.gif" << Content::Bytes << gif.left(9)
        << QStringLiteral("No es pot obrir la imatge «gat.gif»: està malmesa o no és una imatge.");
    QTest::newRow("JPG renamed .gif, picture answer")
        << picture("casa.gif") << "Graficos/casa.gif" << Content::Bytes << jpg << QString();
    QTest::newRow("JPG renamed .gif, graphic")
        << graphic("casa.gif") << "Graficos/casa.gif" << Content::Bytes << jpg << QString();
    QTest::newRow("text file named .gif")
        << picture("nota.gif") << "Graficos/nota.gif" << Content::Bytes << QByteArray("no soc una imatge\r\n")
        << QStringLiteral("No es pot obrir la imatge «nota.gif»: està malmesa o no és una imatge.");
    QTest::newRow("20000 x 20000 picture, picture answer")
        << picture("mapa gran.gif") << "Graficos/mapa gran.gif" << Content::HugeGif << QByteArray()
        << QStringLiteral("La imatge «mapa gran.gif» és massa gran per mostrar-la (20000 × 20000 píxels).");
    QTest::newRow("20000 x 20000 picture, graphic")
        << graphic("mapa gran.gif") << "Graficos/mapa gran.gif" << Content::HugeGif << QByteArray()
        << QStringLiteral("La imatge «mapa gran.gif» és massa gran per mostrar-la (20000 × 20000 píxels).");
    QTest::newRow("picture that does not exist")
        << picture("falta.gif") << "Graficos/falta.gif" << Content::Missing << QByteArray()
        << QStringLiteral("No s'ha trobat el fitxer «falta.gif».");
    QTest::newRow("picture named with accents, spaces and upper-case extension")
        << picture("mapa d'àfrica del nord.jpg") << "Graficos/Mapa d'Àfrica del Nord.JPG" << Content::Bytes << jpg
        << QString();
    QTest::newRow("reading text that does not exist")
        << reading("lectura.txt") << "textos/altra.txt" << Content::Missing << QByteArray()
        << QStringLiteral("No s'ha trobat el fitxer «lectura.txt».");
    QTest::newRow("50 MB reading text")
        << reading("llibre.txt") << "textos/llibre.txt" << Content::FiftyMegabytes << QByteArray()
        << QStringLiteral("El text «llibre.txt» és massa llarg per mostrar-lo (50 MB).");
    QTest::newRow("reading text named with accents, spaces and upper-case extension")
        << reading("la tardor de l'àvia.txt") << "textos/La Tardor de l'Àvia.TXT" << Content::Bytes
        << QByteArray("La tardor arriba.\r\nCauen les fulles.\r\n") << QString();
    QTest::newRow("reading text in UTF-8 with a byte-order mark")
        << reading("tardor.txt") << "textos/tardor.txt" << Content::Bytes
        << QByteArray("\xEF\xBB\xBFLa tardor arriba.\r\nCauen les fulles.\r\n") << QString();
    QTest::newRow("reading text with LF-only line ends")
        << reading("tardor.txt") << "textos/tardor.txt" << Content::Bytes
        << QByteArray("La tardor arriba.\nCauen les fulles.\n") << QString();
    QTest::newRow("empty reading text") << reading("buit.txt") << "textos/buit.txt" << Content::Bytes
                                        << QByteArray() << QString();
}

void TstBadFiles::referencedFile()
{
    QFETCH(QStringList, question);
    QFETCH(QString, onDisk);
    QFETCH(Content, content);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errorLine);

    Session s;
    writeContent(s, onDisk, content, bytes);
    s.question(QStringLiteral("Mates"), 1, question);
    player::Form3 *w = openWithFirst(s);
    QVERIFY(w);

    showBounded(s, 0, 0);
    if (QTest::currentTestFailed())
        return;
    qInfo("%s -> %s", QTest::currentDataTag(), qPrintable(shown(w)));
    if (errorLine.isEmpty()) {
        QCOMPARE(w->Label18->text(), QString());
        QVERIFY(w->Command2->isEnabled());
        const int type = question.first().trimmed().toInt();
        QVERIFY(w->Frame1[type]->isVisibleTo(w));
        if (type == 3)
            QVERIFY(w->Image1->isVisibleTo(w) && !w->Image1->pixmap().isNull());
        if (type == 4)
            QVERIFY(!w->Picture2->picture().isNull());
        if (type == 5) {
            const QString text = w->Text2->toPlainText();
            QVERIFY(!text.contains(QChar(0xFEFF)));
            if (!bytes.isEmpty())
                QCOMPARE(text, QStringLiteral("La tardor arriba.\nCauen les fulles.\n"));
        }
    } else {
        QCOMPARE(w->Label18->text(), errorLine);
        QVERIFY(!w->Command2->isEnabled());
    }

    s.show(0, 1);
    QCOMPARE(w->Label18->text(), QString());
    QVERIFY(w->Frame1[bank::QuestionType::TrueFalse]->isVisibleTo(w));
}

void TstBadFiles::attachment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Content>("content");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("errorLine");
    QTest::addColumn<bool>("picture"); // what the viewer shows when there is no error

    const QByteArray jpg = demoBytes(QStringLiteral("Graficos/casa.jpg"));
    QTest::newRow("20000 x 20000 picture") << "Mapa.GIF" << Content::HugeGif << QByteArray()
                                           << QStringLiteral("La imatge «Mapa.GIF» és massa gran per mostrar-la "
                                                             "(20000 × 20000 píxels).")
                                           << true;
    QTest::newRow("JPG renamed .gif") << "casa.gif" << Content::Bytes << jpg << QString() << true;
    QTest::newRow("empty picture file") << "buit.jpg" << Content::Bytes << QByteArray()
                                        << QStringLiteral("No es pot obrir la imatge «buit.jpg»: està malmesa o no és "
                                                          "una imatge.")
                                        << true;
    QTest::newRow("50 MB text") << "llibre.txt" << Content::FiftyMegabytes << QByteArray()
                                << QStringLiteral("El text «llibre.txt» és massa llarg per mostrar-lo (50 MB).")
                                << false;
    QTest::newRow("text with lone CR line ends") << "vell.TXT" << Content::Bytes << QByteArray("una\rdues\r")
                                                 << QString() << false;
}

void TstBadFiles::attachment()
{
    QFETCH(QString, name);
    QFETCH(Content, content);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errorLine);
    QFETCH(bool, picture);

    Session s;
    writeContent(s, (picture ? QStringLiteral("Graficos/") : QStringLiteral("textos/")) + name, content, bytes);
    s.question(QStringLiteral("Mates"), 1, {" 1 ", "Mestra", "Quina?", "una ", "dues", name});
    player::Form3 *w = openWithFirst(s);
    QVERIFY(w);

    showBounded(s, 0, 0);
    if (QTest::currentTestFailed())
        return;
    qInfo("%s -> %s", QTest::currentDataTag(), qPrintable(shown(w)));
    player::Form5 *viewer = w->attachmentViewer();
    QVERIFY(viewer);
    QVERIFY(!w->Command4->isHidden());
    // The question itself stays answerable whatever its attachment.
    QVERIFY(w->Command2->isEnabled());
    if (errorLine.isEmpty()) {
        QCOMPARE(w->Label18->text(), QString());
        QCOMPARE(viewer->Image1->isVisibleTo(viewer), picture);
        if (!picture)
            QCOMPARE(viewer->Text1->toPlainText(), QStringLiteral("una\ndues\n"));
    } else {
        QCOMPARE(w->Label18->text(), errorLine);
    }
}

// The right/wrong pictures replaced by a teacher: whatever they are, the
// verdict is booked at once and the session goes on.
void TstBadFiles::feedbackPicture_data()
{
    QTest::addColumn<Content>("content");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("showing");

    const QByteArray gif = demoBytes(QStringLiteral("gifs/si.gif"));
    QTest::newRow("truncated GIF") << Content::Bytes << gif.left(gif.size() / 2) << true;
    QTest::newRow("JPG renamed .gif") << Content::Bytes << demoBytes(QStringLiteral("Graficos/casa.jpg")) << true;
    QTest::newRow("20000 x 20000 picture") << Content::HugeGif << QByteArray() << false;
    QTest::newRow("empty file") << Content::Bytes << QByteArray() << false;
    QTest::newRow("missing") << Content::Missing << QByteArray() << false;
}

void TstBadFiles::feedbackPicture()
{
    QFETCH(Content, content);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, showing);

    Session s;
    s.folder.remove(QStringLiteral("gifs/si.gif"));
    writeContent(s, QStringLiteral("gifs/si.gif"), content, bytes);
    s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Mates/1.txt"), trueFalseFile());
    player::Form3 *w = openWithFirst(s);
    QVERIFY(w);
    s.show(0, 0);

    // Booked by the time the click returns, whatever the picture.
    QTest::mouseClick(w->Command5[player::TrueFalseButton::SaysTrue], Qt::LeftButton);
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    QCOMPARE(w->List1(0)->item(0)->text(), w->files.texts.right);
    QCOMPARE(w->session().test(0).right, 1);
    QCOMPARE(w->Gif89a1->isShowing(), showing);
    qInfo("%s -> verdict booked, picture %s", QTest::currentDataTag(), showing ? "shown" : "not shown");
}

// Language files saved the ways translators save them. A lone LF stays in
// the text, so a file with LF-only line ends is one long caption that the
// captions read through the shared buffer all repeat.
void TstBadFiles::languageFile_data()
{
    QTest::addColumn<QByteArray>("principal");
    QTest::addColumn<QString>("confirm");  // Command2, the seventh line
    QTest::addColumn<QString>("trueText"); // Command5(0), the twelfth

    const QStringList lines{"C1", "C2", "C3", "Lectura", "Resposta", "Resposta", "D'acord", "Autor: ", "B",
                            "M", "Tria", "SÍ", "NO"};
    const QByteArray crlf = testsupport::crlf(lines);
    QTest::newRow("CR LF") << crlf << QStringLiteral("D'acord") << QStringLiteral("SÍ");
    QTest::newRow("UTF-16 from Notepad's Unicode")
        << utf16WithMark(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")) << QStringLiteral("D'acord")
        << QStringLiteral("SÍ");
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF only, from a Linux editor") << lf << QStringLiteral("D'acord") << QStringLiteral("SÍ");
    // An empty file reads no line: the captions keep the last help line,
    // read through the same buffer just before.
    const QStringList help = bank::splitLines(bank::decodeText(demoBytes(QStringLiteral("idioma/ayuda.txt"))));
    QTest::newRow("empty") << QByteArray() << help.value(6) << help.value(6);
    QTest::newRow("NUL bytes") << QByteArray(64, '\0') << QString(64, QChar(0)) << QString(64, QChar(0));
}

void TstBadFiles::languageFile()
{
    QFETCH(QByteArray, principal);
    QFETCH(QString, confirm);
    QFETCH(QString, trueText);

    Session s;
    s.folder.writeBytes(QStringLiteral("idioma/Principal.txt"), principal);
    s.folder.writeBytes(QStringLiteral("idioma/Final.txt"), principal);
    s.folder.writeBytes(QStringLiteral("tope.txt"), principal);
    s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Mates/1.txt"), trueFalseFile());
    player::Form3 *w = openWithFirst(s);
    QVERIFY(w);
    QCOMPARE(w->Command2->text(), confirm);
    QCOMPARE(w->Command5[player::TrueFalseButton::SaysTrue]->text(), trueText);
    QCOMPARE(w->files.markScaleHundredths, 1000);

    // The session still works: a right answer is booked under whatever
    // text the file gave.
    s.show(0, 0);
    QCOMPARE(w->Label18->text(), QString());
    QTest::mouseClick(w->Command5[player::TrueFalseButton::SaysTrue], Qt::LeftButton);
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    QCOMPARE(w->session().test(0).right, 1);
}

// 1.txt, 2.txt and 4.txt with a stray file: four files, so the player draws
// 1 to 4; the missing 3.txt says so, the stray file is never drawn.
void TstBadFiles::folderWithAGapAndAStrayFile()
{
    Session s;
    const QByteArray tf = trueFalseFile();
    for (const char *name : {"1.txt", "2.txt", "4.txt"})
        s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Mates/") + QLatin1String(name), tf);
    s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Mates/notes de la mestra.doc"), QByteArray("\xD0\xCF\x11\xE0"));
    player::Form3 *w = s.open({QStringLiteral("Mates")}, 4, testsupport::drawInOrder(4) + testsupport::drawInOrder(8));
    QVERIFY(w);
    QCOMPARE(s.selection->Label4(0)->text(), QStringLiteral("4"));
    QCOMPARE(w->List1(0)->count(), 4);
    for (const QString &path : w->List2[0])
        QVERIFY2(!path.contains(QStringLiteral("notes")), qPrintable(path));

    for (int row = 0; row < 4; ++row) {
        s.show(0, row);
        qInfo("entry %d (%s) -> %s", row + 1, qPrintable(QFileInfo(w->List2[0][row]).fileName()), qPrintable(shown(w)));
        if (row == 2) {
            QCOMPARE(w->Label18->text(), QStringLiteral("No s'ha trobat el fitxer «3.txt»."));
            QVERIFY(!w->Command2->isEnabled());
        } else {
            QCOMPARE(w->Label18->text(), QString());
            QVERIFY(w->Command2->isEnabled());
        }
    }
}

// What a downloaded or shared bank may hold under a file's name. Each is
// answered at once, as a missing file, and never read.
void TstBadFiles::specialFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to /dev/zero") << "zero";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("link leaving the program folder") << "outside";
}

void TstBadFiles::specialFiles()
{
    QFETCH(QString, kind);
    Session s;
    QTemporaryDir outside;
    // A link leading out of the folder points at a good file of its kind.
    auto plant = [&](const QString &relative, const QByteArray &good) {
        const QString path = s.folder.file(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        const QString target = outside.path() + u'/' + QFileInfo(path).fileName();
        if (kind == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        } else if (kind == u"zero") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == u"dangling") {
            QVERIFY(QFile::link(target, path));
        } else {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(good) == good.size());
            file.close();
            QVERIFY(QFile::link(target, path));
        }
    };
    plant(QStringLiteral("Preguntas/Proves/Mates/1.txt"), trueFalseFile());
    plant(QStringLiteral("Graficos/planta.gif"), demoBytes(QStringLiteral("gifs/si.gif")));
    plant(QStringLiteral("idioma/Final.txt"), demoBytes(QStringLiteral("idioma/Final.txt")));
    plant(QStringLiteral("GIF89.DLL"), QByteArray("MZ"));
    QVERIFY(QFile::link(QStringLiteral("/dev"), s.folder.file(QStringLiteral("Preguntas/Proves/Dispositius"))));
    s.question(QStringLiteral("Mates"), 2, {QStringLiteral(" 3 "), QStringLiteral("Mestra"), QStringLiteral("planta.gif"),
                                            QStringLiteral("Què és?"), QStringLiteral("planta")});
    for (int n = 3; n <= 4; ++n)
        s.question(QStringLiteral("Mates"), n, bank::splitLines(bank::decodeText(trueFalseFile())));

    // Draw 1, 2 and 3 out of however many files the folder counts.
    const int available = bank::fileCount(s.folder.file(QStringLiteral("Preguntas/Proves/Mates")));
    QList<double> draw;
    for (int n = 1; n <= 3; ++n)
        draw << (n - 0.5) / available;
    player::Form3 *w = s.open({QStringLiteral("Mates")}, 3, draw + testsupport::drawInOrder(8));
    QVERIFY(w);
    QVERIFY(!bank::subfolders(s.folder.file(QStringLiteral("Preguntas/Proves"))).contains(QStringLiteral("Dispositius")));
    s.show(0, 0);
    QCOMPARE(w->Label18->text(), QStringLiteral("No s'ha trobat el fitxer «1.txt»."));
    s.show(0, 1);
    QCOMPARE(w->Label18->text(), QStringLiteral("No s'ha trobat el fitxer «planta.gif»."));
    s.show(0, 2);
    QCOMPARE(w->Label18->text(), QString());
    QVERIFY(!bank::openLanguageFile(s.folder.path(), QStringLiteral("Final.txt")).exists());
    QCOMPARE(ui::readPicture(s.folder.file(QStringLiteral("Graficos/planta.gif"))).problem,
             kind == u"outside" ? ui::PictureProblem::None : ui::PictureProblem::Missing);

    QTemporaryDir system;
    s.platform->system = system.path();
    player::RegisterComponents(s.folder.path(), *s.platform);
    QVERIFY(s.platform->copies.isEmpty());
}

// A subject and an option folder named with accents and spaces, question
// files with upper-case extensions, as a Windows copy leaves them.
void TstBadFiles::namesWithAccentsSpacesAndUpperCase()
{
    Session s;
    const QByteArray tf = trueFalseFile();
    for (const char *name : {"1.TXT", "2.TXT", "3.Txt"})
        s.folder.writeBytes(QStringLiteral("Preguntas/Proves/Ciències Socials/Opció B/") + QLatin1String(name), tf);
    player::Form3 *w = s.open({QStringLiteral("Ciències Socials")}, 3,
                              testsupport::drawInOrder(3) + testsupport::drawInOrder(8));
    QVERIFY(w);
    QCOMPARE(w->testCount(), 1);
    QCOMPARE(w->Command1(0)->text(), QStringLiteral("Ciències Socials"));
    for (int row = 0; row < 3; ++row) {
        s.show(0, row);
        QCOMPARE(w->Label18->text(), QString());
        QCOMPARE(w->Label15->text(), QStringLiteral("L'aigua bull a 100 graus."));
    }
}

QTEST_MAIN(TstBadFiles)
#include "tst_badfiles.moc"
