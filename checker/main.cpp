// brenloq-check [PROGRAM_FOLDER]: checks a program folder before class.
// One line per problem on standard output, then a summary. Exit status 0
// without problems, 1 with some, 2 when the folder cannot be checked.

#include "bankcheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char kUsage[] =
    "Ús: brenloq-check [CARPETA_DEL_PROGRAMA]\n"
    "Comprova el banc de preguntes, les imatges, els textos, els fitxers d'idioma i tope.txt\n"
    "de la carpeta del programa (per defecte, la carpeta on és brenloq-check) i escriu una\n"
    "línia per problema. Surt amb 0 si no en troba cap, 1 si en troba i 2 si no pot comprovar.\n";

void writeLine(std::FILE *stream, const QString &line)
{
    // Always UTF-8: a teacher's terminal or a saved report, whatever the locale.
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

bool isTerminal(std::FILE *stream)
{
#ifdef Q_OS_UNIX
    return ::isatty(::fileno(stream)) == 1;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

// A line on the terminal that says how far the check has come; nothing
// when standard error goes to a file or a pipe.
class ProgressLine
{
public:
    ProgressLine()
        : shown(isTerminal(stderr))
        , sharesTerminal(shown && isTerminal(stdout))
    {
        clock.start();
    }

    void update(int filesRead, const QString &folder)
    {
        if (!shown || clock.elapsed() < next)
            return;
        next = clock.elapsed() + 100;
        QString where = folder;
        if (where.size() > 50)
            where = QStringLiteral("…") + where.right(49);
        const QByteArray text = QStringLiteral("\r\033[K%1 preguntes llegides  %2").arg(filesRead).arg(where).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        std::fflush(stderr);
        dirty = true;
    }

    // Before a line on standard output that would land on the same terminal.
    void clearFor(bool output)
    {
        if (!dirty || (output && !sharesTerminal))
            return;
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        dirty = false;
    }

private:
    bool shown;
    bool sharesTerminal;
    bool dirty = false;
    QElapsedTimer clock;
    qint64 next = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // The picture readers are plugins, found through the application.
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    bool options = true;
    QStringList folders;
    for (const QString &argument : std::as_const(arguments)) {
        if (options && argument == u"--") {
            options = false;
        } else if (options && (argument == u"-h" || argument == u"--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (options && argument.startsWith(u'-') && argument.size() > 1) {
            writeLine(stderr, QStringLiteral("brenloq-check: opció desconeguda «%1».").arg(argument));
            std::fputs(kUsage, stderr);
            return checker::CannotCheck;
        } else {
            folders.append(argument);
        }
    }
    if (folders.size() > 1) {
        std::fputs(kUsage, stderr);
        return checker::CannotCheck;
    }
    const QString folder = folders.isEmpty() ? QCoreApplication::applicationDirPath() : folders.first();

    ProgressLine progress;
    const checker::Outcome outcome = checker::checkProgramFolder(
        folder,
        [&progress](const checker::Problem &problem) {
            progress.clearFor(true);
            writeLine(stdout, problem.path + QStringLiteral(": ") + problem.message);
        },
        [&progress](int filesRead, const QString &where) { progress.update(filesRead, where); });
    progress.clearFor(false);

    if (outcome.status == checker::CannotCheck) {
        writeLine(stderr, QStringLiteral("brenloq-check: ") + outcome.failure);
        return checker::CannotCheck;
    }
    for (const QString &line : checker::summaryLines(outcome.summary))
        writeLine(stdout, line);
    std::fflush(stdout);
    return outcome.status;
}
