// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include "player/loadfailure.h"

#include "bank/folders.h"
#include "bank/question.h"

#include <QImageReader>

#include <algorithm>

namespace checker {

Regions::Regions(QImage surface)
    : image(std::move(surface))
{
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

qint64 Regions::bytes() const
{
    // The labels are counted from the start: they come with the first point.
    return image.sizeInBytes() + qint64(image.width()) * image.height() * qint64(sizeof(quint32));
}

bool Regions::squareAround(int x, int y, QRgb colour) const
{
    constexpr int r = kClickSquare / 2;
    if (x < r || y < r || x + r >= image.width() || y + r >= image.height())
        return false;
    for (int dy = -r; dy <= r; ++dy) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y + dy));
        for (int dx = -r; dx <= r; ++dx) {
            if (line[x + dx] != colour)
                return false;
        }
    }
    return true;
}

bool Regions::hasRoomForClick(QPoint point)
{
    const int width = image.width();
    const int height = image.height();
    if (label.empty())
        label.assign(size_t(width) * size_t(height), 0);
    const auto at = [width](int x, int y) { return size_t(y) * size_t(width) + size_t(x); };
    if (const quint32 known = label[at(point.x(), point.y())])
        return roomy[known - 1];

    // A depth-first fill that labels the whole region, so that any later
    // point in it is answered at once.
    const quint32 id = quint32(roomy.size()) + 1;
    const QRgb colour = reinterpret_cast<const QRgb *>(image.constScanLine(point.y()))[point.x()];
    bool found = false;
    std::vector<QPoint> stack{point};
    label[at(point.x(), point.y())] = id;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!found && squareAround(p.x(), p.y(), colour))
            found = true;
        const QPoint next[] = {{p.x() - 1, p.y()}, {p.x() + 1, p.y()}, {p.x(), p.y() - 1}, {p.x(), p.y() + 1}};
        for (const QPoint &n : next) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= width || n.y() >= height)
                continue;
            quint32 &mark = label[at(n.x(), n.y())];
            if (mark != 0)
                continue;
            if (reinterpret_cast<const QRgb *>(image.constScanLine(n.y()))[n.x()] != colour)
                continue;
            mark = id;
            stack.push_back(n);
        }
    }
    roomy.push_back(found);
    return found;
}

Pictures::Pictures(const QString &programFolder, qint64 budget)
    : folder(programFolder)
    , budget(budget)
{
}

Pictures::Entry &Pictures::entry(const QString &name)
{
    auto known = paths.constFind(name);
    if (known == paths.constEnd())
        known = paths.insert(name, bank::resolveReferenced(folder, bank::ReferencedKind::Picture, name));
    const QString &path = *known;
    auto it = entries.find(path);
    if (it != entries.end())
        return it->second;
    Entry &e = entries[path];
    e.read = path.isEmpty() ? ui::Picture{{}, ui::PictureProblem::Missing, {}} : ui::readPicture(path);
    if (!path.isEmpty())
        ++decodeCount;
    // The size a refused picture announces, as the graphic frame says it.
    if (e.read.problem == ui::PictureProblem::TooLarge && !e.read.size.isValid())
        e.read.size = QImageReader(path).size();
    if (e.read.problem == ui::PictureProblem::None) {
        e.regions = std::make_unique<Regions>(ui::pictureSurface(e.read.image));
        keep(path, e);
    }
    e.read.image = QImage();
    return e;
}

void Pictures::keep(const QString &path, Entry &e)
{
    recent.remove(path);
    recent.push_front(path);
    kept += e.regions->bytes();
    // The least recently used surfaces go first, never the one just kept.
    while (kept > budget && recent.size() > 1) {
        const QString oldest = recent.back();
        recent.pop_back();
        Entry &dropped = entries[oldest];
        kept -= dropped.regions->bytes();
        dropped.regions.reset();
    }
}

Regions *Pictures::regionsOf(const QString &path, Entry &e)
{
    if (e.regions) {
        if (recent.front() != path) {
            recent.remove(path);
            recent.push_front(path);
        }
        return e.regions.get();
    }
    ui::Picture again = ui::readPicture(path);
    ++decodeCount;
    if (again.problem != ui::PictureProblem::None)
        return nullptr;
    e.regions = std::make_unique<Regions>(ui::pictureSurface(again.image));
    keep(path, e);
    return e.regions.get();
}

QString Pictures::failure(const QString &name)
{
    const Entry &e = entry(name);
    if (e.read.problem == ui::PictureProblem::None)
        return {};
    return player::pictureFailureText(name, e.read);
}

PointProblem Pictures::point(const QString &name, double x, double y, QSize *size)
{
    Entry &e = entry(name);
    const QString path = paths.value(name);
    Regions *regions = e.read.problem == ui::PictureProblem::None ? regionsOf(path, e) : nullptr;
    if (!regions)
        return PointProblem::None;
    if (size)
        *size = regions->size();
    // The player rounds the stored point to a pixel the same way.
    const QPoint target(bank::pixelCoordinate(x), bank::pixelCoordinate(y));
    if (!QRect(QPoint(0, 0), regions->size()).contains(target))
        return PointProblem::Outside;
    return regions->hasRoomForClick(target) ? PointProblem::None : PointProblem::NoRoom;
}

} // namespace checker
