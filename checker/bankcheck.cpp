// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankcheck.h"

#include "pictures.h"

#include "player/loadfailure.h"
#include "player/selection.h"
#include "player/testlogic.h"

#include "bank/folders.h"
#include "bank/languagefile.h"
#include "bank/question.h"
#include "bank/readfile.h"
#include "bank/wordrule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <deque>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace checker {

int Summary::questionCount() const
{
    int n = 0;
    for (int count : questions)
        n += count;
    return n;
}

QStringList clickableWords(const QString &text)
{
    QStringList words;
    QSet<QString> seen;
    for (int p = 0; p < text.size(); ++p) {
        if (p > 0 && !bank::isWordSeparator(text[p - 1]))
            continue;
        const QString word = bank::wordAt(text, p);
        if (!word.isEmpty() && !seen.contains(word)) {
            seen.insert(word);
            words.append(word);
        }
    }
    return words;
}

namespace {

// The language files, the lines their window reads, and the window.
struct LanguageFile {
    const char *name;
    int lines;
    const char *reader;
};
const LanguageFile kLanguageFiles[] = {
    {"inicio.txt", 3, QT_TRANSLATE_NOOP("checker", "la finestra d'inici")},
    {"seleccion.txt", 8, QT_TRANSLATE_NOOP("checker", "la finestra de selecció")},
    {"Principal.txt", 13, QT_TRANSLATE_NOOP("checker", "la finestra de prova")},
    {"ayuda.txt", 7, QT_TRANSLATE_NOOP("checker", "la finestra de prova")},
    {"Final.txt", 5, QT_TRANSLATE_NOOP("checker", "la finestra de prova")},
};

QString lineCountText(int n)
{
    return n == 1 ? QCoreApplication::translate("checker", "1 línia") : QCoreApplication::translate("checker", "%1 línies").arg(n);
}

QString fileCountText(int n)
{
    return n == 1 ? QCoreApplication::translate("checker", "1 fitxer") : QCoreApplication::translate("checker", "%1 fitxers").arg(n);
}

// "a, b, c", or the first few and how many more.
QString listed(const QStringList &names)
{
    constexpr int kShown = 8;
    if (names.size() <= kShown)
        return names.join(QStringLiteral(", "));
    return names.mid(0, kShown).join(QStringLiteral(", "))
        + QCoreApplication::translate("checker", " i %1 més").arg(names.size() - kShown);
}

struct ReadingText {
    QString failure;
    QStringList words;
};

// A question file as the player's test window reads it. Only a link can
// lead out of a folder that lies inside. Runs on the reading threads: it
// touches nothing but its own arguments.
bank::QuestionRead readQuestionFile(const QString &program, const QString &path, bool viaLink, bool folderInside)
{
    return viaLink || !folderInside ? player::readListedQuestion(program, path) : bank::readQuestion(path);
}

// What the walk through the folders has found and not yet told, in the
// order it is to be told: a problem, a progress note, or a question file
// being read.
struct Step {
    enum Kind { Problem, Progress, Question };
    Kind kind;
    QString path;
    QString message;
    QFuture<bank::QuestionRead> read;
};

class BankCheck
{
public:
    BankCheck(const QString &programFolder, const ProblemSink &problem, const ProgressSink &progress,
              int readsInFlight)
        : program(programFolder)
        , sink(problem)
        , progress(progress)
        , pictures(programFolder)
        , readAhead(readsInFlight > 1 ? 8 * readsInFlight : 0)
    {
        if (readAhead > 0)
            readers.setMaxThreadCount(readsInFlight);
    }

    Outcome run();

private:
    // The walk through the folders reports what it finds and notes where it
    // is; both wait behind the question files read before them.
    void report(const QString &path, const QString &message);
    void note(const QString &folder);
    void ask(const QString &path, bool viaLink, bool folderInside);
    void tellNext();
    void tellAll();
    // A problem of the question being told, told at once.
    void tell(const QString &path, const QString &message);
    QString relative(const QString &path) const;
    bool unreadable(const QString &folder);

    void checkNames(const QString &folder, bool inBank, int depth);
    void checkLanguageFiles();
    void checkLanguageSets();
    void checkLanguageFile(const QString &folder, const LanguageFile &file);
    void checkMarkScale();
    void checkCourse(const QString &course);
    void checkUnaskedFiles(const QString &folder, const QString &why);
    void checkQuestionFolder(const QString &folder);
    void checkQuestion(const QString &path, const bank::QuestionRead &read);
    void checkMultipleChoice(const QString &where, const bank::Question &q);
    bool namesNothing(const QString &where, const bank::Question &q);
    void checkGraphic(const QString &where, const bank::Question &q);
    void checkReading(const QString &where, const bank::Question &q);
    const ReadingText &readingText(const QString &name);

    QString program;
    ProblemSink sink;
    ProgressSink progress;
    Pictures pictures;
    QHash<QString, ReadingText> texts;
    Summary summary;
    int filesRead = 0;
    // Question files read ahead of the one being checked: a few per reading
    // thread, so that none waits while a picture is decoded; 0 reads each
    // when it is checked.
    int readAhead;
    int questionsAhead = 0;
    std::deque<Step> steps;
    QThreadPool readers;
};

void BankCheck::tell(const QString &path, const QString &message)
{
    ++summary.problems;
    if (sink)
        sink({path, message});
}

void BankCheck::report(const QString &path, const QString &message)
{
    if (steps.empty())
        tell(path, message);
    else
        steps.push_back({Step::Problem, path, message, {}});
}

void BankCheck::note(const QString &folder)
{
    if (!progress)
        return;
    if (steps.empty())
        progress(filesRead, folder);
    else
        steps.push_back({Step::Progress, folder, {}, {}});
}

void BankCheck::ask(const QString &path, bool viaLink, bool folderInside)
{
    if (readAhead == 0) {
        checkQuestion(path, readQuestionFile(program, path, viaLink, folderInside));
        return;
    }
    steps.push_back({Step::Question, path, {},
                     QtConcurrent::run(&readers, readQuestionFile, program, path, viaLink, folderInside)});
    ++questionsAhead;
    while (questionsAhead > readAhead)
        tellNext();
}

void BankCheck::tellNext()
{
    Step step = std::move(steps.front());
    steps.pop_front();
    switch (step.kind) {
    case Step::Problem:
        tell(step.path, step.message);
        break;
    case Step::Progress:
        progress(filesRead, step.path);
        break;
    case Step::Question:
        --questionsAhead;
        checkQuestion(step.path, step.read.result());
        break;
    }
}

void BankCheck::tellAll()
{
    while (!steps.empty())
        tellNext();
}

QString BankCheck::relative(const QString &path) const
{
    return path.mid(program.endsWith(u'/') ? program.size() : program.size() + 1);
}

// A folder the player would list as empty because it may not look inside.
bool BankCheck::unreadable(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isReadable() && info.isExecutable())
        return false;
    report(relative(folder), QCoreApplication::translate("checker", "No es pot llegir la carpeta: el programa la veu buida."));
    return true;
}

Outcome BankCheck::run()
{
    Outcome outcome;
    const QFileInfo folder(program);
    if (!folder.isDir()) {
        outcome.status = CannotCheck;
        outcome.failure = QCoreApplication::translate("checker", "la carpeta «%1» no existeix.").arg(program);
        return outcome;
    }
    const QString questions = bank::findEntry(program, QString::fromLatin1(bank::kQuestionsFolder));
    const QFileInfo questionsInfo(questions);
    if (!questionsInfo.isDir()) {
        outcome.status = CannotCheck;
        outcome.failure = QCoreApplication::translate("checker", "a «%1» no hi ha cap carpeta «%2».")
                              .arg(program, QString::fromLatin1(bank::kQuestionsFolder));
        return outcome;
    }
    if (!folder.isReadable() || !questionsInfo.isReadable() || !questionsInfo.isExecutable()) {
        outcome.status = CannotCheck;
        outcome.failure = QCoreApplication::translate("checker", "no es pot llegir la carpeta «%1».").arg(questions);
        return outcome;
    }

    checkNames(program, false, 0);
    checkLanguageFiles();
    checkMarkScale();
    checkUnaskedFiles(questions, QCoreApplication::translate("checker", "només es fan les preguntes de les carpetes de matèria "
                                                "o d'opció"));
    const QStringList courses = bank::subfolders(questions);
    summary.courses = int(courses.size());
    if (courses.isEmpty())
        report(relative(questions), QCoreApplication::translate("checker", "La carpeta no té cap curs."));
    for (const QString &course : courses)
        checkCourse(questions + u'/' + course);
    tellAll();

    outcome.summary = summary;
    outcome.status = summary.problems > 0 ? ProblemsFound : NoProblem;
    return outcome;
}

// Names the programs cannot use, found where the folder lists give them
// out: a name that is no UTF-8 (Windows-1252 from a zip made on Windows)
// cannot be opened by the name Qt decodes from it, so its subject, picture
// or report is invisible; a folder link in the bank is never followed. Only
// the raw listing shows either, hence readdir.
void BankCheck::checkNames(const QString &folder, bool inBank, int depth)
{
#ifdef Q_OS_UNIX
    constexpr int kDeepest = 8;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    struct Entry {
        QByteArray raw;
        bool isFolder;
        bool isLink;
    };
    std::vector<Entry> entries;
    const QByteArray base = QFile::encodeName(folder) + '/';
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.startsWith('.'))
            continue;
        struct stat info {};
        if (::lstat((base + raw).constData(), &info) != 0)
            continue;
        bool isFolder = S_ISDIR(info.st_mode);
        const bool isLink = S_ISLNK(info.st_mode);
        struct stat target {};
        if (isLink && ::stat((base + raw).constData(), &target) == 0)
            isFolder = S_ISDIR(target.st_mode);
        entries.push_back({raw, isFolder, isLink});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.raw < b.raw; });
    for (const Entry &entry : entries) {
        const QString name = QFile::decodeName(entry.raw);
        const QString where = relative(folder + u'/' + name);
        if (QFile::encodeName(name) != entry.raw) {
            report(where, QCoreApplication::translate("checker", "El nom no és UTF-8 (potser «%1», d'un zip fet a Windows): els programes "
                                         "no veuen %2; canvieu-li el nom.")
                              .arg(QString::fromLatin1(entry.raw),
                                   entry.isFolder ? QCoreApplication::translate("checker", "la carpeta ni res del que conté")
                                                  : QCoreApplication::translate("checker", "el fitxer")));
            continue;
        }
        const bool bank = inBank || (depth == 0 && name.compare(QLatin1String(bank::kQuestionsFolder),
                                                                Qt::CaseInsensitive) == 0);
        if (entry.isLink && entry.isFolder && bank) {
            report(where, QCoreApplication::translate("checker", "És un enllaç a una carpeta: el programa no el segueix i no en fa cap "
                                         "pregunta."));
            continue;
        }
        if (entry.isFolder && !entry.isLink && depth < kDeepest)
            checkNames(folder + u'/' + name, bank, depth + 1);
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(inBank);
    Q_UNUSED(depth);
#endif
}

void BankCheck::checkLanguageFiles()
{
    for (const LanguageFile &file : kLanguageFiles)
        checkLanguageFile(QString::fromLatin1(bank::kLanguageFolder), file);
    checkLanguageSets();
}

// The sets of every language, which a school copies into idioma/ to switch:
// each must be as whole as the one in use. The class results read more
// lines of resultats.txt than they once did, so a set whose file is shorter
// than another's shows the lines it lacks in their built-in language.
void BankCheck::checkLanguageSets()
{
    const QString sets = bank::findEntry(program, QString::fromLatin1(bank::kLanguageSetsFolder));
    if (!QFileInfo(sets).isDir())
        return;
    QList<std::pair<QString, int>> resultsLines;
    int most = 0;
    for (const QString &set : bank::subfolders(sets)) {
        const QString folder = relative(sets) + u'/' + set;
        for (const LanguageFile &file : kLanguageFiles)
            checkLanguageFile(folder, file);
        bank::LineReader reader = bank::openProgramFile(program, folder + QStringLiteral("/resultats.txt"),
                                                        bank::LineEnds::CrOnly);
        if (!reader.exists())
            continue;
        int lines = 0;
        for (QString line; reader.readLine(line);)
            ++lines;
        resultsLines.append({relative(bank::resolvePath(program, folder + QStringLiteral("/resultats.txt"))), lines});
        most = std::max(most, lines);
    }
    for (const auto &[where, lines] : std::as_const(resultsLines)) {
        if (lines < most)
            report(where, QCoreApplication::translate("checker", "El fitxer té %1 i el d'un altre idioma en té %2: el programa "
                                                               "de resultats mostra les que hi falten en català.")
                              .arg(lineCountText(lines), QString::number(most)));
    }
}

// A language file under `folder` (relative to the program folder), read as
// the player reads the one in idioma/.
void BankCheck::checkLanguageFile(const QString &folder, const LanguageFile &file)
{
    const QString name = QString::fromLatin1(file.name);
    const QString relativeName = folder + u'/' + name;
    const QString where = relative(bank::resolvePath(program, relativeName));
    bank::LineReader reader = bank::openProgramFile(program, relativeName, bank::LineEnds::CrOnly);
    if (!reader.exists()) {
        report(where, reader.problem() == bank::FileProblem::Missing
                          ? player::missingFileText(name)
                          : QCoreApplication::translate("checker", "No es pot llegir el fitxer «%1»: el programa fa com si no hi "
                                           "fos.").arg(name));
        return;
    }
    // Saved as UTF-16 without its mark, or damaged: no caption reads right.
    if (reader.holdsNul())
        report(where, QCoreApplication::translate("checker", "El fitxer té caràcters nuls: no és text en Windows-1252 ni en UTF-8."));
    int lines = 0;
    QString line;
    while (lines < file.lines && reader.readLine(line))
        ++lines;
    if (lines < file.lines) {
        // The player ends a line at CR LF or CR, so a lone LF (a line
        // pasted from a Linux editor) joins two lines any editor shows.
        const QByteArray bytes =
            bank::readFile(bank::resolvePath(program, relativeName), bank::kMaxTextFileBytes).bytes;
        const QList<QByteArray> shown = QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n');
        const int editorLines = int(shown.size()) - (bytes.endsWith('\n') || bytes.endsWith('\r') ? 1 : 0);
        const bool loneLf = bytes.contains('\r') && QRegularExpression(QStringLiteral("(^|[^\r])\n"))
                                                       .match(QString::fromLatin1(bytes)).hasMatch();
        if (loneLf && editorLines > lines) {
            report(where, QCoreApplication::translate("checker", "El programa hi llegeix %1 i %2 en necessita %3: un editor en mostra %4, "
                                         "però el programa només acaba les línies en CR LF i hi ha salts de "
                                         "línia LF sols, que ajunten dues línies en una. Deseu-lo amb finals "
                                         "de línia de Windows (CR LF).")
                              .arg(lineCountText(lines), QCoreApplication::translate("checker", file.reader), QString::number(file.lines),
                                   QString::number(editorLines)));
        } else {
            report(where, QCoreApplication::translate("checker", "El fitxer té %1 i %2 en llegeix %3.")
                              .arg(lineCountText(lines), QCoreApplication::translate("checker", file.reader),
                                   QString::number(file.lines)));
        }
    }
}

void BankCheck::checkMarkScale()
{
    const QString name = QStringLiteral("tope.txt");
    bank::LineReader reader = bank::openProgramFile(program, name);
    // Without the file the scale is 10, as it is meant to be.
    if (!reader.exists() && reader.problem() == bank::FileProblem::Missing)
        return;
    const QString where = relative(bank::resolvePath(program, name));
    if (!reader.exists()) {
        report(where, QCoreApplication::translate("checker", "No es pot llegir el fitxer «%1»: el programa puntua sobre 10.").arg(name));
        return;
    }
    QString line;
    reader.readLine(line);
    if (!player::isUsableMarkScale(line)) {
        report(where, QCoreApplication::translate("checker", "La primera línia («%1») no és cap nota màxima de 0,01 a 32767: el programa "
                                     "puntua sobre 10.")
                          .arg(line.trimmed().left(20)));
    } else if (static const QRegularExpression number(QStringLiteral("^\\s*\\d+([.,]\\d{1,2})?\\s*$"));
               !number.match(line).hasMatch()) {
        // The player takes the number it starts with, to the hundredths, with
        // "," or "." before the decimals: "20 punts" is 20.
        report(where, QCoreApplication::translate("checker", "La primera línia («%1») no és només un nombre: el programa en pren el "
                                     "nombre del començament i puntua sobre %2.")
                          .arg(line.trimmed().left(20), player::markScaleText(player::markScaleHundredths(line))));
    }
}

void BankCheck::checkCourse(const QString &course)
{
    const QString where = relative(course);
    if (unreadable(course))
        return;
    const QStringList subjects = bank::subfolders(course);
    summary.subjects += int(subjects.size());
    if (subjects.isEmpty())
        report(where, QCoreApplication::translate("checker", "El curs no té cap matèria."));
    if (subjects.size() > player::kMaxTests) {
        report(where, QCoreApplication::translate("checker", "El curs té %1 matèries i una prova en fa com a màxim %2: les que es triïn "
                                     "de més no es fan.")
                          .arg(QString::number(subjects.size()), QString::number(player::kMaxTests)));
    }
    checkUnaskedFiles(course, QCoreApplication::translate("checker", "només es fan les preguntes de les carpetes de matèria o d'opció"));
    for (const QString &subject : subjects) {
        const QString subjectFolder = player::questionFolder(course, subject, QString());
        if (unreadable(subjectFolder))
            continue;
        const QStringList options = bank::subfolders(subjectFolder);
        if (options.isEmpty()) {
            checkQuestionFolder(subjectFolder);
            continue;
        }
        checkUnaskedFiles(subjectFolder, QCoreApplication::translate("checker", "la matèria té carpetes d'opció i només es fan les "
                                                        "preguntes que hi ha dins"));
        for (const QString &option : options)
            checkQuestionFolder(player::questionFolder(course, subject, option));
    }
}

// Question files where the selection window never looks.
void BankCheck::checkUnaskedFiles(const QString &folder, const QString &why)
{
    QStringList names;
    for (const bank::FileEntry &file : bank::fileEntries(folder)) {
        if (bank::questionFileNumber(file.name) > 0)
            names.append(file.name);
    }
    if (names.isEmpty())
        return;
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return bank::questionFileNumber(a) < bank::questionFileNumber(b);
    });
    report(relative(folder), QCoreApplication::translate("checker", "Aquestes preguntes no es fan mai (%1): %2.").arg(why, listed(names)));
}

void BankCheck::checkQuestionFolder(const QString &folder)
{
    ++summary.questionFolders;
    const QString where = relative(folder);
    if (unreadable(folder))
        return;
    note(where);

    // The player counts every file of the folder and draws numbers from 1
    // to that count, each looked up as "N.txt" whatever its letter case.
    const QList<bank::FileEntry> files = bank::fileEntries(folder);
    const int count = int(files.size());
    if (count < player::kMinimumQuestionFiles) {
        report(where, QCoreApplication::translate("checker", "La carpeta té %1 i el programa no fa mai una matèria amb menys de %2.")
                          .arg(fileCountText(count), QString::number(player::kMinimumQuestionFiles)));
    }
    std::vector<int> drawn(size_t(count) + 1, -1); // number -> index in `files`
    for (int i = 0; i < count; ++i) {
        const int n = bank::questionFileNumber(files[i].name);
        if (n < 1 || n > count)
            continue;
        // The exact lower-case name is the one asked for first.
        const bool exact = files[i].name.endsWith(QStringLiteral(".txt"));
        if (drawn[size_t(n)] < 0 || (exact && !files[drawn[size_t(n)]].name.endsWith(QStringLiteral(".txt"))))
            drawn[size_t(n)] = i;
    }
    QStringList missing;
    std::vector<bool> used(size_t(count), false);
    for (int n = 1; n <= count; ++n) {
        if (drawn[size_t(n)] < 0)
            missing.append(QString::number(n) + QStringLiteral(".txt"));
        else
            used[size_t(drawn[size_t(n)])] = true;
    }
    QStringList stray;
    for (int i = 0; i < count; ++i) {
        if (!used[size_t(i)])
            stray.append(files[i].name);
    }
    if (!missing.isEmpty() || !stray.isEmpty()) {
        std::sort(stray.begin(), stray.end(), [](const QString &a, const QString &b) {
            const int na = bank::questionFileNumber(a);
            const int nb = bank::questionFileNumber(b);
            return na != nb ? na < nb : a < b;
        });
        QStringList parts;
        if (!missing.isEmpty())
            parts.append((missing.size() == 1 ? QCoreApplication::translate("checker", "falta ") : QCoreApplication::translate("checker", "falten "))
                         + listed(missing));
        if (!stray.isEmpty())
            parts.append(QCoreApplication::translate("checker", "no es fan mai: ") + listed(stray));
        report(where, QCoreApplication::translate("checker", "Amb %1 a la carpeta, el programa tria entre 1.txt i %2.txt: %3.")
                          .arg(fileCountText(count), QString::number(count), parts.join(QStringLiteral("; "))));
    }

    const bool folderInside = bank::isInside(folder, program);
    for (int n = 1; n <= count; ++n) {
        if (drawn[size_t(n)] >= 0) {
            const bank::FileEntry &file = files[drawn[size_t(n)]];
            ask(folder + u'/' + file.name, file.isLink, folderInside);
        }
    }
}

void BankCheck::checkQuestion(const QString &path, const bank::QuestionRead &read)
{
    ++filesRead;
    if (progress && filesRead % 256 == 0)
        progress(filesRead, relative(QFileInfo(path).path()));
    const QString where = relative(path);
    const QString name = QFileInfo(path).fileName();
    if (const QString why = player::notAQuestionText(read, name); !why.isEmpty()) {
        ++summary.notQuestions;
        tell(where, why);
        return;
    }
    const bank::Question &q = read.question;
    ++summary.questions[size_t(bank::typeCode(q.type))];
    // Every type shows its statement: without one the pupil is asked nothing.
    if (q.statement.trimmed().isEmpty())
        tell(where, QCoreApplication::translate("checker", "L'enunciat és buit: l'alumne no sap què se li pregunta."));
    switch (q.type) {
    case bank::QuestionType::None:
        break;
    case bank::QuestionType::MultipleChoice:
        checkMultipleChoice(where, q);
        break;
    case bank::QuestionType::PictureAnswer:
        if (!namesNothing(where, q)) {
            if (const QString why = pictures.failure(q.fileName); !why.isEmpty())
                tell(where, why);
        }
        [[fallthrough]];
    case bank::QuestionType::WrittenAnswer:
        // A typed answer is judged letter by letter: with no letter to type,
        // no pupil can answer it right.
        if (q.answer.isEmpty())
            tell(where, QCoreApplication::translate("checker", "La resposta és buida: cap alumne no la pot encertar."));
        break;
    case bank::QuestionType::GraphicPoint:
        checkGraphic(where, q);
        break;
    case bank::QuestionType::ReadingWord:
        checkReading(where, q);
        break;
    case bank::QuestionType::TrueFalse:
        // The player takes anything but VERDADERO, to the letter, for FALSO.
        if (read.answerLine != u"VERDADERO" && read.answerLine != u"FALSO")
            tell(where, QCoreApplication::translate("checker", "La resposta «%1» no és ni VERDADERO ni FALSO, en majúscules i sense espais: "
                                       "el programa la pren per FALSO.")
                            .arg(read.answerLine));
        break;
    }
}

void BankCheck::checkMultipleChoice(const QString &where, const bank::Question &q)
{
    QStringList correct;
    QStringList empty;
    for (int i = 0; i < q.options.size(); ++i) {
        if (bank::isCorrectOption(q.options[i]))
            correct.append(QString::number(i + 1));
        if (q.options[i].isEmpty())
            empty.append(QString::number(i + 1));
    }
    if (!empty.isEmpty())
        tell(where, QCoreApplication::translate("checker", "La pregunta té opcions buides (%1): el programa les mostra en blanc.")
                        .arg(empty.join(QStringLiteral(", "))));
    if (q.options.size() == 1)
        tell(where, QCoreApplication::translate("checker", "La pregunta té una sola opció: no hi ha res a triar."));
    if (correct.size() == 1 && q.options[correct[0].toInt() - 1].trimmed().isEmpty()) {
        tell(where, QCoreApplication::translate("checker", "L'única opció correcta, la %1, és en blanc: l'alumne no sap quina triar.")
                        .arg(correct[0]));
    } else if (correct.isEmpty()) {
        QStringList noBreak;
        for (int i = 0; i < q.options.size(); ++i) {
            if (q.options[i].endsWith(QChar::Nbsp))
                noBreak.append(QString::number(i + 1));
        }
        if (noBreak.isEmpty())
            tell(where, QCoreApplication::translate("checker", "La pregunta no té cap opció correcta: cap opció no acaba en un espai."));
        else
            tell(where, QCoreApplication::translate("checker", "La pregunta no té cap opció correcta: %1 en un espai no separable, i "
                                       "només un espai normal al final marca la correcta.")
                            .arg(noBreak.size() == 1 ? QCoreApplication::translate("checker", "l'opció %1 acaba").arg(noBreak[0])
                                                     : QCoreApplication::translate("checker", "les opcions %1 acaben")
                                                           .arg(noBreak.join(QStringLiteral(", ")))));
    } else if (correct.size() > 1) {
        const QString last = correct.takeLast();
        tell(where, QCoreApplication::translate("checker", "La pregunta té %1 opcions correctes (les que acaben en un espai): la %2 i "
                                     "la %3.")
                          .arg(QString::number(correct.size() + 1), correct.join(QCoreApplication::translate("checker", ", la ")), last));
    }
    if (q.attachment.isEmpty())
        return;
    const QString why = bank::isPictureAttachment(q.attachment) ? pictures.failure(q.attachment)
                                                                : readingText(q.attachment).failure;
    if (!why.isEmpty())
        tell(where, why);
}

// A picture, graphic or text line that is empty or blank: the player looks
// for a file of no name and says it cannot find «».
bool BankCheck::namesNothing(const QString &where, const bank::Question &q)
{
    if (!q.fileName.trimmed().isEmpty())
        return false;
    const bank::QuestionType type = q.type;
    tell(where, type == bank::QuestionType::ReadingWord
                    ? QCoreApplication::translate("checker", "La línia del text és buida: la pregunta no diu quin text s'ha de llegir.")
                    : type == bank::QuestionType::GraphicPoint
                    ? QCoreApplication::translate("checker", "La línia del gràfic és buida: la pregunta no diu quin gràfic s'ha de marcar.")
                    : QCoreApplication::translate("checker", "La línia de la imatge és buida: la pregunta no diu quina imatge es mostra."));
    return true;
}

void BankCheck::checkGraphic(const QString &where, const bank::Question &q)
{
    if (namesNothing(where, q))
        return;
    if (const QString why = pictures.failure(q.fileName); !why.isEmpty()) {
        tell(where, why);
        return;
    }
    QSize size;
    const PointProblem problem = pictures.point(q.fileName, q.x, q.y, &size);
    const QString point = QStringLiteral("(%1, %2)").arg(bank::coordinateText(q.x), bank::coordinateText(q.y));
    if (problem == PointProblem::Outside) {
        tell(where, QCoreApplication::translate("checker", "El punt %1 és fora del gràfic «%2», de %3 × %4 píxels: cap clic no hi arriba.")
                          .arg(point, q.fileName, QString::number(size.width()), QString::number(size.height())));
    } else if (problem == PointProblem::NoRoom) {
        tell(where, QCoreApplication::translate("checker", "El punt %1 del gràfic «%2» és sobre una línia o una taca massa petita per "
                                     "clicar-hi: la seva regió no té cap quadrat de %3 × %3 píxels del seu color.")
                          .arg(point, q.fileName, QString::number(kClickSquare)));
    }
}

const ReadingText &BankCheck::readingText(const QString &name)
{
    auto it = texts.find(name);
    if (it != texts.end())
        return *it;
    ReadingText read;
    QString text;
    if (player::readQuestionText(program, name, text, read.failure))
        read.words = clickableWords(text);
    return *texts.insert(name, read);
}

void BankCheck::checkReading(const QString &where, const bank::Question &q)
{
    if (namesNothing(where, q))
        return;
    const ReadingText &text = readingText(q.fileName);
    if (!text.failure.isEmpty()) {
        tell(where, text.failure);
        return;
    }
    const bool found = std::any_of(text.words.cbegin(), text.words.cend(),
                                   [&q](const QString &word) { return player::isRightWord(word, q.answer); });
    if (!found && q.answer.contains(QChar::Nbsp)) {
        tell(where, QCoreApplication::translate("checker", "La paraula «%1» té un espai no separable, i el text es talla en aquest espai com "
                                     "en un espai normal: cap clic no la dona.")
                          .arg(q.answer));
    } else if (!found) {
        tell(where, QCoreApplication::translate("checker", "Cap paraula del text «%1» no es pot triar com a «%2»: només els espais "
                                     "separen les paraules.")
                          .arg(q.fileName, q.answer));
    }
}

} // namespace

Outcome checkProgramFolder(const QString &programFolder, const ProblemSink &problem, const ProgressSink &progress,
                           int readsInFlight)
{
    QString folder = QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath());
    BankCheck check(folder, problem, progress, readsInFlight);
    return check.run();
}

QStringList summaryLines(const Summary &s)
{
    const char *const kTypes[] = {
        QT_TRANSLATE_NOOP("checker", "tipus test"),          QT_TRANSLATE_NOOP("checker", "resposta escrita"),
        QT_TRANSLATE_NOOP("checker", "imatge amb resposta"), QT_TRANSLATE_NOOP("checker", "marcar en un gràfic"),
        QT_TRANSLATE_NOOP("checker", "comprensió lectora"),  QT_TRANSLATE_NOOP("checker", "vertader o fals")};
    auto count = [](int n, const char *one, const char *many) {
        return QString::number(n) + u' ' + QCoreApplication::translate("checker", n == 1 ? one : many);
    };
    QStringList lines;
    lines.append(QCoreApplication::translate("checker", "Resum: %1, %2, %3, %4.")
                     .arg(count(s.courses, QT_TRANSLATE_NOOP("checker", "curs"), QT_TRANSLATE_NOOP("checker", "cursos")),
                          count(s.subjects, QT_TRANSLATE_NOOP("checker", "matèria"), QT_TRANSLATE_NOOP("checker", "matèries")),
                          count(s.questionFolders, QT_TRANSLATE_NOOP("checker", "carpeta de preguntes"),
                                QT_TRANSLATE_NOOP("checker", "carpetes de preguntes")),
                          count(s.questionCount(), QT_TRANSLATE_NOOP("checker", "pregunta"), QT_TRANSLATE_NOOP("checker", "preguntes"))));
    for (const bank::QuestionType type : bank::kQuestionTypes) {
        const int code = bank::typeCode(type);
        lines.append(QStringLiteral("  %1: %2").arg(QCoreApplication::translate("checker", kTypes[code - 1])).arg(s.questions[size_t(code)]));
    }
    if (s.notQuestions > 0)
        lines.append(QCoreApplication::translate("checker", "  fitxers que no són preguntes: %1").arg(s.notQuestions));
    lines.append(s.problems == 0 ? QCoreApplication::translate("checker", "Cap problema.") : count(s.problems, QT_TRANSLATE_NOOP("checker", "problema"), QT_TRANSLATE_NOOP("checker", "problemes")) + u'.');
    return lines;
}

} // namespace checker
