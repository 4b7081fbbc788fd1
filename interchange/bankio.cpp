// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank side of an import or export: questions written through the
// bank's writer, pictures and texts into the program folder's Graficos and
// textos under a free name, and what did not travel told one line each.

#include "parsing.h"

#include "bank/atomicfile.h"
#include "bank/folders.h"
#include "bank/readfile.h"
#include "bank/textcodec.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace interchange {

using namespace detail;

Parsed parse(const QByteArray &bytes, Format format)
{
    switch (format) {
    case Format::MoodleXml:
        return parseMoodleXml(bytes);
    case Format::Gift:
        return parseGift(bank::decodeText(bytes));
    case Format::Aiken:
        return parseAiken(bank::decodeText(bytes));
    case Format::Unknown:
        break;
    }
    return Parsed{{}, {}, false, QCoreApplication::translate("interchange", "no és un fitxer GIFT, Moodle XML ni Aiken")};
}

QString programFolderOf(const QString &folder)
{
    // By the names alone: the question folder may not exist yet.
    QStringList parts = QDir::cleanPath(QDir(folder).absolutePath()).split(u'/');
    while (parts.size() > 1) {
        if (parts.last().compare(QLatin1String(bank::kQuestionsFolder), Qt::CaseInsensitive) == 0) {
            parts.removeLast();
            return parts.join(u'/').isEmpty() ? QStringLiteral("/") : parts.join(u'/');
        }
        parts.removeLast();
    }
    return {};
}

Format exportFormatOf(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == u"gift" || suffix == u"txt")
        return Format::Gift;
    if (suffix == u"xml")
        return Format::MoodleXml;
    return Format::Unknown;
}

namespace {

// `one` and `many` are QT_TRANSLATE_NOOP texts: the count comes first.
QString summaryOf(int done, const QList<Skipped> &skipped, const char *one, const char *many)
{
    QString text = QStringLiteral("%1 %2").arg(done).arg(QCoreApplication::translate("interchange", done == 1 ? one : many));
    if (skipped.isEmpty())
        return text;
    QStringList kinds;
    QHash<QString, int> counts;
    for (const Skipped &s : skipped) {
        if (!counts.contains(s.kind))
            kinds << s.kind;
        ++counts[s.kind];
    }
    QStringList parts;
    for (const QString &k : kinds)
        parts << QStringLiteral("%1 %2").arg(counts.value(k)).arg(k);
    return text + QCoreApplication::translate("interchange", ", %1 no: %2").arg(skipped.size()).arg(parts.join(QStringLiteral(", ")));
}

Status statusOf(int done, int skipped)
{
    if (done == 0)
        return NothingDone;
    return skipped == 0 ? AllDone : SomeNotDone;
}

enum class PictureKind { None, Gif, Jpeg };

PictureKind pictureKind(const QByteArray &bytes)
{
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureKind::Gif;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return PictureKind::Jpeg;
    return PictureKind::None;
}

// The files an import puts into Graficos and textos: each under its own
// name when that is free, beside an equal file under that name, else under
// "name-2.gif" and so on; never over another file.
class FilePlacer
{
public:
    FilePlacer(const QString &programFolder, const Options &options)
        : program(programFolder), options(options) {}

    // The name the question file gives `file`, or empty with `why` said.
    QString place(const Carried &file, bool picture, QString &why, QStringList &written)
    {
        const QString folderName = QLatin1String(picture ? bank::kPicturesFolder : bank::kTextsFolder);
        const QString folder = bank::findEntry(program, folderName);
        QString name = safeName(file.name);
        if (name.isEmpty() || !bank::isBareFileName(name)) {
            why = QCoreApplication::translate("interchange", "el nom de fitxer «%1» no és vàlid").arg(file.name);
            return {};
        }
        if (!file.embedded) {
            if (picture && !bank::isPictureAttachment(name)) {
                why = QCoreApplication::translate("interchange", "la imatge «%1» no és GIF ni JPG i el fitxer no la porta").arg(file.name);
                return {};
            }
            if (bank::resolveReferenced(program, picture ? bank::ReferencedKind::Picture : bank::ReferencedKind::Text, name).isEmpty()) {
                why = QCoreApplication::translate("interchange", "«%1» no és al fitxer ni a la carpeta %2").arg(file.name, folderName);
                return {};
            }
            return name;
        }
        QByteArray bytes = file.bytes;
        QString extension = QStringLiteral(".txt");
        if (picture) {
            PictureKind kind = pictureKind(bytes);
            if (kind == PictureKind::None && options.convertPicture) {
                bytes = options.convertPicture(bytes);
                kind = pictureKind(bytes);
            }
            if (kind == PictureKind::None) {
                why = QCoreApplication::translate("interchange", "la imatge «%1» no és GIF ni JPG i no s'ha pogut convertir").arg(file.name);
                return {};
            }
            const QString current = name.right(4).toLower();
            extension = kind == PictureKind::Gif ? QStringLiteral(".gif") : QStringLiteral(".jpg");
            // Keep the name's own spelling of the extension (Mapa.JPG).
            if (current == extension)
                extension = name.right(4);
        } else if (bank::isAttachmentName(name)) {
            extension = name.right(4);
        }
        const QString stem = bank::isAttachmentName(name) || name.contains(u'.') ? name.left(name.lastIndexOf(u'.')) : name;
        const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
        for (int n = 1; n < 10000; ++n) {
            const QString candidate = (n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n)) + extension;
            const QString key = folderName + u'/' + candidate.toLower();
            if (claimed.contains(key)) {
                if (claimed.value(key) == digest)
                    return candidate;
                continue;
            }
            const QString path = bank::findEntry(folder, candidate);
            if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
                const bank::FileContent there = bank::readFile(path, bank::kMaxPictureFileBytes);
                if (there.problem == bank::FileProblem::None && there.bytes == bytes && bank::isInside(path, program)) {
                    claimed.insert(key, digest);
                    return candidate;
                }
                continue;
            }
            if (!options.dryRun) {
                if (!QDir().mkpath(folder) || !bank::isInside(folder, program)) {
                    why = QCoreApplication::translate("interchange", "no es pot fer la carpeta %1").arg(folderName);
                    return {};
                }
                QString error;
                bool taken = false;
                if (!bank::createExclusively(folder + u'/' + candidate, bytes, &error, &taken)) {
                    if (taken)
                        continue;
                    why = QCoreApplication::translate("interchange", "no es pot escriure «%1» (%2)").arg(candidate, error);
                    return {};
                }
                written << folder + u'/' + candidate;
            }
            claimed.insert(key, digest);
            return candidate;
        }
        why = QCoreApplication::translate("interchange", "no queda cap nom lliure per a «%1»").arg(name);
        return {};
    }

private:
    QString program;
    const Options &options;
    QHash<QString, QByteArray> claimed;
};

// Why the bank cannot keep `q`; empty when it can.
QString whyNotStorable(const bank::Question &q, QString &kind)
{
    if (q.statement.isEmpty()) {
        kind = QCoreApplication::translate("interchange", "sense enunciat");
        return QCoreApplication::translate("interchange", "la pregunta no té enunciat");
    }
    if (q.type == bank::QuestionType::MultipleChoice) {
        if (!q.attachment.isEmpty() && q.options.size() > 7) {
            kind = QCoreApplication::translate("interchange", "amb més de 8 opcions");
            return QCoreApplication::translate("interchange", "8 opcions i un fitxer adjunt: el banc en porta 7 amb un adjunt");
        }
        if (q.options.size() < 2) {
            kind = QCoreApplication::translate("interchange", "amb una sola opció");
            return QCoreApplication::translate("interchange", "una sola opció: el banc en vol dues com a mínim");
        }
        if (q.attachment.isEmpty() && bank::isAttachmentName(q.options.last())) {
            kind = QCoreApplication::translate("interchange", "mal escrites");
            return QCoreApplication::translate("interchange", "l'última opció «%1» es llegiria com un fitxer adjunt").arg(q.options.last());
        }
    }
    const QStringList fields{q.author, q.statement, q.answer, q.attachment, q.fileName};
    for (const QString &field : fields + q.options) {
        QByteArray bytes;
        QChar bad;
        if (!bank::encodeWindows1252(field, bytes, &bad)) {
            kind = QCoreApplication::translate("interchange", "amb un caràcter que el banc no pot desar");
            return QCoreApplication::translate("interchange", "el caràcter «%1» (U+%2) no es pot desar en un fitxer de preguntes")
                .arg(bad, QString::number(bad.unicode(), 16).toUpper().rightJustified(4, u'0'));
        }
    }
    QByteArray bytes;
    QString error;
    if (!bank::encodeQuestion(q, bytes, &error)) {
        kind = QCoreApplication::translate("interchange", "que el banc no pot desar");
        return error;
    }
    return {};
}

// Next numbers of the folders written into: the bank's smallest free number,
// looked up again only when a name turns out to be taken.
class QuestionWriter
{
public:
    bool write(const QString &folder, const bank::Question &q, QString &why, QString &path)
    {
        QByteArray bytes;
        if (!bank::encodeQuestion(q, bytes, &why))
            return false;
        int &next = numbers[folder];
        for (int attempt = 0; attempt < 100000; ++attempt) {
            if (next == 0)
                next = bank::nextQuestionNumber(folder);
            const QString target = folder + u'/' + QString::number(next) + QStringLiteral(".txt");
            bool taken = false;
            if (bank::createExclusively(target, bytes, &why, &taken)) {
                ++next;
                path = target;
                return true;
            }
            if (!taken)
                return false;
            next = 0;
        }
        why = QCoreApplication::translate("interchange", "no queda cap número lliure");
        return false;
    }

private:
    QHash<QString, int> numbers;
};

} // namespace

Outcome importBytes(const QByteArray &bytes, const QString &fileLabel, const QString &folder, const Options &options)
{
    Outcome outcome;
    const QString program = programFolderOf(folder);
    if (program.isEmpty()) {
        outcome.failure = QCoreApplication::translate("interchange", "la carpeta «%1» no és dins de la carpeta Preguntas d'una carpeta del programa")
                              .arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        outcome.failure = QCoreApplication::translate("interchange", "«%1» no és una carpeta").arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    const Format format = detectFormat(bytes, fileLabel);
    if (format == Format::Unknown) {
        outcome.failure = QCoreApplication::translate("interchange", "«%1» no és un fitxer GIFT, Moodle XML ni Aiken").arg(fileLabel);
        return outcome;
    }
    if (format != Format::MoodleXml && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        // Invalid sequences come back as U+FFFD, which encodes otherwise.
        if (QString::fromUtf8(bytes).toUtf8() != bytes)
            outcome.lines << QCoreApplication::translate("interchange", "%1: no és UTF-8 vàlid; es llegeix com a Windows-1252").arg(fileLabel);
    }
    const Parsed parsed = parse(bytes, format);
    if (!parsed.failure.isEmpty()) {
        outcome.failure = QStringLiteral("%1: %2").arg(fileLabel, parsed.failure);
        return outcome;
    }

    FilePlacer files(program, options);
    QuestionWriter writer;
    const bank::SyncBatch batch;
    QList<Skipped> skippedList = parsed.skipped;
    // Told in the order of the file.
    QList<std::pair<QString, QString>> told;
    for (const Skipped &s : parsed.skipped)
        told.append({s.where, s.reason});
    const QString base = QDir::cleanPath(QDir(folder).absolutePath());
    for (const Item &item : parsed.items) {
        bank::Question q = item.question;
        QString kind;
        QString why = whyNotStorable(q, kind);
        const QString target = item.category.isEmpty() ? base : bank::resolvePath(base, item.category.join(u'/'));
        if (why.isEmpty() && item.hasFile) {
            // Only a name ending in .txt is a text; anything else is a picture.
            const bool picture = q.type == bank::QuestionType::PictureAnswer
                || !(bank::isAttachmentName(item.file.name) && !bank::isPictureAttachment(item.file.name));
            QStringList written;
            const QString name = files.place(item.file, picture, why, written);
            outcome.written << written;
            if (!why.isEmpty())
                kind = QCoreApplication::translate("interchange", "amb una imatge que no es pot portar");
            else if (q.type == bank::QuestionType::PictureAnswer)
                q.fileName = name;
            else
                q.attachment = name;
            if (why.isEmpty())
                why = whyNotStorable(q, kind);
        }
        if (why.isEmpty() && !options.dryRun) {
            if (!QDir().mkpath(target) || (target != base && !bank::isInside(target, base))) {
                why = QCoreApplication::translate("interchange", "no es pot fer la carpeta «%1»").arg(QDir::toNativeSeparators(target));
                kind = QCoreApplication::translate("interchange", "que no s'han pogut escriure");
            } else {
                QString path;
                if (writer.write(target, q, why, path)) {
                    outcome.written << path;
                    why.clear();
                } else {
                    kind = QCoreApplication::translate("interchange", "que no s'han pogut escriure");
                }
            }
        }
        if (!why.isEmpty()) {
            skippedList << Skipped{item.where, kind, why};
            told.append({item.where, why});
            continue;
        }
        ++outcome.done;
        for (const QString &note : item.notes)
            told.append({item.where, QCoreApplication::translate("interchange", "importada, però %1").arg(note)});
    }
    // Lines in the order of the file: "línia N" sorts by N.
    std::stable_sort(told.begin(), told.end(), [](const auto &a, const auto &b) {
        return a.first.section(u' ', 1, 1).toInt() < b.first.section(u' ', 1, 1).toInt();
    });
    for (const auto &[where, why] : told)
        outcome.lines << QStringLiteral("%1: %2: %3").arg(fileLabel, where, why);
    outcome.skipped = skippedList;
    outcome.summary = options.dryRun ? summaryOf(outcome.done, skippedList, QT_TRANSLATE_NOOP("interchange", "pregunta s'importaria"),
                                                 QT_TRANSLATE_NOOP("interchange", "preguntes s'importarien"))
                                     : summaryOf(outcome.done, skippedList, QT_TRANSLATE_NOOP("interchange", "pregunta importada"),
                                                 QT_TRANSLATE_NOOP("interchange", "preguntes importades"));
    if (parsed.feedbackDropped)
        outcome.summary += QCoreApplication::translate("interchange", ". Les retroaccions no es porten");
    outcome.summary += u'.';
    outcome.status = statusOf(outcome.done, int(skippedList.size()));
    if (outcome.done == 0 && skippedList.isEmpty())
        outcome.failure = QCoreApplication::translate("interchange", "%1: no hi ha cap pregunta").arg(fileLabel);
    return outcome;
}

Outcome importFile(const QString &file, const QString &folder, const Options &options)
{
    const bank::FileContent content = bank::readFile(file, kMaxImportBytes);
    if (content.problem != bank::FileProblem::None) {
        Outcome outcome;
        switch (content.problem) {
        case bank::FileProblem::TooLarge:
            outcome.failure = QCoreApplication::translate("interchange", "«%1» fa més de %2 MB: no és una exportació de preguntes")
                                  .arg(file).arg(kMaxImportBytes / (1024 * 1024));
            break;
        case bank::FileProblem::NotAFile:
            outcome.failure = QCoreApplication::translate("interchange", "«%1» no és un fitxer").arg(file);
            break;
        case bank::FileProblem::Missing:
            outcome.failure = QCoreApplication::translate("interchange", "«%1» no existeix").arg(file);
            break;
        default:
            outcome.failure = QCoreApplication::translate("interchange", "no es pot llegir «%1» (%2)").arg(file, content.error);
        }
        return outcome;
    }
    return importBytes(content.bytes, QFileInfo(file).fileName(), folder, options);
}

namespace {

// The question files of `folder` in number order, then its sub-folders.
void collect(const QString &folder, const QStringList &category, QList<std::pair<QStringList, QString>> &out)
{
    QList<std::pair<int, QString>> files;
    for (const QString &name : bank::fileNames(folder)) {
        if (const int n = bank::questionFileNumber(name))
            files.append({n, name});
    }
    std::sort(files.begin(), files.end());
    for (const auto &[n, name] : files)
        out.append({category, name});
    for (const QString &sub : bank::subfolders(folder)) {
        if (QFileInfo(folder + u'/' + sub).isSymLink())
            continue;
        collect(folder + u'/' + sub, category + QStringList{sub}, out);
    }
}

} // namespace

Outcome exportFolder(const QString &folder, const QString &file, const Options &options)
{
    Outcome outcome;
    const Format format = exportFormatOf(file);
    if (format == Format::Unknown) {
        outcome.failure = QCoreApplication::translate("interchange", "«%1»: el nom ha d'acabar en .gift, .txt o .xml").arg(file);
        return outcome;
    }
    if (!bank::isRealFolder(folder)) {
        outcome.failure = QCoreApplication::translate("interchange", "«%1» no és una carpeta").arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    // The player counts every file of a question folder as a question.
    const QString base = QDir::cleanPath(QDir(folder).absolutePath());
    if (QDir::cleanPath(QFileInfo(file).absoluteFilePath()).startsWith(base + u'/')) {
        outcome.failure = QCoreApplication::translate("interchange", "«%1» no pot anar dins de la carpeta que s'exporta: el programa "
                                         "el comptaria com una pregunta")
                              .arg(QDir::toNativeSeparators(file));
        return outcome;
    }
    const QString program = programFolderOf(folder);
    QList<std::pair<QStringList, QString>> found;
    collect(folder, {}, found);
    QList<Exported> exported;
    const bool gift = format == Format::Gift;
    for (const auto &[category, name] : found) {
        const QString where = (category + QStringList{name}).join(u'/');
        const bank::QuestionRead read = bank::readQuestion(folder + u'/' + category.join(u'/') + u'/' + name);
        Skipped skip{where, {}, {}};
        const auto type = read.question.type;
        if (!read.ok()) {
            skip.kind = QCoreApplication::translate("interchange", "que no es poden llegir");
            skip.reason = QCoreApplication::translate("interchange", "no és un fitxer de pregunta que es pugui llegir");
        } else if (type == bank::QuestionType::GraphicPoint) {
            skip.kind = QCoreApplication::translate("interchange", "de marcar en un gràfic");
            skip.reason = QCoreApplication::translate("interchange", "pregunta de marcar en un gràfic: %1 no en té").arg(gift ? u"GIFT" : u"Moodle XML");
        } else if (type == bank::QuestionType::ReadingWord) {
            skip.kind = QCoreApplication::translate("interchange", "de comprensió lectora");
            skip.reason = QCoreApplication::translate("interchange", "pregunta de comprensió lectora: %1 no en té").arg(gift ? u"GIFT" : u"Moodle XML");
        } else if (type == bank::QuestionType::PictureAnswer && gift) {
            skip.kind = QCoreApplication::translate("interchange", "amb imatge");
            skip.reason = QCoreApplication::translate("interchange", "pregunta sobre una imatge: GIFT no porta imatges");
        }
        if (!skip.kind.isEmpty()) {
            outcome.skipped << skip;
            outcome.lines << QStringLiteral("%1: %2").arg(skip.where, skip.reason);
            continue;
        }
        Exported e{read.question, category, where, {}};
        const QString named = type == bank::QuestionType::PictureAnswer ? read.question.fileName : read.question.attachment;
        if (!named.isEmpty()) {
            e.file.name = named;
            const bool picture = type == bank::QuestionType::PictureAnswer || bank::isPictureAttachment(named);
            const QString path = program.isEmpty() ? QString()
                : bank::resolveReferenced(program, picture ? bank::ReferencedKind::Picture : bank::ReferencedKind::Text, named);
            const bank::FileContent content = path.isEmpty() ? bank::FileContent{{}, bank::FileProblem::Missing}
                                                             : bank::readFile(path, bank::kMaxPictureFileBytes);
            if (!gift && content.problem == bank::FileProblem::None) {
                e.file.bytes = content.bytes;
                e.file.embedded = true;
            } else if (!gift) {
                outcome.lines << QCoreApplication::translate("interchange", "%1: exportada, però «%2» no es troba i va només pel nom").arg(where, named);
            }
        }
        exported << e;
    }
    if (gift && std::any_of(exported.begin(), exported.end(), [](const Exported &e) { return !e.file.name.isEmpty(); }))
        outcome.lines << QCoreApplication::translate("interchange", "Els fitxers adjunts van només pel nom: GIFT no porta fitxers.");
    outcome.done = int(exported.size());
    outcome.summary = summaryOf(outcome.done, outcome.skipped, options.dryRun ? QT_TRANSLATE_NOOP("interchange", "pregunta s'exportaria")
                                               : QT_TRANSLATE_NOOP("interchange", "pregunta exportada"),
                                options.dryRun ? QT_TRANSLATE_NOOP("interchange", "preguntes s'exportarien")
                                               : QT_TRANSLATE_NOOP("interchange", "preguntes exportades")) + u'.';
    outcome.status = statusOf(outcome.done, int(outcome.skipped.size()));
    if (exported.isEmpty()) {
        outcome.failure = QCoreApplication::translate("interchange", "cap pregunta de «%1» es pot exportar").arg(QDir::toNativeSeparators(folder));
        return outcome;
    }
    if (!options.dryRun) {
        const QByteArray bytes = gift ? writeGift(exported) : writeMoodleXml(exported);
        QString error;
        if (!bank::replaceAtomically(file, bytes, &error)) {
            outcome.status = NothingDone;
            outcome.failure = QCoreApplication::translate("interchange", "no es pot escriure «%1» (%2)").arg(file, error);
            return outcome;
        }
        outcome.written << file;
    }
    return outcome;
}

} // namespace interchange
