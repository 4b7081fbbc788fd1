// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Imports and exports on real folders: the demo bank out and back in,
// hostile files, pictures under free names, and brenloq-convert itself.

#include "convert/pictures.h"
#include "interchange/interchange.h"

#include "bank/question.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QtTest>

using namespace interchange;
using testsupport::ProgramFolder;

namespace {

QStringList allFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// The question files of a folder, in number order.
QList<QByteArray> questionFiles(const QString &folder)
{
    QMap<int, QByteArray> byNumber;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        if (const int n = bank::questionFileNumber(name))
            byNumber.insert(n, testsupport::readBytes(folder + u'/' + name));
    }
    return byNumber.values();
}

QByteArray gifBytes()
{
    return QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=");
}

} // namespace

class TstConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("GIFT") << "bank.gift";
        QTest::newRow("Moodle XML") << "bank.xml";
    }
    void roundTrip()
    {
        QFETCH(QString, fileName);
        const bool gift = fileName.endsWith(QLatin1String(".gift"));
        ProgramFolder demo;
        QTemporaryDir out;
        const QString file = out.filePath(fileName);
        const Outcome exported = exportFolder(demo.file(QStringLiteral("Preguntas")), file);
        QCOMPARE(exported.failure, QString());

        // Every graphic and reading question is named; GIFT names the picture ones too.
        const QString bank = testsupport::demoFolder() + QStringLiteral("/Preguntas");
        int notCarried = 0;
        for (const QString &path : allFiles(bank)) {
            const QByteArray bytes = testsupport::readBytes(path);
            if (bytes.startsWith(" 4 ") || bytes.startsWith(" 5 ") || (gift && bytes.startsWith(" 3 "))) {
                ++notCarried;
                const QString where = QDir(bank).relativeFilePath(path);
                QVERIFY2(exported.lines.filter(where + u':').size() == 1, qPrintable(where));
            }
        }
        QCOMPARE(exported.skipped.size(), notCarried);
        QCOMPARE(exported.status, SomeNotDone);

        // Into an empty folder of a program folder that has no pictures of its
        // own: Moodle XML carries them; GIFT only names them.
        ProgramFolder target(false);
        if (gift) {
            QVERIFY(testsupport::copyTree(demo.file(QStringLiteral("Graficos")), target.file(QStringLiteral("Graficos"))));
            QVERIFY(testsupport::copyTree(demo.file(QStringLiteral("textos")), target.file(QStringLiteral("textos"))));
        }
        const QString into = target.file(QStringLiteral("Preguntas/Importades"));
        const Outcome imported = importFile(file, into);
        QCOMPARE(imported.failure, QString());
        QCOMPARE(imported.lines, QStringList{});
        QCOMPARE(imported.status, AllDone);
        QCOMPARE(imported.done, exported.done);

        int compared = 0;
        QDirIterator folders(bank, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (folders.hasNext()) {
            const QString folder = folders.next();
            QList<QByteArray> expected;
            for (const QByteArray &bytes : questionFiles(folder)) {
                if (bytes.startsWith(" 1 ") || bytes.startsWith(" 2 ") || bytes.startsWith(" 6 ") || (!gift && bytes.startsWith(" 3 ")))
                    expected << bytes;
            }
            const QString relative = QDir(bank).relativeFilePath(folder);
            QCOMPARE(questionFiles(into + u'/' + relative), expected);
            compared += int(expected.size());
        }
        QCOMPARE(compared, exported.done);
        if (!gift) {
            for (const QString &picture : QDir(target.file(QStringLiteral("Graficos"))).entryList(QDir::Files))
                QCOMPARE(testsupport::readBytes(target.file(QStringLiteral("Graficos/") + picture)),
                         testsupport::readBytes(demo.file(QStringLiteral("Graficos/") + picture)));
        }
    }

    void hostile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");   // in the failure or a line
        QTest::addColumn<int>("imported");
        QTest::newRow("entity bomb") << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE q [<!ENTITY a \"aaaaaaaa\">"
                                                   "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><quiz>&b;</quiz>")
                                     << "DOCTYPE" << 0;
        QTest::newRow("unterminated braces") << QByteArray("Fine? {T}\n\n::X::Broken {=a ~b\nmore\n")
                                             << "línia 3 («X»): la clau «{» no es tanca" << 1;
        QTest::newRow("invalid UTF-8") << QByteArray("Caf\xe9 o t\xe8? {=caf\xe9 ~t\xe8}\n\xff\xfe\xc3")
                                       << "no és UTF-8 vàlid" << 1;
        QTest::newRow("character the bank cannot hold") << QByteArray("Resistència en \xce\xa9? {=ohm ~volt}\n\nB? {T}")
                                                         << "«Ω» (U+03A9)" << 1;
        QTest::newRow("picture that does not decode") << QByteArray(
            "<quiz><question type=\"shortanswer\"><name><text>N</text></name><questiontext format=\"html\">"
            "<text>&lt;img src=\"@@PLUGINFILE@@/p.gif\"&gt;Q</text><file name=\"p.gif\" encoding=\"base64\">!!!</file>"
            "</questiontext><answer fraction=\"100\"><text>a</text></answer></question></quiz>")
            << "«p.gif» no és base64" << 0;
        QTest::newRow("picture named with ../") << QByteArray(
            "<quiz><question type=\"shortanswer\"><name><text>N</text></name><questiontext format=\"html\">"
            "<text>&lt;img src=\"@@PLUGINFILE@@/../../../evil.gif\"&gt;Q</text>"
            "<file name=\"../../../evil.gif\" encoding=\"base64\">R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=</file>"
            "</questiontext><answer fraction=\"100\"><text>a</text></answer></question></quiz>")
            << QString() << 1;
    }
    void hostile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        QFETCH(int, imported);
        ProgramFolder program(false);
        program.makeFolder(QStringLiteral("Preguntas"));
        const QString folder = program.file(QStringLiteral("Preguntas/Nou"));
        const QStringList before = allFiles(program.path());
        const Outcome outcome = importBytes(bytes, QStringLiteral("f"), folder);
        QCOMPARE(outcome.done, imported);
        QVERIFY2((outcome.failure + outcome.lines.join(u'\n')).contains(told), qPrintable(outcome.failure + outcome.lines.join(u'\n')));
        const QString graficos = program.file(QStringLiteral("Graficos/"));
        for (const QString &path : allFiles(program.path())) {
            if (!before.contains(path))
                QVERIFY2(path.startsWith(folder + u'/') || path.startsWith(graficos), qPrintable(path));
        }
        QCOMPARE(allFiles(program.path()).size(), before.size() + imported
                     + (QTest::currentDataTag() == QLatin1String("picture named with ../") ? 1 : 0));
    }

    void tooLarge()
    {
        ProgramFolder program(false);
        QTemporaryDir dir;
        QFile big(dir.filePath(QStringLiteral("big.gift")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(100 * 1024 * 1024)); // sparse: no 100 MB written
        big.close();
        const Outcome outcome = importFile(big.fileName(), program.file(QStringLiteral("Preguntas/Nou")));
        QCOMPARE(outcome.status, NothingDone);
        QVERIFY2(outcome.failure.contains(QStringLiteral("fa més de 64 MB")), qPrintable(outcome.failure));
        QVERIFY(!QFileInfo::exists(program.file(QStringLiteral("Preguntas/Nou"))));
    }

    // A picture goes under its own name, beside an equal file, or under a
    // free one; never over another file. A PNG becomes a JPEG.
    void pictureNames_data()
    {
        QTest::addColumn<QByteArray>("there");
        QTest::addColumn<QByteArray>("carried");
        QTest::addColumn<QString>("named");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.save(&buffer, "PNG");
        QTest::newRow("free") << QByteArray() << gifBytes() << "p.gif";
        QTest::newRow("the same picture there") << gifBytes() << gifBytes() << "p.gif";
        QTest::newRow("another picture there") << QByteArray("GIF89a other") << gifBytes() << "p-2.gif";
        QTest::newRow("PNG") << QByteArray() << png << "p.jpg";
    }
    void pictureNames()
    {
        QFETCH(QByteArray, there);
        QFETCH(QByteArray, carried);
        QFETCH(QString, named);
        ProgramFolder program(false);
        if (!there.isEmpty())
            program.writeBytes(QStringLiteral("Graficos/p.gif"), there);
        const QByteArray xml = "<quiz><question type=\"shortanswer\"><name><text>N</text></name><questiontext format=\"html\">"
                               "<text>Q&lt;img src=\"@@PLUGINFILE@@/p.gif\"&gt;</text><file name=\"p.gif\" encoding=\"base64\">"
            + carried.toBase64() + "</file></questiontext><answer fraction=\"100\"><text>a</text></answer></question></quiz>";
        Options options;
        options.convertPicture = convert::toJpeg;
        const Outcome outcome = importBytes(xml, QStringLiteral("f.xml"), program.file(QStringLiteral("Preguntas")), options);
        QCOMPARE(outcome.lines, QStringList{});
        bank::Question q;
        QCOMPARE(bank::readQuestionFile(program.file(QStringLiteral("Preguntas/1.txt")), q), bank::ReadError::None);
        QCOMPARE(q.fileName, named);
        if (!there.isEmpty())
            QCOMPARE(testsupport::readBytes(program.file(QStringLiteral("Graficos/p.gif"))), there);
        QVERIFY(QImage(program.file(QStringLiteral("Graficos/") + named)).width() == 1 || named.endsWith(u"jpg"));
        QVERIFY(!QImage(program.file(QStringLiteral("Graficos/") + named)).isNull());
    }

    // The program: exit status, summary, and a dry run that writes nothing;
    // its lines in the desktop's language or the one asked for.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("lang");  // LANG; Catalan, the program's own, under C
        QTest::addColumn<QString>("told");  // a line it prints
        const QByteArray good("::A::One? {T}\n\n::B::Two? {=2 ~3}\n");
        const QByteArray mixed("One? {T}\n\nMatch {=a -> b =c -> d}\n\nN? {#3}\n\nQ? {=a =b}\n");
        const QStringList import{"import", "F.gift", "Preguntas/Nou"};
        QTest::newRow("all") << import << good << 0 << "2 preguntes importades." << 2 << "C" << QString();
        QTest::newRow("some not, with a note") << import << mixed << 1
            << "2 preguntes importades, 2 no: 1 d'aparellar, 1 numèrica." << 2
            << "C" << "F.gift: línia 7: importada, però només es porta la resposta «a»; no les altres: «b»";
        QTest::newRow("dry run") << QStringList{"--check", "import", "F.gift", "Preguntas/Nou"} << mixed << 1
            << "Prova, no s'ha escrit res: 2 preguntes s'importarien, 2 no: 1 d'aparellar, 1 numèrica." << 0 << "C" << QString();
        QTest::newRow("nothing") << import << QByteArray("N? {#3}") << 2
            << "0 preguntes importades, 1 no: 1 numèrica." << 0 << "C" << "F.gift: línia 1: pregunta numèrica: el banc no en té";
        QTest::newRow("not under Preguntas") << QStringList{"import", "F.gift", "Altres"} << good << 2 << QString() << 0 << "C" << QString();
        QTest::newRow("no question at all") << QStringList{"import", "F.gift", "Preguntas"} << QByteArray("hello") << 2
            << "0 preguntes importades, 1 no: 1 descripció." << 0 << "C" << QString();
        QTest::newRow("export") << QStringList{"export", "Preguntas", "out.xml"} << good << 0 << "1 pregunta exportada." << 1 << "C" << QString();
        QTest::newRow("export into the bank") << QStringList{"export", "Preguntas", "Preguntas/out.xml"} << good << 2 << QString() << 0 << "C" << QString();
        QTest::newRow("English desktop") << import << mixed << 1
            << "2 questions imported, 2 not: 1 matching, 1 numerical." << 2
            << "en_US.UTF-8" << "F.gift: line 7: imported, but only the answer “a” is brought in; not the others: “b”";
        QTest::newRow("--language en") << QStringList{"--language", "en", "--check"} + import << mixed << 1
            << "Trial run, nothing written: 2 questions would be imported, 2 not: 1 matching, 1 numerical." << 0
            << "C" << "F.gift: line 5: numerical question: the bank has no such type";
        // The bank's own refusal, in the language asked for too.
        QTest::newRow("--language en, the bank refuses") << QStringList{"--language", "en"} + import
            << QByteArray("One &#13; two? {=a ~b}\n") << 2
            << "0 questions imported, 1 not: 1 that the bank cannot store." << 0 << "C"
            << "F.gift: line 1: A field of the question contains a line break. The question has not been saved.";
        QTest::newRow("Spanish desktop") << import << mixed << 1
            << "2 preguntas importadas, 2 no: 1 de emparejamiento, 1 numérica." << 2
            << "es_ES.UTF-8" << "F.gift: línea 3: pregunta de emparejamiento: el banco no tiene de este tipo";
        QTest::newRow("--language es over the desktop") << QStringList{"--language=es", "export", "Preguntas", "out.doc"} << good << 2
            << QString() << 0 << "en_US.UTF-8" << "brenloq-convert: «out.doc»: el nombre debe acabar en .gift, .txt o .xml";
    }
    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, summary);
        QFETCH(int, written);
        QFETCH(QString, lang);
        QFETCH(QString, told);
        ProgramFolder folder(false);
        folder.writeLines(QStringLiteral("Preguntas/1.txt"), {QStringLiteral(" 6 "), {}, QStringLiteral("S"), QStringLiteral("FALSO")});
        folder.writeBytes(QStringLiteral("F.gift"), file);
        const QStringList before = allFiles(folder.path());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(CONVERT_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(60000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), status);
        if (!summary.isEmpty())
            QCOMPARE(out.trimmed().section(u'\n', -1), summary);
        else
            QVERIFY(!err.isEmpty());
        if (!told.isEmpty())
            QVERIFY2((out + err).split(u'\n').contains(told), qPrintable(out + err));
        QCOMPARE(allFiles(folder.path()).size(), before.size() + written);
    }
};

QTEST_GUILESS_MAIN(TstConvert)
#include "tst_convert.moc"
