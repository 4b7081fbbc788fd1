// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/folders.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using bank::ReferencedKind;

Q_DECLARE_METATYPE(bank::ReferencedKind)

class TstFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void subfolders_data();
    void subfolders();
    void subfoldersOfMissingFolder();
    void fileCount_data();
    void fileCount();
    void fileCountOfLinks_data();
    void fileCountOfLinks();

    void findEntry_data();
    void findEntry();
    void resolvePath_data();
    void resolvePath();
    void textosAndTextosAreOneFolder();

    void resolveReferenced_data();
    void resolveReferenced();
    void refusedReferences_data();
    void refusedReferences();
};

void TstFolders::subfolders_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("alphabetical ignoring case")
        << QStringList{"mates", "Catala", "angles", "Biologia"} << QStringList{}
        << QStringList{"angles", "Biologia", "Catala", "mates"};
    QTest::newRow("hidden folders left out")
        << QStringList{".git", "2n ESO", ".ocult", "1r ESO"} << QStringList{}
        << QStringList{"1r ESO", "2n ESO"};
    QTest::newRow("files are not folders")
        << QStringList{"Opcio B", "Opcio A"} << QStringList{"1.txt", "Z.txt"}
        << QStringList{"Opcio A", "Opcio B"};
    QTest::newRow("empty folder") << QStringList{} << QStringList{"1.txt"} << QStringList{};
}

void TstFolders::subfolders()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);

    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("Preguntas"));
    for (const QString &name : folders)
        program.makeFolder(QStringLiteral("Preguntas/") + name);
    for (const QString &name : files)
        program.writeBytes(QStringLiteral("Preguntas/") + name, "x");
    QCOMPARE(bank::subfolders(program.file(QStringLiteral("Preguntas"))), expected);
}

void TstFolders::subfoldersOfMissingFolder()
{
    testsupport::ProgramFolder program(false);
    QCOMPARE(bank::subfolders(program.file(QStringLiteral("NoExiste"))), QStringList());
    QCOMPARE(bank::subfolders(QString()), QStringList());
}

void TstFolders::fileCount_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("numbered files") << QStringList{"1.txt", "2.txt", "3.txt"} << QStringList{} << 3
                                    << QStringList{"1.txt", "2.txt", "3.txt"};
    QTest::newRow("any other file counts too")
        << QStringList{"1.txt", "2.txt", "3.txt", "4.txt", "Thumbs.db"} << QStringList{} << 5
        << QStringList{"1.txt", "2.txt", "3.txt", "4.txt", "Thumbs.db"};
    QTest::newRow("hidden files not counted")
        << QStringList{"1.txt", ".pregunta-abc.tmp", ".DS_Store"} << QStringList{} << 1
        << QStringList{"1.txt"};
    QTest::newRow("folders not counted")
        << QStringList{"1.txt"} << QStringList{"Opcio A", "2.txt"} << 1 << QStringList{"1.txt"};
    QTest::newRow("names alphabetical ignoring case")
        << QStringList{"b.txt", "A.txt", "c.TXT"} << QStringList{} << 3
        << QStringList{"A.txt", "b.txt", "c.TXT"};
    QTest::newRow("empty folder") << QStringList{} << QStringList{} << 0 << QStringList{};
}

void TstFolders::fileCount()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(int, count);
    QFETCH(QStringList, names);

    testsupport::ProgramFolder program(false);
    program.makeFolder(QStringLiteral("q"));
    for (const QString &name : files)
        program.writeBytes(QStringLiteral("q/") + name, "x");
    for (const QString &name : folders)
        program.makeFolder(QStringLiteral("q/") + name);
    QCOMPARE(bank::fileCount(program.file(QStringLiteral("q"))), count);
    QCOMPARE(bank::fileNames(program.file(QStringLiteral("q"))), names);
    QCOMPARE(bank::fileCount(program.file(QStringLiteral("missing"))), 0);
}

// Links are listed for what they point at, as a folder list shows them.
void TstFolders::fileCountOfLinks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("link to a file counts") << QStringLiteral("elsewhere/5.txt") << 2
                                           << QStringList{"1.txt", "2.txt"};
    QTest::newRow("link to a folder does not count") << QStringLiteral("elsewhere") << 1
                                                     << QStringList{"1.txt"};
    QTest::newRow("broken link does not count") << QStringLiteral("elsewhere/missing.txt") << 1
                                                << QStringList{"1.txt"};
}

void TstFolders::fileCountOfLinks()
{
    QFETCH(QString, target);
    QFETCH(int, count);
    QFETCH(QStringList, names);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("q/1.txt"), "x");
    program.writeBytes(QStringLiteral("elsewhere/5.txt"), "x");
    if (!QFile::link(program.file(target), program.file(QStringLiteral("q/2.txt"))))
        QSKIP("this file system has no links");
    QCOMPARE(bank::fileCount(program.file(QStringLiteral("q"))), count);
    QCOMPARE(bank::fileNames(program.file(QStringLiteral("q"))), names);
}

void TstFolders::findEntry_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");

    QTest::newRow("exact name") << QStringList{"Graficos"} << QStringLiteral("Graficos")
                                << QStringLiteral("Graficos");
    QTest::newRow("other case of a folder") << QStringList{"textos"} << QStringLiteral("Textos")
                                            << QStringLiteral("textos");
    QTest::newRow("other case of a file") << QStringList{"Mapa.JPG"} << QStringLiteral("mapa.jpg")
                                          << QStringLiteral("Mapa.JPG");
    QTest::newRow("exact name preferred over a case twin")
        << QStringList{"Mapa.jpg", "mapa.jpg"} << QStringLiteral("mapa.jpg")
        << QStringLiteral("mapa.jpg");
    QTest::newRow("missing entry keeps the name asked for")
        << QStringList{"otro.gif"} << QStringLiteral("Mapa.gif") << QStringLiteral("Mapa.gif");
    QTest::newRow("accented name other case")
        << QStringList{QString::fromUtf8("Matemàtiques")} << QString::fromUtf8("MATEMÀTIQUES")
        << QString::fromUtf8("Matemàtiques");
}

void TstFolders::findEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, name);
    QFETCH(QString, found);

    testsupport::ProgramFolder program(false);
    for (const QString &entry : entries) {
        if (entry.contains(u'.'))
            program.writeBytes(entry, "x");
        else
            program.makeFolder(entry);
    }
    QCOMPARE(bank::findEntry(program.path(), name), program.path() + u'/' + found);
}

void TstFolders::resolvePath_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact path") << QStringLiteral("Preguntas/1r ESO/Mates")
                                << QStringLiteral("Preguntas/1r ESO/Mates");
    QTest::newRow("every component in other case") << QStringLiteral("PREGUNTAS/1R eso/mates")
                                                   << QStringLiteral("Preguntas/1r ESO/Mates");
    QTest::newRow("backslashes separate too") << QStringLiteral("\\preguntas\\1r eso\\Mates\\")
                                              << QStringLiteral("Preguntas/1r ESO/Mates");
    QTest::newRow("mixed separators, file at the end")
        << QStringLiteral("preguntas\\1R ESO/MATES/1.TXT")
        << QStringLiteral("Preguntas/1r ESO/Mates/1.txt");
    QTest::newRow("missing last component keeps its name")
        << QStringLiteral("preguntas/1r eso/Fisica") << QStringLiteral("Preguntas/1r ESO/Fisica");
}

void TstFolders::resolvePath()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("Preguntas/1r ESO/Mates/1.txt"), "x");
    QCOMPARE(bank::resolvePath(program.path(), relative), program.path() + u'/' + expected);
}

// The editor names the folder "Textos", the player "textos".
void TstFolders::textosAndTextosAreOneFolder()
{
    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("textos/lectura.txt"), "x");
    const QString editorSide = bank::findEntry(program.path(), QStringLiteral("Textos"));
    const QString playerSide = bank::findEntry(program.path(), QStringLiteral("textos"));
    QCOMPARE(editorSide, playerSide);
    QVERIFY(QFileInfo(editorSide).isDir());
    QCOMPARE(bank::fileNames(editorSide), QStringList{"lectura.txt"});
}

void TstFolders::resolveReferenced_data()
{
    QTest::addColumn<ReferencedKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // relative to the program folder, or empty

    QTest::newRow("picture exact") << ReferencedKind::Picture << QStringLiteral("torre.gif")
                                   << QStringLiteral("Graficos/torre.gif");
    QTest::newRow("picture in other case") << ReferencedKind::Picture << QStringLiteral("mapa.jpg")
                                           << QStringLiteral("Graficos/Mapa.JPG");
    QTest::newRow("text in other case") << ReferencedKind::Text << QStringLiteral("LECTURA.TXT")
                                        << QStringLiteral("Textos/lectura.txt");
    QTest::newRow("missing picture") << ReferencedKind::Picture << QStringLiteral("nada.gif")
                                     << QString();
    QTest::newRow("text name looked up among pictures")
        << ReferencedKind::Picture << QStringLiteral("lectura.txt") << QString();
    QTest::newRow("picture name looked up among texts")
        << ReferencedKind::Text << QStringLiteral("torre.gif") << QString();
    QTest::newRow("a folder is no file") << ReferencedKind::Picture << QStringLiteral("sub")
                                         << QString();
}

void TstFolders::resolveReferenced()
{
    QFETCH(ReferencedKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("Graficos/torre.gif"), "GIF89a");
    program.writeBytes(QStringLiteral("Graficos/Mapa.JPG"), "jpg");
    program.makeFolder(QStringLiteral("Graficos/sub"));
    // The folder as the editor spells it; the player asks for "textos".
    program.writeBytes(QStringLiteral("Textos/lectura.txt"), "Hola");

    const QString resolved = bank::resolveReferenced(program.path(), kind, name);
    QCOMPARE(resolved, expected.isEmpty() ? QString() : program.path() + u'/' + expected);
}

void TstFolders::refusedReferences_data()
{
    QTest::addColumn<ReferencedKind>("kind");
    QTest::addColumn<QString>("name");

    QTest::newRow("empty name") << ReferencedKind::Picture << QString();
    QTest::newRow("slash into a subfolder") << ReferencedKind::Picture << QStringLiteral("sub/x.gif");
    QTest::newRow("backslash into a subfolder") << ReferencedKind::Picture << QStringLiteral("sub\\x.gif");
    QTest::newRow("dot dot up to the program folder")
        << ReferencedKind::Text << QStringLiteral("../secret.txt");
    QTest::newRow("dot dot with backslash") << ReferencedKind::Text << QStringLiteral("..\\secret.txt");
    QTest::newRow("dot dot alone") << ReferencedKind::Text << QStringLiteral("..");
    QTest::newRow("dot alone") << ReferencedKind::Text << QStringLiteral(".");
    QTest::newRow("absolute path") << ReferencedKind::Text << QStringLiteral("/etc/passwd");
    QTest::newRow("drive letter") << ReferencedKind::Text << QStringLiteral("C:secret.txt");
}

// These names exist on disk: the refusal is not just a missing file.
void TstFolders::refusedReferences()
{
    QFETCH(ReferencedKind, kind);
    QFETCH(QString, name);

    testsupport::ProgramFolder program(false);
    program.writeBytes(QStringLiteral("secret.txt"), "no");
    program.writeBytes(QStringLiteral("Graficos/sub/x.gif"), "GIF89a");
    program.writeBytes(QStringLiteral("Graficos/sub\\x.gif"), "GIF89a");
    program.writeBytes(QStringLiteral("textos/..\\secret.txt"), "no");
    program.writeBytes(QStringLiteral("textos/C:secret.txt"), "no");
    const QString base = program.file(kind == ReferencedKind::Picture ? QStringLiteral("Graficos")
                                                                      : QStringLiteral("textos"));
    if (!name.isEmpty()) {
        const QString target = QDir::isAbsolutePath(name) ? name : base + u'/' + name;
        QVERIFY2(QFileInfo::exists(target), qPrintable(target));
    }

    QCOMPARE(bank::resolveReferenced(program.path(), kind, name), QString());
}

QTEST_GUILESS_MAIN(TstFolders)
#include "tst_folders.moc"
