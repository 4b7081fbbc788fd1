// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QString>

class QMovie;

namespace ui {

// Shows a GIF named by one property, animating it when it has several
// frames. "" shows nothing; so does a file that is missing or cannot be
// read. Setting the name never waits for the animation.
class AnimatedPicture : public QLabel
{
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget *parent = nullptr);

    // False when a non-empty name could not be shown; the name is kept.
    bool setFileName(const QString &fileName);
    QString fileName() const { return name; }

    // Whether a picture is on show, and how many frames it has (0 when none).
    bool isShowing() const;
    int frameCount() const;
    QMovie *movie() const { return current; }

private:
    void clearMovie();

    QString name;
    QMovie *current = nullptr;
};

} // namespace ui
