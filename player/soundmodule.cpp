// The feedback sounds, built as a module of their own (brenloq-sound.so)
// that the player loads on its first sound: Qt Multimedia and the audio
// libraries under it took longer to load than the start window to appear.

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

// A new sound cuts the one before short. The sound object belongs to the
// application, so it is gone before the multimedia library's own caches are.
extern "C" Q_DECL_EXPORT void brenloqPlayWav(const QString &wavPath)
{
    static QPointer<QSoundEffect> sound;
    if (!sound)
        sound = new QSoundEffect(QCoreApplication::instance());
    sound->stop();
    sound->setSource(QUrl::fromLocalFile(wavPath));
    sound->play();
}
