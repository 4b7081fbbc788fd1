// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the three readers share: the kinds of question the bank has no room
// for, and the rule that makes a multiple-choice question of weighted answers.

#include "interchange.h"

#include <QCoreApplication> // the texts, through the "interchange" translations

namespace interchange::detail {

// How a source marks its texts up.
enum class TextFormat { Html, Plain, Markdown };
QString plainText(const QString &text, TextFormat format, QStringList *files = nullptr);

struct Answer {
    QString text;
    double fraction = 0; // 100 full credit
};

// Skipped kinds, as the summary counts them.
Skipped skipped(const QString &where, const QString &kind, const QString &reason);
Skipped unsupportedType(const QString &where, const QString &type);

// One right answer of full credit and wrong ones of none: a multiple-choice
// question. Otherwise the reason it is not one.
bool multipleChoice(const QList<Answer> &answers, const QString &where, Item &item, Skipped &why);

// A short answer: the first full-credit answer; the other ones are named.
bool writtenAnswer(const QList<Answer> &answers, const QString &where, Item &item, Skipped &why);

// A category path ("$course$/Iota/Kappa") as the folders below the target.
QStringList categoryFolders(const QString &path);

// A folder or file name from a file: no folder part, nothing hidden, no
// characters a school's Windows share refuses.
QString safeName(const QString &name);

} // namespace interchange::detail
