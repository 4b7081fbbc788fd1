// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

namespace ui {

// The languages the kit's built-in texts are written in.
inline const QStringList kLanguages = {QStringLiteral("ca"), QStringLiteral("es"), QStringLiteral("en")};

// The language a run speaks: `option` (--language) when it names one of
// kLanguages, else the first of the desktop's `uiLanguages` (most wanted
// first, as LANGUAGE lists them) the kit speaks, Spanish for Galician,
// Basque, Asturian and Aragonese, English for any other real language, and
// the program's `sourceLanguage` when the desktop names none ("C", as
// scripts and CI run): there nothing changes.
QString chooseLanguage(const QString &option, const QStringList &uiLanguages, const QString &sourceLanguage);

// The languages the desktop asks for, most wanted first (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG); none under the C locale.
QStringList desktopLanguages();

// The value of --language on a command line (the program's name first),
// read before the parser runs, since --help is already in that language.
QString languageArgument(const QStringList &arguments);

// --language ca|es|en, for a program's own parser.
QCommandLineOption languageOption();

// Qt's own texts (message box buttons, file dialogs) and the kit's in
// `language`, replacing any loaded before. Returns the files loaded.
QStringList loadTranslations(const QString &language);

// The language of this run for a program whose texts are written in
// `sourceLanguage`, from the command line and the desktop, loaded.
QString useLanguage(const QStringList &arguments, const QString &sourceLanguage);

// Where the kit's .qm files are: built into the programs.
inline const QString kTranslationsFolder = QStringLiteral(":/translations");

} // namespace ui
