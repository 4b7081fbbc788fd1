#pragma once

// What the picture, graphic and reading panels and the two pickers make of
// the files they show: the picture's size under the "Respuesta" label, the
// caption of a mark on the graphic, a reading text ready for the text box,
// and the entries of an option list file.

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

} // namespace editor
