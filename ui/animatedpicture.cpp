#include "animatedpicture.h"

#include "picturefile.h"

#include <QFileInfo>
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
    // A missing file is turned away before any reader is made for it.
    if (!QFileInfo(fileName).isFile())
        return false;
    // By content: a feedback picture saved as JPG under the name si.gif
    // still shows.
    auto *movie = new QMovie(fileName, pictureFormat(fileName), this);
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
