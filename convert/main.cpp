// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// brenloq-convert import FILE FOLDER | export FOLDER FILE [--check]:
// questions in and out of the bank as GIFT, Moodle XML or Aiken. One line
// per question not carried, then a summary. Exit status 0 when everything
// went, 1 when some questions did not, 2 when nothing could be done.

#include "pictures.h"

#include "interchange/interchange.h"
#include "ui/translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const kUsage = QT_TRANSLATE_NOOP(
    "convert",
    "Ús: brenloq-convert [--check] import FITXER CARPETA\n"
    "    brenloq-convert [--check] export CARPETA FITXER\n"
    "import: porta les preguntes d'un fitxer GIFT, Moodle XML o Aiken a CARPETA (una carpeta\n"
    "  de preguntes dins de Preguntas; es crea si cal). Les categories es fan subcarpetes i les\n"
    "  imatges van a Graficos.\n"
    "export: escriu les preguntes de CARPETA i les subcarpetes a FITXER, GIFT (.gift, .txt) o\n"
    "  Moodle XML (.xml).\n"
    "--check: diu què passaria, sense escriure res.\n"
    "Surt amb 0 si ho porta tot, 1 si algunes preguntes no, 2 si no pot fer res.\n"
    "--language ca|es|en: la llengua dels missatges.\n");

void writeUsage(std::FILE *stream)
{
    std::fputs(QCoreApplication::translate("convert", kUsage).toUtf8().constData(), stream);
}

void writeLine(std::FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // Picture readers and writers are plugins, found through the application.
    QCoreApplication app(argc, argv);
    ui::useLanguage(QCoreApplication::arguments(), QStringLiteral("ca"));
    QStringList words;
    interchange::Options options;
    options.convertPicture = convert::toJpeg;
    bool flags = true;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (flags && argument == u"--") {
            flags = false;
        } else if (flags && (argument == u"-h" || argument == u"--help")) {
            writeUsage(stdout);
            return 0;
        } else if (flags && argument == u"--language") {
            ++i; // read above
        } else if (flags && argument.startsWith(u"--language=")) {
        } else if (flags && (argument == u"--check" || argument == u"-n")) {
            options.dryRun = true;
        } else if (flags && argument.startsWith(u'-') && argument.size() > 1) {
            writeLine(stderr, QCoreApplication::translate("convert", "brenloq-convert: opció desconeguda «%1».").arg(argument));
            writeUsage(stderr);
            return interchange::NothingDone;
        } else {
            words << argument;
        }
    }
    if (words.size() != 3 || (words[0] != u"import" && words[0] != u"export")) {
        writeUsage(stderr);
        return interchange::NothingDone;
    }
    const interchange::Outcome outcome = words[0] == u"import"
        ? interchange::importFile(words[1], words[2], options)
        : interchange::exportFolder(words[1], words[2], options);
    for (const QString &line : outcome.lines)
        writeLine(stdout, line);
    if (!outcome.failure.isEmpty())
        writeLine(stderr, QStringLiteral("brenloq-convert: ") + outcome.failure);
    if (!outcome.summary.isEmpty())
        writeLine(stdout, (options.dryRun ? QCoreApplication::translate("convert", "Prova, no s'ha escrit res: ") : QString()) + outcome.summary);
    std::fflush(stdout);
    return outcome.status;
}
