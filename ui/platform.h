// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Everything the three programs do outside their own windows goes through
// ui::Platform: message boxes, the program and system folders, starting
// programs, opening folders and documents, sound, the clock and random
// numbers. The desktop implementation talks to Qt and the operating system;
// the tests' RecordingPlatform (tests/support/recordingplatform.h) records
// every call and answers from a script, so tests drive windows without
// dialogs, processes or real time.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace ui {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform
{
public:
    virtual ~Platform() = default;

    // A message box with the program's title unless `title` is given.
    virtual MessageAnswer message(QWidget *parent, const QString &text,
                                  const QString &title = QString(),
                                  MessageButtons buttons = MessageButtons::Ok) = 0;

    // The folder the running program lies in.
    virtual QString programFolder() const = 0;

    // Where shared components are installed; empty when the platform has no
    // such folder (nothing may then be copied anywhere).
    virtual QString systemFolder() const = 0;

    // The command that registers a component, or empty when there is none.
    virtual QString registrationProgram() const = 0;

    // Starts a program without waiting for it. False when it could not start.
    virtual bool startProgram(const QString &program, const QStringList &arguments,
                              bool minimized) = 0;

    // Shows a folder in the desktop's file manager.
    virtual bool openFolder(const QString &folder) = 0;

    // Opens a document in the desktop's default program for its type.
    virtual bool openDocument(const QString &path) = 0;

    // Asks where to save a file, suggesting `suggested`; empty when the user
    // cancels.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QString &filter) = 0;

    // Asks for a file to open; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;

    // Copies a file; false when the copy was refused or the source is missing.
    virtual bool copyFile(const QString &source, const QString &target) = 0;

    // Plays a WAV file asynchronously, cutting short the sound before it; a
    // missing file plays the system's default sound.
    virtual void playSound(const QString &wavPath) = 0;
    virtual void beep() = 0;

    virtual QDateTime now() const = 0;

    // Random numbers: one seeding from the clock, then uniform values in [0, 1).
    virtual void randomize() = 0;
    virtual double random() = 0;

    // Ends the program.
    virtual void quit() = 0;
};

// The platform in use. Programs install the desktop one at start; tests
// install a RecordingPlatform.
Platform &platform();
void setPlatform(std::unique_ptr<Platform> platform);

// Shorthand for the message box of the platform in use.
MessageAnswer message(QWidget *parent, const QString &text, const QString &title = QString(),
                      MessageButtons buttons = MessageButtons::Ok);

} // namespace ui
