// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brenloq-check on banks built here: a clean one gives no line and exit 0;
// each problem planted on its own gives exactly its one line and exit 1;
// a folder that cannot be checked gives exit 2. The reasons the player
// shares are expected in the player's own words.

#include "checker/bankcheck.h"
#include "checker/pictures.h"

#include "player/loadfailure.h"
#include "ui/picturefile.h"

#include "support/testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::ProgramFolder;

using Plant = std::function<void(const ProgramFolder &)>;
Q_DECLARE_METATYPE(Plant)

namespace {

const QString kCourse = QStringLiteral("Preguntas/1r ESO");
const QString kMaths = kCourse + QStringLiteral("/Matemàtiques");
const QString kScience = kCourse + QStringLiteral("/Ciències");

// The plan: 60 x 40 white, a one-pixel black frame from (10, 10) to
// (50, 30); inside it, white.
QImage plan()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 10; x <= 50; ++x) {
        image.setPixel(x, 10, qRgb(0, 0, 0));
        image.setPixel(x, 30, qRgb(0, 0, 0));
    }
    for (int y = 10; y <= 30; ++y) {
        image.setPixel(10, y, qRgb(0, 0, 0));
        image.setPixel(50, y, qRgb(0, 0, 0));
    }
    return image;
}

QStringList lines(int count, const QString &text)
{
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result.append(text + QString::number(i));
    return result;
}

QStringList question(int type)
{
    const QString author = QStringLiteral("Mestra");
    switch (type) {
    case 1:
        return {QStringLiteral(" 1 "), author, QStringLiteral("Quant fan 2 + 2?"), QStringLiteral("3"),
                QStringLiteral("4 "), QStringLiteral("5"), QStringLiteral("foto.jpg")};
    case 2:
        return {QStringLiteral(" 2 "), author, QStringLiteral("Capital de França?"), QStringLiteral("París")};
    case 3:
        return {QStringLiteral(" 3 "), author, QStringLiteral("foto.jpg"), QStringLiteral("Quin color?"),
                QStringLiteral("blau")};
    case 4:
        return {QStringLiteral(" 4 "), author, QStringLiteral("plano.png"), QStringLiteral("Marca la sala."),
                QStringLiteral("30"), QStringLiteral("20")};
    case 5:
        // The word ends its line: a line break ends a word as a space does.
        return {QStringLiteral(" 5 "), author, QStringLiteral("lectura.txt"), QStringLiteral("On dorm el gat?"),
                QStringLiteral("cadira.")};
    default:
        return {QStringLiteral(" 6 "), author, QStringLiteral("El Sol és una estrella."), QStringLiteral("VERDADERO")};
    }
}

// A program folder with nothing to report: one course, a subject of six
// questions (one of each type) and a subject with two options of three.
void writeCleanBank(const ProgramFolder &folder)
{
    folder.writeLines(QStringLiteral("idioma/inicio.txt"), lines(3, QStringLiteral("inici ")));
    folder.writeLines(QStringLiteral("idioma/seleccion.txt"), lines(8, QStringLiteral("selecció ")));
    folder.writeLines(QStringLiteral("idioma/Principal.txt"), lines(13, QStringLiteral("prova ")));
    folder.writeLines(QStringLiteral("idioma/ayuda.txt"), lines(7, QStringLiteral("ajuda ")));
    folder.writeLines(QStringLiteral("idioma/Final.txt"), lines(5, QStringLiteral("final ")));
    folder.writeLines(QStringLiteral("tope.txt"), {QStringLiteral("10")});

    folder.makeFolder(QStringLiteral("Graficos"));
    plan().save(folder.file(QStringLiteral("Graficos/plano.png")), "PNG");
    QImage photo(32, 24, QImage::Format_RGB32);
    photo.fill(QColor(40, 90, 200));
    photo.save(folder.file(QStringLiteral("Graficos/foto.jpg")), "JPG");
    folder.writeLines(QStringLiteral("textos/lectura.txt"),
                      {QStringLiteral("El gat dorm a la cadira."), QStringLiteral("La casa és gran.")});

    for (int type = 1; type <= 6; ++type)
        folder.writeLines(kMaths + QStringLiteral("/%1.txt").arg(type), question(type));
    for (const QString &option : {QStringLiteral("Opció A"), QStringLiteral("Opció B")}) {
        for (int n = 1; n <= 3; ++n)
            folder.writeLines(kScience + u'/' + option + QStringLiteral("/%1.txt").arg(n), question(2));
    }
}

struct Run {
    int status = -1;
    QString heading; // the first line: the folder checked and why
    QStringList problems; // the lines before the summary
    QStringList summary;
    QString errors;
};

// The machine's own settings and BRENLOQ_FOLDER left out; `environment`
// adds to what is left.
Run runChecker(const QStringList &arguments, const QString &program = QStringLiteral(CHECK_PROGRAM),
               const QStringList &environment = {})
{
    QProcess process;
    // Not from the folder checked: the program finds it by itself.
    process.setWorkingDirectory(QDir::tempPath());
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.remove(QStringLiteral("BRENLOQ_FOLDER"));
    variables.insert(QStringLiteral("XDG_CONFIG_DIRS"), QStringLiteral("/nonexistent"));
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromUtf8(process.readAllStandardError());
    QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (!out.isEmpty() && out.first().startsWith(QStringLiteral("Carpeta del programa: ")))
        run.heading = out.takeFirst();
    qsizetype summaryAt = 0;
    while (summaryAt < out.size() && !out[summaryAt].startsWith(QStringLiteral("Resum: ")))
        ++summaryAt;
    run.problems = out.mid(0, summaryAt);
    run.summary = out.mid(summaryAt);
    return run;
}

// A GIF announcing 40000 x 40000 pixels, more than any picture box takes,
// whose data ends at once.
QByteArray hugeGif()
{
    QByteArray gif("GIF89a");
    auto put16 = [&gif](int v) {
        gif += char(v & 0xFF);
        gif += char((v >> 8) & 0xFF);
    };
    put16(40000);
    put16(40000);
    gif += QByteArray::fromHex("800000" "000000ffffff" "2c");
    put16(0);
    put16(0);
    put16(40000);
    put16(40000);
    gif += QByteArray::fromHex("00" "02" "012c00" "3b"); // clear and end codes only
    return gif;
}

// A bank with problems all over: three courses of subjects with and
// without options, each folder with a problem of its own or none, and in
// each folder question files of every kind, a good half of them with a
// problem of the file itself or of what it names.
void writeTroubledBank(const ProgramFolder &folder)
{
    writeCleanBank(folder);
    const QStringList kinds[] = {
        question(1),
        {" 9 ", "Mestra", "Pregunta?", "Sí"},
        {" 1 ", "Mestra", "Quin?", "a", "b"},
        question(2),
        {" 3 ", "Mestra", "gos.jpg", "Quin animal?", "gos"},
        {" 4 ", "Mestra", "plano.png", "Marca la sala.", "10", "20"},
        question(4),
        {" 5 ", "Mestra", "conte.txt", "On?", "cadira."},
        {" 2 ", "Mestra", "Capital de França?"},
        question(5),
        {" 1 ", "Mestra", "Quin?", "a ", "b", "c ", "nota.TXT"},
    };
    int made = 0;
    auto fill = [&](const QString &where, int count) {
        for (int n = 1; n <= count; ++n) {
            const int kind = (n * 7 + made) % int(std::size(kinds));
            const QString file = where + QStringLiteral("/%1.txt").arg(n);
            if (kind == 3 && n % 2 == 0)
                folder.writeBytes(file, {});
            else
                folder.writeLines(file, kinds[kind]);
        }
        ++made;
    };
    for (int c = 1; c <= 3; ++c) {
        const QString course = QStringLiteral("Preguntas/Curs %1").arg(c);
        for (int s = 1; s <= 4; ++s) {
            const QString subject = course + QStringLiteral("/Matèria %1").arg(s);
            if (s % 2 == 0) {
                fill(subject + QStringLiteral("/Opció A"), 30 + c);
                fill(subject + QStringLiteral("/Opció B"), 2); // too few
                folder.writeLines(subject + QStringLiteral("/1.txt"), question(2)); // never asked
            } else {
                fill(subject, 40 - s);
                if (s == 3)
                    folder.remove(subject + QStringLiteral("/%1.txt").arg(10 + c)); // a gap
            }
        }
    }
}

// The problems, then the progress notes (each with the number of problems
// told before it), then the summary and the status.
QStringList checkInProcess(const QString &folder, int readsInFlight)
{
    QStringList problems;
    QStringList notes;
    const checker::Outcome outcome = checker::checkProgramFolder(
        folder, [&](const checker::Problem &p) { problems.append(p.path + QStringLiteral(": ") + p.message); },
        [&](int filesRead, const QString &where) {
            notes.append(QStringLiteral("%1 %2 (%3 told)").arg(filesRead).arg(where).arg(problems.size()));
        },
        readsInFlight);
    return problems + notes + checker::summaryLines(outcome.summary) + QStringList{QString::number(outcome.status)};
}

} // namespace

class TstBankCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanBank();
    void whichFolder_data();
    void whichFolder();
    void answersAndExits_data();
    void answersAndExits();
    void oneProblem_data();
    void oneProblem();
    void cannotCheck_data();
    void cannotCheck();
    void roomForClick_data();
    void roomForClick();
    void picturesDecodedOnce_data();
    void picturesDecodedOnce();
    void readsInFlight_data();
    void readsInFlight();
};

void TstBankCheck::cleanBank()
{
    ProgramFolder folder(false);
    writeCleanBank(folder);
    const Run run = runChecker({folder.path()});
    QCOMPARE(run.problems.join(u'\n'), QString());
    QCOMPARE(run.status, 0);
    // No progress line when standard error is no terminal.
    QCOMPARE(run.errors, QString());

    checker::Summary expected;
    expected.courses = 1;
    expected.subjects = 2;
    expected.questionFolders = 3;
    expected.questions = {0, 1, 7, 1, 1, 1, 1};
    QCOMPARE(run.summary, checker::summaryLines(expected));
}

// The folder the other programs would use, in their order, said in the
// first line. "@bank" stands for a checked bank, "@home" for HOME.
void TstBankCheck::whichFolder_data()
{
    QTest::addColumn<bool>("besideTheBank");   // brenloq-check copied into the bank's folder
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("bank");          // where the bank is, "@home/..." or "@bank"
    QTest::addColumn<QString>("source");

    QTest::newRow("its own folder, holding Preguntas")
        << true << QStringList() << QStringList() << "@bank" << "la carpeta del programa mateix";
    // Installed as /usr/bin/brenloq-check: not the folder it lies in.
    QTest::newRow("installed: the user's folder")
        << false << QStringList() << QStringList() << "@home/Documents/BRENLOQ" << "la carpeta de l'usuari";
    QTest::newRow("BRENLOQ_FOLDER") << false << QStringList() << QStringList{"BRENLOQ_FOLDER=@bank"} << "@bank"
                                    << "de la variable BRENLOQ_FOLDER";
    QTest::newRow("--folder") << false << QStringList{"--folder", "@bank"} << QStringList() << "@bank"
                              << "de la línia d'ordres";
    QTest::newRow("a folder given") << false << QStringList{"@bank"} << QStringList{"BRENLOQ_FOLDER=/nonexistent"}
                                    << "@bank" << "de la línia d'ordres";
}

void TstBankCheck::whichFolder()
{
    QFETCH(bool, besideTheBank);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, bank);
    QFETCH(QString, source);
    QTemporaryDir home;
    QTemporaryDir bin;
    ProgramFolder folder(false);
    writeCleanBank(folder);
    folder.remove(QStringLiteral("idioma/ayuda.txt"));
    bank.replace(QStringLiteral("@home"), home.path()).replace(QStringLiteral("@bank"), folder.path());
    if (bank != folder.path())
        QVERIFY(testsupport::copyTree(folder.path(), bank));
    const QString program = (besideTheBank ? folder.path() : bin.path()) + QStringLiteral("/brenloq-check");
    QVERIFY(QFile::copy(QStringLiteral(CHECK_PROGRAM), program));
    arguments.replaceInStrings(QStringLiteral("@bank"), folder.path());
    environment.replaceInStrings(QStringLiteral("@bank"), folder.path());
    environment << QStringLiteral("HOME=") + home.path() << QStringLiteral("XDG_CONFIG_HOME=") + home.path() + "/.config";
    const Run run = runChecker(arguments, program, environment);
    QCOMPARE(run.heading, QStringLiteral("Carpeta del programa: %1 (%2).").arg(bank, source));
    QCOMPARE(run.problems.join(u'\n'), "idioma/ayuda.txt: " + player::missingFileText("ayuda.txt"));
    QCOMPARE(run.status, 1);
}

void TstBankCheck::answersAndExits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer"); // the start of standard output
    QTest::addColumn<int>("status");

    QTest::newRow("--version") << QStringList{"--version"} << "brenloq-check " BRENLOQ_VERSION << 0;
    // Qt's words in the checker's language too.
    QTest::newRow("--help") << QStringList{"--help"} << "Ús: " << 0;
    QTest::newRow("--help in English") << QStringList{"--language", "en", "--help"} << "Usage: " << 0;
    QTest::newRow("unknown option") << QStringList{"--quiet"} << "" << 2;
}

void TstBankCheck::answersAndExits()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);
    QFETCH(int, status);
    QProcess process;
    process.start(QStringLiteral(CHECK_PROGRAM), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), status);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(answer.isEmpty() ? out.isEmpty() : out.startsWith(answer), qPrintable(out));
}

void TstBankCheck::oneProblem_data()
{
    QTest::addColumn<Plant>("plant");
    QTest::addColumn<QString>("line");

    auto replace = [](const QString &relative, const QStringList &content) {
        return Plant([=](const ProgramFolder &f) { f.writeLines(relative, content); });
    };
    const QString q2 = kMaths + QStringLiteral("/2.txt");
    const QString q1 = kMaths + QStringLiteral("/1.txt");

    // The bank's folders.
    QTest::newRow("numbering gap") << Plant([](const ProgramFolder &f) { f.remove(kMaths + "/3.txt"); })
                                   << kMaths + ": Amb 5 fitxers a la carpeta, el programa tria entre 1.txt i "
                                               "5.txt: falta 3.txt; no es fan mai: 6.txt.";
    QTest::newRow("stray file") << Plant([](const ProgramFolder &f) { f.writeLines(kMaths + "/notes.doc", {"x"}); })
                                << kMaths + ": Amb 7 fitxers a la carpeta, el programa tria entre 1.txt i 7.txt: "
                                            "falta 7.txt; no es fan mai: notes.doc.";
    QTest::newRow("option folder of two files")
        << Plant([](const ProgramFolder &f) { f.remove(kScience + "/Opció B/3.txt"); })
        << kScience + "/Opció B: La carpeta té 2 fitxers i el programa no fa mai una matèria amb menys de 3.";
    QTest::newRow("no course") << Plant([](const ProgramFolder &f) { f.remove(kCourse); })
                               << "Preguntas: La carpeta no té cap curs.";
    QTest::newRow("course without subjects")
        << Plant([](const ProgramFolder &f) { f.makeFolder("Preguntas/2n ESO"); })
        << "Preguntas/2n ESO: El curs no té cap matèria.";
    QTest::newRow("seventeen subjects") << Plant([](const ProgramFolder &f) {
        for (int s = 1; s <= 17; ++s) {
            for (int n = 1; n <= 3; ++n)
                f.writeLines(QStringLiteral("Preguntas/3r ESO/Matèria %1/%2.txt").arg(s).arg(n), question(6));
        }
    }) << "Preguntas/3r ESO: El curs té 17 matèries i una prova en fa com a màxim 16: les que es triïn de més no es "
          "fan.";
    QTest::newRow("question beside option folders")
        << replace(kScience + "/1.txt", question(2))
        << kScience + ": Aquestes preguntes no es fan mai (la matèria té carpetes d'opció i només es fan les "
                      "preguntes que hi ha dins): 1.txt.";

    // Files that are no question, in the words of the player's error line.
    QTest::newRow("empty file") << Plant([=](const ProgramFolder &f) { f.writeBytes(q2, {}); })
                                << q2 + ": " + player::emptyFileText("2.txt");
    QTest::newRow("zeroed file") << Plant([=](const ProgramFolder &f) { f.writeBytes(q2, QByteArray(40, '\0')); })
                                 << q2 + ": " + player::damagedFileText("2.txt");
    QTest::newRow("unknown type") << replace(q2, {" 9 ", "Mestra", "Pregunta?", "Sí"})
                                  << q2 + ": " + player::unknownTypeText(" 9 ");
    QTest::newRow("file ends early") << replace(q2, {" 2 ", "Mestra", "Capital de França?"})
                                     << q2 + ": " + player::fileEndsEarlyText();
    QTest::newRow("nine options") << replace(q1, QStringList{" 1 ", "Mestra", "Quin?"} + lines(8, "op ") + QStringList{"op 9 "})
                                  << q1 + ": " + player::tooManyOptionsText();
    QTest::newRow("no option") << replace(q1, {" 1 ", "Mestra", "Quin?"}) << q1 + ": " + player::noOptionsText();
    QTest::newRow("too large for a question")
        << Plant([=](const ProgramFolder &f) { f.writeBytes(q2, QByteArray(1100 * 1024, 'a')); })
        << q2 + ": " + player::questionTooLargeText("2.txt");
    QTest::newRow("link out of the program folder") << Plant([=](const ProgramFolder &f) {
        static QTemporaryDir outside;
        const QString target = outside.path() + QStringLiteral("/2.txt");
        QFile::remove(target);
        QFile::copy(f.file(q2), target);
        f.remove(q2);
        QFile::link(target, f.file(q2));
    }) << q2 + ": " + player::missingFileText("2.txt");

    // Multiple choice.
    QTest::newRow("no correct option") << replace(q1, {" 1 ", "Mestra", "Quin?", "a", "b"})
                                       << q1 + ": La pregunta no té cap opció correcta: cap opció no acaba en un espai.";
    QTest::newRow("two correct options") << replace(q1, {" 1 ", "Mestra", "Quin?", "a ", "b", "c "})
                                         << q1 + ": La pregunta té 2 opcions correctes (les que acaben en un espai): "
                                                 "la 1 i la 3.";
    QTest::newRow("empty option line") << replace(q1, {" 1 ", "Mestra", "Quin?", "a ", "", "c"})
                                       << q1 + ": La pregunta té opcions buides (2): el programa les mostra en blanc.";
    QTest::newRow("one option") << replace(q1, {" 1 ", "Mestra", "Quin?", "a "})
                                << q1 + ": La pregunta té una sola opció: no hi ha res a triar.";
    QTest::newRow("blank option the only correct one")
        << replace(q1, {" 1 ", "Mestra", "Quin?", "a", "b", " "})
        << q1 + ": L'única opció correcta, la 3, és en blanc: l'alumne no sap quina triar.";
    QTest::newRow("empty statement") << replace(q1, {" 1 ", "Mestra", "", "a ", "b"})
                                     << q1 + ": L'enunciat és buit: l'alumne no sap què se li pregunta.";

    // Answers no pupil can give.
    const QString q6 = kMaths + QStringLiteral("/6.txt");
    const QString q2text = kMaths + QStringLiteral("/2.txt");
    QTest::newRow("written answer empty") << replace(q2text, {" 2 ", "Mestra", "Capital?", ""})
                                          << q2text + ": La resposta és buida: cap alumne no la pot encertar.";
    auto trueFalse = [&](const QString &answer) {
        return q6 + QStringLiteral(": La resposta «%1» no és ni VERDADERO ni FALSO, en majúscules i sense espais: "
                                   "el programa la pren per FALSO.").arg(answer);
    };
    for (const char *answer : {"Verdadero", "VERDADERO ", "FALS", ""}) {
        QTest::addRow("true/false answer \"%s\"", answer)
            << replace(q6, {" 6 ", "Mestra", "El Sol és una estrella.", QString::fromUtf8(answer)})
            << trueFalse(QString::fromUtf8(answer));
    }

    QTest::newRow("attachment missing") << replace(q1, {" 1 ", "Mestra", "Quin?", "a ", "b", "mapa.gif"})
                                        << q1 + ": " + player::missingFileText("mapa.gif");
    QTest::newRow("text attachment missing") << replace(q1, {" 1 ", "Mestra", "Quin?", "a ", "b", "nota.TXT"})
                                             << q1 + ": " + player::missingFileText("nota.TXT");

    // Pictures, graphics and reading texts.
    const QString q3 = kMaths + QStringLiteral("/3.txt");
    const QString q4 = kMaths + QStringLiteral("/4.txt");
    const QString q5 = kMaths + QStringLiteral("/5.txt");
    QTest::newRow("picture missing") << replace(q3, {" 3 ", "Mestra", "gos.jpg", "Quin animal?", "gos"})
                                     << q3 + ": " + player::missingFileText("gos.jpg");
    ui::Picture damaged;
    damaged.problem = ui::PictureProblem::Unreadable;
    QTest::newRow("picture damaged") << Plant([=](const ProgramFolder &f) {
        f.writeBytes("Graficos/gos.jpg", QByteArray("\xFF\xD8\xFF\xE0 no JPEG at all"));
        f.writeLines(q3, {" 3 ", "Mestra", "gos.jpg", "Quin animal?", "gos"});
    }) << q3 + ": " + player::pictureFailureText("gos.jpg", damaged);
    ui::Picture huge;
    huge.problem = ui::PictureProblem::TooLarge;
    huge.size = QSize(40000, 40000);
    QTest::newRow("graphic too large to show") << Plant([=](const ProgramFolder &f) {
        f.writeBytes("Graficos/plano.png", hugeGif());
    }) << q4 + ": " + player::pictureFailureText("plano.png", huge);
    QTest::newRow("point outside the graphic")
        << replace(q4, {" 4 ", "Mestra", "plano.png", "Marca la sala.", "200", "20"})
        << q4 + ": El punt (200, 20) és fora del gràfic «plano.png», de 60 × 40 píxels: cap clic no hi arriba.";
    QTest::newRow("point on the frame line")
        << replace(q4, {" 4 ", "Mestra", "plano.png", "Marca la sala.", "10", "20"})
        << q4 + ": El punt (10, 20) del gràfic «plano.png» és sobre una línia o una taca massa petita per clicar-hi: "
                "la seva regió no té cap quadrat de 5 × 5 píxels del seu color.";
    QTest::newRow("reading text missing") << replace(q5, {" 5 ", "Mestra", "conte.txt", "On?", "cadira."})
                                          << q5 + ": " + player::missingFileText("conte.txt");
    QTest::newRow("reading text too long") << Plant([=](const ProgramFolder &f) {
        f.writeBytes("textos/lectura.txt", QByteArray(3 * 1024 * 1024, 'a'));
    }) << q5 + ": " + player::textTooLongText("lectura.txt", 3 * 1024 * 1024);
    QTest::newRow("word spanning a space") << replace(q5, {" 5 ", "Mestra", "lectura.txt", "Qui?", "El gat"})
                                           << q5 + ": Cap paraula del text «lectura.txt» no es pot triar com a "
                                                   "«El gat»: només els espais separen les paraules.";

    // No-break spaces: the reading box shows them as spaces, and a click
    // ends a word there.
    const QString nbsp(QChar::Nbsp);
    auto distanceText = [=](const QString &answer) {
        return Plant([=](const ProgramFolder &f) {
            f.writeBytes("textos/lectura.txt", QStringLiteral("Corre 10%1km cada dia.").arg(nbsp).toUtf8());
            f.writeBytes(q5, (" 5 \r\nMestra\r\nlectura.txt\r\nQuant?\r\n" + answer + "\r\n").toUtf8());
        });
    };
    QTest::newRow("a word after a no-break space can be chosen") << distanceText("km") << QString();
    QTest::newRow("a word holding a no-break space cannot")
        << distanceText("10" + nbsp + "km")
        << q5 + ": La paraula «10" + nbsp + "km» té un espai no separable, i el text es talla en aquest espai com "
                "en un espai normal: cap clic no la dona.";
    QTest::newRow("option ending in a no-break space")
        << Plant([=](const ProgramFolder &f) {
               f.writeBytes(q1, (" 1 \r\nMestra\r\nQuin?\r\na" + nbsp + "\r\nb\r\n").toUtf8());
           })
        << q1 + ": La pregunta no té cap opció correcta: l'opció 1 acaba en un espai no separable, i només un "
                "espai normal al final marca la correcta.";

    // Lines that name no file.
    QTest::newRow("graphic line empty") << replace(q4, {" 4 ", "Mestra", "", "Marca la sala.", "30", "20"})
                                        << q4 + ": La línia del gràfic és buida: la pregunta no diu quin gràfic "
                                                "s'ha de marcar.";
    QTest::newRow("picture line blank") << replace(q3, {" 3 ", "Mestra", " ", "Quin animal?", "gos"})
                                        << q3 + ": La línia de la imatge és buida: la pregunta no diu quina imatge "
                                                "es mostra.";
    QTest::newRow("text line empty") << replace(q5, {" 5 ", "Mestra", "", "On?", "cadira."})
                                     << q5 + ": La línia del text és buida: la pregunta no diu quin text s'ha de "
                                             "llegir.";

    // Names the programs cannot use.
    QTest::newRow("subject folder not UTF-8") << Plant([=](const ProgramFolder &f) {
        const QByteArray folder = QFile::encodeName(f.file(kCourse)) + "/Ci\xE8ncies";
        QVERIFY(::mkdir(folder.constData(), 0755) == 0);
    }) << kCourse + QStringLiteral("/Ci\uFFFDncies: El nom no és UTF-8 (potser «Ciències», d'un zip fet a Windows): "
                                   "els programes no veuen la carpeta ni res del que conté; canvieu-li el nom.");
    QTest::newRow("report not UTF-8") << Plant([=](const ProgramFolder &f) {
        f.makeFolder("Controles-Usuarios");
        const QByteArray file = QFile::encodeName(f.file("Controles-Usuarios")) + "/Jos\xE9 --5M,9H --6-12-2026.rtf";
        const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }) << QStringLiteral("Controles-Usuarios/Jos\uFFFD --5M,9H --6-12-2026.rtf: El nom no és UTF-8 (potser «José "
                         "--5M,9H --6-12-2026.rtf», d'un zip fet a Windows): els programes no veuen el fitxer; "
                         "canvieu-li el nom.");
    QTest::newRow("folder link in the bank") << Plant([=](const ProgramFolder &f) {
        QVERIFY(QFile::link(f.file(kScience), f.file(kCourse + "/Enllaç")));
    }) << kCourse + "/Enllaç: És un enllaç a una carpeta: el programa no el segueix i no en fa cap pregunta.";
    QTest::newRow("escape sequence in a file name")
        << Plant([](const ProgramFolder &f) { f.writeLines(kMaths + "/\x1b[2J.txt", {"x"}); })
        << kMaths + ": Amb 7 fitxers a la carpeta, el programa tria entre 1.txt i 7.txt: falta 7.txt; no es fan "
                    "mai: \\x1B[2J.txt.";
    // A JPEG with stray bytes before its end marker shows whole; its
    // decoder's warning is no line of the checker.
    QTest::newRow("JPEG with stray bytes") << Plant([](const ProgramFolder &f) {
        QImage photo(64, 64, QImage::Format_RGB32);
        photo.fill(QColor(40, 90, 200));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "JPG");
        f.writeBytes("Graficos/foto.jpg", bytes.insert(bytes.size() - 2, "stray"));
    }) << QString();

    // Language files and the mark scale.
    QTest::newRow("language file missing") << Plant([](const ProgramFolder &f) { f.remove("idioma/ayuda.txt"); })
                                           << "idioma/ayuda.txt: " + player::missingFileText("ayuda.txt");
    QTest::newRow("language file short") << replace("idioma/Final.txt", lines(4, "final "))
                                         << "idioma/Final.txt: El fitxer té 4 línies i la finestra de prova en llegeix 5.";
    QTest::newRow("selection language file short") << replace("idioma/seleccion.txt", lines(7, "selecció "))
                                                   << "idioma/seleccion.txt: El fitxer té 7 línies i la finestra de "
                                                      "selecció en llegeix 8.";
    QTest::newRow("no usable mark scale") << replace("tope.txt", {"zero"})
                                          << "tope.txt: La primera línia («zero») no és cap nota màxima de 0,01 a 32767: "
                                             "el programa puntua sobre 10.";
    for (const auto &[top, scale] : {std::pair{"10,5 punts", "10,50"}, std::pair{"20 punts", "20"}, std::pair{"6,555", "6,55"}}) {
        QTest::addRow("mark scale \"%s\"", top)
            << replace("tope.txt", {QString::fromUtf8(top)})
            << QStringLiteral("tope.txt: La primera línia («%1») no és només un nombre: el programa en pren el nombre "
                              "del començament i puntua sobre %2.").arg(QString::fromUtf8(top), QString::fromUtf8(scale));
    }
    QTest::newRow("language file with a lone LF")
        << Plant([](const ProgramFolder &f) {
               f.writeBytes("idioma/Final.txt", "final 1\r\nfinal 2\r\nfinal 3\nfinal 4\r\nfinal 5\r\n");
           })
        << "idioma/Final.txt: El programa hi llegeix 4 línies i la finestra de prova en necessita 5: un editor en "
           "mostra 5, però el programa només acaba les línies en CR LF i hi ha salts de línia LF sols, que ajunten "
           "dues línies en una. Deseu-lo amb finals de línia de Windows (CR LF).";

    // The sets of other languages, under idiomes/: each as whole as idioma/.
    const auto withSets = [](const std::function<void(const ProgramFolder &)> &change) {
        return Plant([=](const ProgramFolder &f) {
            for (const QString set : {"es", "en"}) {
                for (const auto &[file, count] : {std::pair{"inicio.txt", 3}, {"seleccion.txt", 8}, {"Principal.txt", 13},
                                                  {"ayuda.txt", 7}, {"Final.txt", 5}, {"resultats.txt", 58}})
                    f.writeLines("idiomes/" + set + u'/' + QLatin1String(file), lines(count, set + u' '));
            }
            change(f);
        });
    };
    QTest::newRow("whole sets") << withSets([](const ProgramFolder &) {}) << QString();
    QTest::newRow("set file missing") << withSets([](const ProgramFolder &f) { f.remove("idiomes/en/ayuda.txt"); })
                                      << "idiomes/en/ayuda.txt: " + player::missingFileText("ayuda.txt");
    QTest::newRow("set file short") << withSets([](const ProgramFolder &f) {
        f.writeLines("idiomes/es/Principal.txt", lines(12, "es "));
    }) << "idiomes/es/Principal.txt: El fitxer té 12 línies i la finestra de prova en llegeix 13.";
    QTest::newRow("set file in UTF-16 without its mark") << withSets([](const ProgramFolder &f) {
        QByteArray bytes;
        for (const char c : QByteArray("final 1\r\nfinal 2\r\nfinal 3\r\nfinal 4\r\nfinal 5\r\n"))
            bytes.append(c).append('\0');
        f.writeBytes("idiomes/en/Final.txt", bytes);
    }) << "idiomes/en/Final.txt: El fitxer té caràcters nuls: no és text en Windows-1252 ni en UTF-8.";
    QTest::newRow("results texts shorter in one set") << withSets([](const ProgramFolder &f) {
        f.writeLines("idiomes/es/resultats.txt", lines(34, "es "));
    }) << "idiomes/es/resultats.txt: El fitxer té 34 línies i el d'un altre idioma en té 58: el programa de "
          "resultats mostra les que hi falten en català.";
}

void TstBankCheck::oneProblem()
{
    QFETCH(Plant, plant);
    QFETCH(QString, line);
    ProgramFolder folder(false);
    writeCleanBank(folder);
    plant(folder);
    const Run run = runChecker({folder.path()});
    // Compared as text, so that a failure shows every line given. An
    // empty line: the planted change is no problem at all.
    QCOMPARE(run.problems.join(u'\n'), line);
    QCOMPARE(run.status, line.isEmpty() ? 0 : 1);
    // Nothing else between the lines: no decoder's warnings.
    QCOMPARE(run.errors, QString());
}

void TstBankCheck::cannotCheck_data()
{
    QTest::addColumn<Plant>("plant");
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the folder

    QTest::newRow("no such folder") << Plant([](const ProgramFolder &) {}) << QStringList{"@/no-such-folder"};
    QTest::newRow("no Preguntas folder")
        << Plant([](const ProgramFolder &f) { f.remove("Preguntas"); }) << QStringList{"@"};
    QTest::newRow("Preguntas is a file") << Plant([](const ProgramFolder &f) {
        f.remove("Preguntas");
        f.writeLines("Preguntas", {"x"});
    }) << QStringList{"@"};
    QTest::newRow("two folders") << Plant([](const ProgramFolder &) {}) << QStringList{"@", "@"};
    QTest::newRow("unknown option") << Plant([](const ProgramFolder &) {}) << QStringList{"--quiet", "@"};
}

void TstBankCheck::cannotCheck()
{
    QFETCH(Plant, plant);
    QFETCH(QStringList, arguments);
    ProgramFolder folder(false);
    writeCleanBank(folder);
    plant(folder);
    arguments.replaceInStrings(QStringLiteral("@"), folder.path());
    const Run run = runChecker(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.problems, QStringList());
    QVERIFY(!run.errors.isEmpty());
}

void TstBankCheck::roomForClick_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("room");

    // A white picture with a black band of `width` pixels across it.
    auto band = [](int width) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 10; y < 10 + width; ++y) {
            for (int x = 0; x < 40; ++x)
                image.setPixel(x, y, qRgb(0, 0, 0));
        }
        return image;
    };
    QTest::newRow("one-pixel line") << band(1) << QPoint(20, 10) << false;
    QTest::newRow("four-pixel band") << band(4) << QPoint(20, 11) << false;
    QTest::newRow("five-pixel band") << band(5) << QPoint(20, 10) << true;
    QTest::newRow("beside the band") << band(1) << QPoint(20, 5) << true;
    QTest::newRow("edge pixel of a large area") << band(1) << QPoint(0, 39) << true;

    QImage speck(40, 40, QImage::Format_RGB32);
    speck.fill(Qt::white);
    for (int y = 20; y < 24; ++y) {
        for (int x = 20; x < 24; ++x)
            speck.setPixel(x, y, qRgb(255, 0, 0));
    }
    QTest::newRow("speck of four by four") << speck << QPoint(21, 21) << false;

    // A diagonal line: its pixels touch only at corners, so each is a
    // region of its own, as the player's fill sees it.
    QImage diagonal(40, 40, QImage::Format_RGB32);
    diagonal.fill(Qt::white);
    for (int i = 0; i < 40; ++i)
        diagonal.setPixel(i, i, qRgb(0, 0, 0));
    QTest::newRow("diagonal line") << diagonal << QPoint(15, 15) << false;
    QTest::newRow("half cut by the diagonal") << diagonal << QPoint(30, 5) << true;

    // A transparent hole shows the white of the box, so it joins the white.
    QImage hole(40, 40, QImage::Format_ARGB32);
    hole.fill(Qt::white);
    for (int y = 0; y < 40; ++y)
        hole.setPixel(20, y, qRgba(0, 0, 0, 255));
    for (int x = 21; x < 24; ++x)
        hole.setPixel(x, 5, qRgba(0, 0, 0, 0));
    QTest::newRow("transparent pixels read as white") << hole << QPoint(22, 5) << true;
}

void TstBankCheck::roomForClick()
{
    QFETCH(QImage, picture);
    QFETCH(QPoint, point);
    QFETCH(bool, room);
    checker::Regions regions(ui::pictureSurface(picture));
    QCOMPARE(regions.hasRoomForClick(point), room);
    // Asked again, the region is known: the same answer.
    QCOMPARE(regions.hasRoomForClick(point), room);
}

void TstBankCheck::picturesDecodedOnce_data()
{
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<QStringList>("points"); // the graphic of each point asked, in turn
    QTest::addColumn<int>("decoded");

    const qint64 roomy = 64 * 1024 * 1024;
    QTest::newRow("one graphic, three points") << roomy << QStringList{"a.png", "a.png", "a.png"} << 1;
    QTest::newRow("two graphics in turn") << roomy << QStringList{"a.png", "b.png", "a.png", "b.png"} << 2;
    // Room for one surface only: each change of graphic reads it again.
    QTest::newRow("two graphics, room for one") << qint64(1) << QStringList{"a.png", "b.png", "a.png", "b.png"} << 4;
}

void TstBankCheck::picturesDecodedOnce()
{
    QFETCH(qint64, budget);
    QFETCH(QStringList, points);
    QFETCH(int, decoded);
    ProgramFolder folder(false);
    folder.makeFolder(QStringLiteral("Graficos"));
    QVERIFY(plan().save(folder.file(QStringLiteral("Graficos/a.png"))));
    QVERIFY(plan().save(folder.file(QStringLiteral("Graficos/b.png"))));
    checker::Pictures pictures(folder.path(), budget);
    for (const QString &name : points) {
        QCOMPARE(pictures.failure(name), QString());
        QCOMPARE(pictures.point(name, 30, 20), checker::PointProblem::None);
    }
    QCOMPARE(pictures.decoded(), decoded);
}

// Reading question files several at once tells the same lines in the same
// order as reading them one after another, progress notes included.
void TstBankCheck::readsInFlight_data()
{
    QTest::addColumn<int>("readsInFlight");
    // Two reads ahead of a folder of 40: the folders' own problems wait
    // behind question files still being read.
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("as the program does") << checker::kReadsInFlight;
    // More than any folder holds: whole folders are read ahead.
    QTest::newRow("64") << 64;
}

void TstBankCheck::readsInFlight()
{
    QFETCH(int, readsInFlight);
    ProgramFolder folder(false);
    writeTroubledBank(folder);
    const QStringList oneByOne = checkInProcess(folder.path(), 1);
    // A bank to compare on: problems of files and, between them, of folders.
    QVERIFY(oneByOne.size() > 300);
    QVERIFY(oneByOne.filter(QRegularExpression(QStringLiteral("^Preguntas/[^:]*[^t]: "))).size() >= 15);
    const QStringList atOnce = checkInProcess(folder.path(), readsInFlight);
    QCOMPARE(atOnce.join(u'\n'), oneByOne.join(u'\n'));
}

QTEST_GUILESS_MAIN(TstBankCheck)
#include "tst_bankcheck.moc"
