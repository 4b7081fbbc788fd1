// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

enum class PictureProblem {
    None,
    Missing,    // no such file
    TooLarge,   // its pixels would not fit in the memory a picture may take
    Unreadable, // not a picture the readers know, or damaged
};

// Every member has its initializer, so that Picture{{}, problem} names a
// whole value.
struct Picture {
    QImage image{};
    PictureProblem problem = PictureProblem::None;
    QSize size{}; // as the file's header gives it; invalid when unknown
};

// Reads a picture file by what it holds, not by its name; only a regular
// file, read through the bank's reader: a JPG renamed .gif
// is shown as the JPG it is. A picture whose header announces more pixels
// than fit in the readers' allocation limit is refused before anything is
// decoded, so a 20000 x 20000 scan costs nothing.
Picture readPicture(const QString &path);

// One of the programs' own PNG pictures, built into them. Read as PNG
// without first asking every image plugin whether it knows the file, which
// costs more than painting the player's whole start window.
QImage readBuiltInPicture(const QString &resourcePath);

// The picture as a picture box holds it, to show and to flood-fill:
// transparent parts take the white of an empty box, so that reading a pixel
// gives the colour that is shown; Format_RGB32.
QImage pictureSurface(const QImage &picture);

// Whether a picture of `size` decodes within the readers' allocation limit.
bool fitsInMemory(QSize size);

// The format the bytes of a picture file show (empty when no reader knows it).
QByteArray pictureFormatOf(const QByteArray &bytes);

} // namespace ui
