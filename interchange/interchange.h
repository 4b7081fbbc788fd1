// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Questions in and out of the bank: GIFT, Moodle XML and Aiken text, the
// formats of the learning platform most schools run and of the question
// generators around it. The readers turn a file into the bank's questions
// and a list of what could not be carried; nothing is ever half-imported.
// Files are written only through the bank's question writer.

#include "bank/question.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace interchange {

enum class Format { Unknown, Gift, MoodleXml, Aiken };

// The format of a file from its content; the extension only decides between
// formats the content leaves open.
Format detectFormat(const QByteArray &bytes, const QString &fileName = {});

// A picture or text file a question names. `bytes` is empty when the source
// only names it (GIFT, Aiken): it must then already be in the program folder.
struct Carried {
    QString name;
    QByteArray bytes;
    bool embedded = false;
};

// One question read from a file.
struct Item {
    bank::Question question;
    QStringList category;     // sub-folders below the target folder
    QString where;            // "line 12" or the question's name
    bool hasFile = false;     // the attachment or picture in `file`
    Carried file;
    QStringList notes;        // what of it did not travel: other answers, penalties
};

// One question that could not be carried. `kind` groups it in the summary
// ("d'aparellar", "numèrica"); `reason` says it on its own line.
struct Skipped {
    QString where;
    QString kind;
    QString reason;
};

struct Parsed {
    QList<Item> items;
    QList<Skipped> skipped;
    bool feedbackDropped = false;
    QString failure; // the file as a whole could not be read
};

Parsed parseGift(const QString &text);
Parsed parseMoodleXml(const QByteArray &bytes);
Parsed parseAiken(const QString &text);
Parsed parse(const QByteArray &bytes, Format format);

// Texts: HTML becomes one plain line (tags removed, entities decoded, line
// breaks and paragraphs spaces). Links and pictures that point at a file
// (@@PLUGINFILE@@/name or a bare name) are taken out and named in `files`.
QString htmlToPlain(const QString &html, QStringList *files = nullptr);
QString markdownToPlain(const QString &text);
// A plain field as HTML that htmlToPlain() gives back unchanged.
QString plainToHtml(const QString &text);

// --- The bank side ---

// Converts a picture the player cannot show (PNG, BMP ...) into JPEG; empty
// when it cannot. Pictures need Qt Gui, which this library does without.
using PictureConverter = std::function<QByteArray(const QByteArray &)>;

struct Options {
    bool dryRun = false;
    PictureConverter convertPicture;
};

enum Status { AllDone = 0, SomeNotDone = 1, NothingDone = 2 };

// What an import or export did, in the words brenloq-convert prints.
struct Outcome {
    Status status = NothingDone;
    QString failure;       // nothing could be done, and why
    QStringList lines;     // one per question not carried, and notes
    QString summary;       // "312 preguntes importades, 4 no: ..."
    int done = 0;
    QList<Skipped> skipped;
    QStringList written;   // files written (question files, pictures, texts)
};

// The program folder a question folder belongs to: the folder holding the
// nearest "Preguntas" above (or at) `folder`; empty when there is none.
QString programFolderOf(const QString &folder);

// Largest file read. A Moodle XML export with its pictures is a few MB.
inline constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;

Outcome importFile(const QString &file, const QString &folder, const Options &options = {});
Outcome importBytes(const QByteArray &bytes, const QString &fileLabel, const QString &folder,
                    const Options &options = {});

// Exports the question folders under `folder` (itself included), as GIFT or
// Moodle XML by the extension of `file`.
Outcome exportFolder(const QString &folder, const QString &file, const Options &options = {});
Format exportFormatOf(const QString &file);

// The bank's questions as a file. `category` is the folder path below the
// exported folder; `files` the attachment or picture each question names.
struct Exported {
    bank::Question question;
    QStringList category;
    QString where;
    Carried file;
};
QByteArray writeGift(const QList<Exported> &questions);
QByteArray writeMoodleXml(const QList<Exported> &questions);

} // namespace interchange
