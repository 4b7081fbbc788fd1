// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form5.h"

#include "form3.h"
#include "loadfailure.h"

#include "bank/folders.h"
#include "bank/textcodec.h"
#include "ui/controls.h"
#include "ui/focuschain.h"
#include "ui/picturefile.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QCoreApplication>

namespace player {

namespace {
constexpr int kTitleAllowance = 550; // title bar and borders
constexpr int kBorderAllowance = 75;
} // namespace

Form5::Form5(Form3 *test)
    : QWidget(test, Qt::Window)
    , testWindow(test)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Brenloq 3.0 - brenloq@escoles.cat"));
    // The text box never gets a negative size.
    setMinimumSize(ui::px(kBorderAllowance) + 20, 40);

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont textFont = Text1->font();
    textFont.setPointSize(12);
    Text1->setFont(textFont);
    ui::nameControl(Text1, QStringLiteral("Text1"), QStringLiteral("Text adjunt"));
    pictureArea = new QScrollArea(this);
    pictureArea->setFrameShape(QFrame::NoFrame);
    pictureArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureArea->setObjectName(QStringLiteral("pictureArea"));
    Image1 = new QLabel;
    ui::nameControl(Image1, QStringLiteral("Image1"), QStringLiteral("Imatge adjunta"));
    pictureArea->setWidget(Image1);
    pictureArea->hide();
    // Read and scrolled with the keys; Escape puts it away.
    Text1->setTabChangesFocus(true);
    pictureArea->setFocusPolicy(Qt::StrongFocus);
    ui::closeOnEscape(this, test);
    ui::showPlainTexts(this);
    setWindowSizeTwips(6000, 4500);
}

int Form5::windowWidthTwips() const
{
    return widthTw;
}

int Form5::windowHeightTwips() const
{
    return heightTw;
}

void Form5::setWindowSizeTwips(int width, int height)
{
    widthTw = width;
    heightTw = height;
    resize(std::max(minimumWidth(), ui::px(width)), std::max(minimumHeight(), ui::px(height - kTitleAllowance)));
}

void Form5::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Sizes in twips are kept as given unless the pupil resized the window.
    if (ui::px(widthTw) != width())
        widthTw = ui::twips(width());
    if (ui::px(heightTw - kTitleAllowance) != height())
        heightTw = ui::twips(height()) + kTitleAllowance;
    Text1->setGeometry(0, 0, std::max(0, ui::px(windowWidthTwips() - kBorderAllowance)),
                       std::max(0, ui::px(windowHeightTwips() - kTitleAllowance)));
    pictureArea->setGeometry(rect());
}

void Form5::place(int widthTwips, int heightTwips)
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    if (area.isValid()) {
        widthTwips = std::min(widthTwips, ui::twips(area.width()) - kBorderAllowance);
        heightTwips = std::min(heightTwips, ui::twips(area.height()));
    }
    setWindowSizeTwips(widthTwips, heightTwips);
    ui::centreOnScreen(this);
    if (area.isValid()) {
        // The title bar stays on the free area, never above or left of it.
        const QSize frame(width() + ui::px(kBorderAllowance), height() + ui::px(kTitleAllowance));
        move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
             std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    }
}

void Form5::clearShown()
{
    Image1->clear();
    Text1->clear();
    shownPicture = {};
    placedFor.clear();
}

bool Form5::event(QEvent *event)
{
    // Put away with its question, the viewer has nothing to read.
    if (event->type() == QEvent::WindowActivate && isVisible())
        ShowAttachment(given);
    return QWidget::event(event);
}

void Form5::ShowAttachment(const Attachment &attachment)
{
    given = attachment;
    if (attachment.name.isEmpty()) {
        testWindow->Label18->setText(QCoreApplication::translate("player", "No hi ha cap fitxer adjunt."));
        return;
    }
    const QString &name = attachment.name;
    const QString folder = testWindow->programFolder();
    const QString key = (attachment.isPicture ? QStringLiteral("P:") : QStringLiteral("T:")) + name;
    // Another question's attachment that cannot be read must not leave the
    // last one on view, where it would answer the wrong question.
    const auto fail = [&](const QString &failure) {
        testWindow->Label18->setText(failure);
        if (key != placedFor)
            clearShown();
    };
    if (!attachment.isPicture) {
        QString text;
        QString failure;
        if (!readQuestionText(folder, name, text, failure)) {
            fail(failure);
            return;
        }
        if (key != placedFor)
            place(6000, 4500);
        pictureArea->hide();
        Text1->show();
        Text1->setPlainText(text);
    } else {
        const QString path = bank::resolveReferenced(folder, bank::ReferencedKind::Picture, name);
        // Opening the viewer shows the picture and then activates the window,
        // which would decode it all over again: the picture on show is read
        // again only when its file has changed.
        const QFileInfo info(path);
        const PictureStamp stamp{path, info.size(), info.lastModified(), info.metadataChangeTime()};
        if (path.isEmpty() || stamp != shownPicture || Image1->pixmap().isNull()) {
            ui::Picture read = ui::readPicture(path);
            if (read.problem != ui::PictureProblem::None) {
                fail(pictureFailureText(name, read));
                return;
            }
            Image1->setPixmap(QPixmap::fromImage(std::move(read.image)));
            shownPicture = stamp;
        }
        const QSize size = Image1->pixmap().size();
        Text1->hide();
        Image1->resize(size);
        pictureArea->show();
        // At its own size, not stretched; beyond the screen's free area the
        // window stops at its edges and the picture scrolls.
        if (key != placedFor || size != placedPicture)
            place(ui::twips(size.width()), ui::twips(size.height()) + kTitleAllowance);
        placedPicture = size;
    }
    placedFor = key;
    (Text1->isVisible() ? static_cast<QWidget *>(Text1) : pictureArea)->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace player
