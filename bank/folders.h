// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace bank {

// Names of the folders beside the programs. Every lookup ignores letter case,
// as the Windows file systems the banks were written on do: the editor says
// "Textos" where the player says "textos".
inline constexpr auto kQuestionsFolder = "Preguntas";
inline constexpr auto kPicturesFolder = "Graficos";
inline constexpr auto kTextsFolder = "textos";
inline constexpr auto kFeedbackPicturesFolder = "gifs";
inline constexpr auto kSoundsFolder = "sonidos";
inline constexpr auto kLanguageFolder = "idioma";
// The interface texts in every language shipped, one folder per language
// ("ca", "es", "en"), each holding what idioma/ holds.
inline constexpr auto kLanguageSetsFolder = "idiomes";
inline constexpr auto kReportsFolder = "Controles-Usuarios";
// The copy of the latest report, in the program folder itself.
inline constexpr auto kLatestReport = "ultimo.rtf";

// A reading text or text attachment is a few pages; a far larger file was
// put there by mistake, and showing it would freeze the window for minutes.
inline constexpr qint64 kMaxTextFileBytes = 2 * 1024 * 1024;

// The entry `name` inside `folder`: the exact name when it exists, else the
// first entry whose name matches it without regard to case, else
// folder + "/" + name (which does not exist).
QString findEntry(const QString &folder, const QString &name);

// The reports folder of the program folder, or an empty name when what
// stands there is no real folder inside it: missing, a file, or a link that
// would send every report elsewhere. `why` then says which, in Catalan, as
// the player and the class results speak.
QString usableReportsFolder(const QString &programFolder, QString *why = nullptr);

// Walks a relative path ("Preguntas/1r ESO/Mates") component by component
// with findEntry. Both "/" and "\" separate components.
QString resolvePath(const QString &base, const QString &relative);

// The folders directly inside `folder` (names only, hidden ones left out),
// in the order a folder list presents them: alphabetical, ignoring case.
QStringList subfolders(const QString &folder);

// The number of files directly inside `folder`, hidden files not counted.
// 0 when the folder does not exist.
int fileCount(const QString &folder);

// The files directly inside `folder` (names only, hidden ones left out),
// alphabetical ignoring case.
QStringList fileNames(const QString &folder);

// A file of a folder as fileCount() counts it; `isLink` when its name is a
// link, which may lead out of the program folder.
struct FileEntry {
    QString name;
    bool isLink = false;
};

// The files fileCount() counts, in the folder's own order.
QList<FileEntry> fileEntries(const QString &folder);

// A name as a question file gives it: no folder part, no "..".
bool isBareFileName(const QString &name);

enum class ReferencedKind { Picture, Text };

// Resolves a file named by a question file against "Graficos" or "textos"
// under the program folder. A name that is not bare, or a file that is not
// there, resolves to an empty string, so a question file can never make a
// program read outside those two folders.
QString resolveReferenced(const QString &programFolder, ReferencedKind kind, const QString &name);

} // namespace bank
