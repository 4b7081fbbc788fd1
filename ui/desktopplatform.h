// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform.h"

#include <functional>
#include <QRandomGenerator>

namespace ui {

class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    MessageAnswer message(QWidget *parent, const QString &text, const QString &title,
                          MessageButtons buttons) override;
    QString programFolder() const override;
    QString systemFolder() const override;
    QString registrationProgram() const override;
    bool startProgram(const QString &program, const QStringList &arguments, bool minimized) override;
    bool openFolder(const QString &folder) override;
    bool openDocument(const QString &path) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    bool copyFile(const QString &source, const QString &target) override;
    void playSound(const QString &wavPath) override;
    void beep() override;
    QDateTime now() const override;
    void randomize() override;
    double random() override;
    void quit() override;

    // Plays a WAV file. Only the quiz player gives one, so the other
    // programs do not load the event-sound library; without it every sound
    // is the system beep.
    using SoundPlayer = std::function<void(const QString &wavPath)>;
    void setSoundPlayer(SoundPlayer player) { soundPlayer = std::move(player); }

private:
    SoundPlayer soundPlayer;
    QRandomGenerator generator;
};

} // namespace ui
