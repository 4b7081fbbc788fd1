// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shownquestion.h"

#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QWidget>

namespace player {

class Form3;

// The attachment viewer: the text or picture that a multiple-choice question
// names, shown again every time the viewer becomes the active window (a
// picture is read again only when its file has changed).
class Form5 : public QWidget
{
    Q_OBJECT
public:
    explicit Form5(Form3 *testWindow);

    // Shows `attachment`, and again each time the viewer becomes active.
    void ShowAttachment(const Attachment &attachment);
    const Attachment &attachment() const { return given; }

    // The window's size as its frame counts it, in twips: the client area
    // plus the 550 twips of title bar and borders.
    int windowWidthTwips() const;
    int windowHeightTwips() const;

    QPlainTextEdit *Text1 = nullptr;
    QLabel *Image1 = nullptr;
    QScrollArea *pictureArea = nullptr; // holds Image1: a picture larger than the screen scrolls

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setWindowSizeTwips(int width, int height);
    // Sizes and centres the window for a new attachment, on the screen's
    // free area whatever the size asked.
    void place(int widthTwips, int heightTwips);
    // Nothing of an attachment shown before stays on view.
    void clearShown();

    // The picture file on show, as it was when it was read.
    struct PictureStamp {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const PictureStamp &) const = default;
    };

    Form3 *testWindow = nullptr;
    Attachment given;
    PictureStamp shownPicture;
    // The attachment the window was placed for ("P:" or "T:" and its name)
    // and the picture size it was placed for: while they stay, the position
    // and size the pupil gave the window stay too.
    QString placedFor;
    QSize placedPicture;
    int widthTw = 6000;
    int heightTw = 4500;
};

} // namespace player
