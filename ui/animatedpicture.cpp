// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animatedpicture.h"

#include "picturefile.h"

#include "bank/readfile.h"

#include <QBuffer>
#include <QMovie>

namespace ui {

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

bool AnimatedPicture::setFileName(const QString &fileName)
{
    name = fileName;
    clearMovie();
    if (fileName.isEmpty())
        return true;
    // Read once through the bank's reader: a missing file, or a FIFO or a
    // device under the picture's name, is turned away before any decoder.
    const bank::FileContent file = bank::readFile(fileName, bank::kMaxPictureFileBytes);
    if (file.problem != bank::FileProblem::None)
        return false;
    auto *buffer = new QBuffer(this);
    buffer->setData(file.bytes);
    buffer->open(QIODevice::ReadOnly);
    // By content: a feedback picture saved as JPG under the name si.gif
    // still shows.
    auto *movie = new QMovie(buffer, pictureFormatOf(file.bytes), this);
    buffer->setParent(movie);
    if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull()) {
        delete movie;
        return false;
    }
    current = movie;
    QLabel::setMovie(movie);
    movie->start();
    return true;
}

bool AnimatedPicture::isShowing() const
{
    return current && !current->currentPixmap().isNull();
}

int AnimatedPicture::frameCount() const
{
    return current ? current->frameCount() : 0;
}

void AnimatedPicture::clearMovie()
{
    QLabel::clear();
    if (current) {
        current->stop();
        delete current;
        current = nullptr;
    }
}

} // namespace ui
