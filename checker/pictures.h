// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures of a bank as the checker looks at them: each file decoded
// once, however many questions name it, and the regions of a graphic
// labelled once, however many points lie on it.

#include "ui/picturefile.h"

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>

#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

namespace checker {

// Side of the square of one colour a region must hold for a pupil to click
// into it on purpose.
inline constexpr int kClickSquare = 5;

// The regions a click fills on one picture: the pixels 4-connected through
// one exact colour, as ui::floodFill paints them on the picture box's
// surface. Each region is labelled the first time a point asks for it.
class Regions
{
public:
    explicit Regions(QImage surface);

    QSize size() const { return image.size(); }
    qint64 bytes() const;

    // Whether the region of `point` holds a kClickSquare x kClickSquare
    // square of its colour. A pupil's click lands a pixel or two from where
    // it is aimed, so a region without such a square (a line or outline one
    // or a few pixels wide, an anti-aliased edge, a speck of JPEG noise) is
    // one no click can be meant for: whoever clicks the shape the author
    // pointed at fills a neighbouring region and is judged wrong. Any area a
    // pupil can aim at holds such a square. `point` must lie in the picture.
    bool hasRoomForClick(QPoint point);

private:
    bool squareAround(int x, int y, QRgb colour) const;

    QImage image; // Format_RGB32
    std::vector<quint32> label; // per pixel, 0 until its region is labelled
    std::vector<bool> roomy;    // per label - 1
};

enum class PointProblem { None, Outside, NoRoom };

class Pictures
{
public:
    // Surfaces kept beyond this many bytes are dropped, least recently used
    // first; a bank rarely comes near it.
    explicit Pictures(const QString &programFolder, qint64 budget = qint64(768) * 1024 * 1024);

    // The error line for the picture `name` of "Graficos", as the player
    // shows it; empty when it can be shown.
    QString failure(const QString &name);

    // Where the stored point (x, y) lies on the graphic `name`, which can be
    // shown; the graphic's size in `size`.
    PointProblem point(const QString &name, double x, double y, QSize *size = nullptr);

    int decoded() const { return decodeCount; }

private:
    struct Entry {
        ui::Picture read;                 // problem and size; the image is not kept here
        std::unique_ptr<Regions> regions; // null when dropped or never decoded
    };
    Entry &entry(const QString &name);
    Regions *regionsOf(const QString &path, Entry &entry);
    void keep(const QString &path, Entry &entry);

    QString folder;
    qint64 budget;
    qint64 kept = 0;
    int decodeCount = 0;
    QHash<QString, QString> paths;   // name as written -> file, "" when none
    std::unordered_map<QString, Entry> entries; // file -> what it holds
    std::list<QString> recent;       // files with regions, most recent first
};

} // namespace checker
