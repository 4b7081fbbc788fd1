// The feedback sounds, built as a module of their own (brenloq-sound.so)
// that the player loads on its first sound: Qt Multimedia and the audio
// libraries under it took longer to load than the start window to appear.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

// The player hands over the bytes it read; the sound effect only plays from
// a file, so each distinct sound gets a private copy in the temporary folder,
// written once (the same name would not be read again).
static QString copyOf(const QByteArray &wav)
{
    static QHash<QByteArray, QPointer<QTemporaryFile>> copies;
    const QByteArray key = QCryptographicHash::hash(wav, QCryptographicHash::Sha256);
    QPointer<QTemporaryFile> &copy = copies[key];
    if (!copy) {
        copy = new QTemporaryFile(QDir::temp().filePath(QStringLiteral("brenloq-XXXXXX.wav")),
                                  QCoreApplication::instance());
        if (!copy->open() || copy->write(wav) != wav.size() || !copy->flush()) {
            delete copy;
            copies.remove(key);
            return QString();
        }
    }
    return copy->fileName();
}

// A new sound cuts the one before short. The sound object belongs to the
// application, so it is gone before the multimedia library's own caches are.
extern "C" Q_DECL_EXPORT void brenloqPlayWavData(const QByteArray &wav)
{
    static QPointer<QSoundEffect> sound;
    const QString path = copyOf(wav);
    if (path.isEmpty())
        return;
    if (!sound)
        sound = new QSoundEffect(QCoreApplication::instance());
    sound->stop();
    sound->setSource(QUrl::fromLocalFile(path));
    sound->play();
}
