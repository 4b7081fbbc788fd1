// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bigbank.h"

#include <cstring>

#include "bank/question.h"
#include "bank/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstdio>

namespace bench {

namespace {

const char *const kKindNames[kKinds] = {
    "multiple choice",
    "multiple choice, text attachment",
    "multiple choice, 1 MP picture attachment",
    "multiple choice, 12 MP picture attachment",
    "written answer",
    "picture answer, 1 MP",
    "picture answer, 12 MP",
    "point on a graphic, 1 MP",
    "point on a graphic, 12 MP",
    "word in a reading text",
    "true or false",
    "written answer, long statement",
};

const QString kReadingText = QStringLiteral(
    "El mar Mediterrani és un mar gairebé tancat, envoltat per Europa, Àfrica i Àsia. "
    "Té una superfície d'uns dos milions i mig de quilòmetres quadrats i una profunditat "
    "mitjana de quinze-cents metres. Les seves aigües són més salades i més càlides que les "
    "de l'oceà Atlàntic, amb el qual es comunica per l'estret de Gibraltar. Al llarg de la "
    "història, les seves costes han vist néixer civilitzacions com la grega, la fenícia i la "
    "romana, que el feien servir de camí per al comerç. Avui hi viuen moltes espècies de "
    "peixos, com la tonyina o el lluç, i plantes marines com la posidònia, que forma prats "
    "sota l'aigua i protegeix les platges de l'erosió. El clima mediterrani té estius secs i "
    "calorosos i hiverns suaus, amb pluges sobretot a la tardor i a la primavera.");

const QString kAttachmentText = QStringLiteral(
    "Recorda: la fotosíntesi és el procés pel qual les plantes fan servir la llum del Sol "
    "per fabricar el seu aliment a partir d'aigua i diòxid de carboni.");

bank::Question questionOf(int n)
{
    bank::Question q;
    q.author = QStringLiteral("Departament de Ciències");
    const Kind kind = kindOf(n);
    auto choice = [&](const QString &attachment) {
        q.type = bank::QuestionType::MultipleChoice;
        q.statement = QStringLiteral("Pregunta %1: quin és l'òrgan que bombeja la sang?").arg(n);
        q.options = {QStringLiteral("El fetge"), QStringLiteral("El cor "), QStringLiteral("Els pulmons"),
                     QStringLiteral("L'estómac")};
        q.attachment = attachment;
    };
    switch (kind) {
    case Kind::Choice:
        choice(QString());
        break;
    case Kind::ChoiceWithText:
        choice(QStringLiteral("adjunt.txt"));
        break;
    case Kind::ChoiceWithSmallPicture:
        choice(QString::fromLatin1(kSmallPhoto));
        break;
    case Kind::ChoiceWithLargePicture:
        choice(QString::fromLatin1(kLargePhoto));
        break;
    case Kind::Written:
        q.type = bank::QuestionType::WrittenAnswer;
        q.statement = QStringLiteral("Pregunta %1: com es diu el procés pel qual l'aigua passa a vapor?").arg(n);
        q.answer = QStringLiteral("evaporació");
        break;
    case Kind::WrittenLong:
        q.type = bank::QuestionType::WrittenAnswer;
        q.statement = QStringLiteral("Pregunta %1: ").arg(n)
            + QStringLiteral("llegeix amb atenció i respon amb una sola paraula. ").repeated(8);
        q.answer = QStringLiteral("Barcelona");
        break;
    case Kind::PictureSmall:
    case Kind::PictureLarge:
        q.type = bank::QuestionType::PictureAnswer;
        q.fileName = QString::fromLatin1(kind == Kind::PictureSmall ? kSmallPhoto : kLargePhoto);
        q.statement = QStringLiteral("Pregunta %1: quin animal surt a la fotografia?").arg(n);
        q.answer = QStringLiteral("gat");
        break;
    case Kind::GraphicSmall:
    case Kind::GraphicLarge: {
        const bool small = kind == Kind::GraphicSmall;
        q.type = bank::QuestionType::GraphicPoint;
        q.fileName = QString::fromLatin1(small ? kSmallGraphic : kLargeGraphic);
        q.statement = QStringLiteral("Pregunta %1: marca el cercle vermell.").arg(n);
        const QSize size = small ? kSmallPicture : kLargePicture;
        q.x = size.width() / 4;
        q.y = size.height() / 4;
        break;
    }
    case Kind::Reading:
        q.type = bank::QuestionType::ReadingWord;
        q.fileName = QStringLiteral("lectura.txt");
        q.statement = QStringLiteral("Pregunta %1: quin estret comunica el mar amb l'oceà?").arg(n);
        q.answer = QStringLiteral("Gibraltar.");
        break;
    case Kind::TrueFalse:
        q.type = bank::QuestionType::TrueFalse;
        q.statement = QStringLiteral("Pregunta %1: el Sol és una estrella.").arg(n);
        q.isTrue = true;
        break;
    }
    return q;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    // Plain stdio: hundreds of thousands of tiny files.
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fclose(file);
}

QByteArray windows1252Lines(const QString &text)
{
    QByteArray bytes;
    bank::encodeWindows1252(text, bytes);
    return bytes + "\r\n";
}

// A photograph-like picture: soft gradients, shapes and grain, so that the
// JPEG coder has as much to do as with a real photograph.
QImage photo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(230, 200, 120));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(7);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromRgb(random.generate() | 0xFF000000u));
        painter.setPen(Qt::NoPen);
        const int w = random.bounded(size.width() / 4) + 10;
        painter.drawEllipse(random.bounded(size.width()), random.bounded(size.height()), w, w * 2 / 3);
    }
    painter.end();
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(24u)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// A drawing of flat regions with outlines, as graphics for pointing are.
QImage graphic(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, std::max(2, size.width() / 300)));
    const int w = size.width();
    const int h = size.height();
    painter.setBrush(QColor(220, 30, 30));
    painter.drawEllipse(QPoint(w / 4, h / 4), w / 8, h / 8);
    painter.setBrush(QColor(30, 160, 60));
    painter.drawRect(w / 2, h / 8, w / 3, h / 4);
    painter.setBrush(QColor(40, 60, 200));
    painter.drawPolygon(QPolygon({QPoint(w / 8, h * 7 / 8), QPoint(w * 3 / 8, h / 2), QPoint(w * 5 / 8, h * 7 / 8)}));
    painter.setBrush(QColor(240, 200, 40));
    painter.drawEllipse(QPoint(w * 3 / 4, h * 3 / 4), w / 7, h / 7);
    for (int i = 1; i < 8; ++i)
        painter.drawLine(0, i * h / 8, w / 16, i * h / 8);
    return image;
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QStringList names = QDir(from).entryList(QDir::Files);
    for (const QString &name : names)
        QFile::copy(from + u'/' + name, to + u'/' + name);
}

} // namespace

Kind kindOf(int questionNumber)
{
    return static_cast<Kind>((questionNumber - 1) % kKinds);
}

const char *kindName(Kind kind)
{
    return kKindNames[static_cast<int>(kind)];
}

QString courseName(int course)
{
    return QStringLiteral("Curs %1").arg(course + 1, 2, 10, QChar(u'0'));
}

QString subjectName(int subject)
{
    return QStringLiteral("Assignatura %1").arg(subject + 1, 2, 10, QChar(u'0'));
}

QString optionName(int option)
{
    return QStringLiteral("Opció ") + QChar(u'A' + option);
}

QByteArray questionBytes(int questionNumber)
{
    QByteArray bytes;
    QString error;
    if (!bank::encodeQuestion(questionOf(questionNumber), bytes, &error))
        qFatal("question %d: %s", questionNumber, qPrintable(error));
    return bytes;
}

void writeQuestions(const QString &folder, int count)
{
    QDir().mkpath(folder);
    for (int n = 1; n <= count; ++n)
        writeFile(folder + u'/' + QString::number(n) + QStringLiteral(".txt"), questionBytes(n));
}

qint64 makeProgramFolder(const QString &root, const BankShape &shape)
{
    const QString demo = QStringLiteral(BENCH_DEMO_DIR);
    for (const char *folder : {"idioma", "gifs", "sonidos"})
        copyFolder(demo + u'/' + QLatin1String(folder), root + u'/' + QLatin1String(folder));
    QFile::copy(demo + QStringLiteral("/tope.txt"), root + QStringLiteral("/tope.txt"));
    QDir().mkpath(root + QStringLiteral("/Controles-Usuarios"));

    const QString pictures = root + QStringLiteral("/Graficos");
    QDir().mkpath(pictures);
    photo(kSmallPicture).save(pictures + u'/' + QLatin1String(kSmallPhoto), "JPG", 85);
    photo(kLargePicture).save(pictures + u'/' + QLatin1String(kLargePhoto), "JPG", 85);
    graphic(kSmallPicture).save(pictures + u'/' + QLatin1String(kSmallGraphic), "JPG", 95);
    graphic(kLargePicture).save(pictures + u'/' + QLatin1String(kLargeGraphic), "JPG", 95);

    const QString texts = root + QStringLiteral("/textos");
    QDir().mkpath(texts);
    writeFile(texts + QStringLiteral("/lectura.txt"), windows1252Lines(kReadingText));
    writeFile(texts + QStringLiteral("/adjunt.txt"), windows1252Lines(kAttachmentText));

    std::array<QByteArray, kKinds> bytes;
    for (int k = 0; k < kKinds; ++k)
        bytes[k] = questionBytes(k + 1);
    qint64 written = 0;
    const QString bankFolder = root + QStringLiteral("/Preguntas");
    for (int c = 0; c < shape.courses; ++c) {
        for (int s = 0; s < shape.subjects; ++s) {
            for (int o = 0; o < shape.options; ++o) {
                const QString folder = bankFolder + u'/' + courseName(c) + u'/' + subjectName(s) + u'/'
                    + optionName(o);
                QDir().mkpath(folder);
                const QString prefix = folder + u'/';
                for (int n = 1; n <= shape.questions; ++n) {
                    // Questions of one kind share their bytes: only the kind matters here.
                    writeFile(prefix + QString::number(n) + QStringLiteral(".txt"),
                              bytes[static_cast<int>(kindOf(n))]);
                    ++written;
                }
            }
        }
    }
    return written;
}

void showAndPaint(QWidget *window)
{
    window->show();
    QWindow *handle = window->windowHandle();
    while (handle && !handle->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString takeBankArgument(int &argc, char *argv[], const QString &subfolder)
{
    QString folder;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--bank=", 7) == 0)
            folder = QString::fromLocal8Bit(argv[i] + 7) + u'/' + subfolder;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return folder;
}

} // namespace bench
