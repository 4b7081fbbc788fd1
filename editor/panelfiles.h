// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the picture, graphic and reading panels and the two pickers make of
// the files they show: the picture's size under the "Respuesta" label, the
// caption of a mark on the graphic, a reading text ready for the text box,
// and the entries of an option list file; and what the editor says of a file
// it will not read.

#include "bank/readfile.h"
#include "ui/picturefile.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

namespace editor {

// A picture of `natural` size stretched to `height`, proportions kept.
// Empty for an empty picture or a height of 0 or less.
QSize scaledToHeight(QSize natural, int height);

// The caption of a mark's X or Y: the whole pixel the click fell on, as the
// question file holds it ("132").
QString markCaption(double position);

// The reading text as the text box shows it: UTF-8 or Windows-1252, with
// every line ending (CR LF, CR, LF) one line break, as the player shows it.
QString readingText(const QByteArray &bytes);

// The option list picker reads files whose name ends in TXT, any case.
bool isOptionListName(const QString &name);

// The entries of an option list file, one a line. Lists written on any
// system are read: CR LF, CR and LF each end a line, so no entry holds a
// line break. A last line without its ending still counts.
QStringList optionListLines(const QByteArray &bytes);

// Why a file the author clicked is not read, naming it, for a message box:
// beyond its limit (kMaxLineFileBytes for question files and option lists,
// kMaxTextFileBytes for reading texts) or not a file at all (a FIFO or
// device would hang the window). Empty when it was read, and for a file that
// is gone or cannot be opened, which loading passes over without a word.
enum class ClickedFile { Question, OptionList, ReadingText };
QString fileRefusal(ClickedFile kind, const QString &name, const bank::FileContent &file);

// Why a picture is not shown: too large to decode, or not a picture the
// readers know (a text file in Graficos). A missing picture is simply left
// unshown.
QString pictureRefusal(const QString &name, const ui::Picture &picture);
// A file reached through a link that leads out of the program folder: the
// player reads it as missing.
QString outsideRefusal(const QString &name);
// A picture that decodes but would take too much memory stretched to the
// height under the "Respuesta" label: a 32767 x 1 strip.
QString stretchedPictureRefusal(const QString &name, QSize natural);

} // namespace editor
