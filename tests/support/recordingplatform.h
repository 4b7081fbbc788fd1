// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/platform.h"

#include <QList>
#include <QQueue>

namespace ui {

// The test double: records every call, answers message boxes from a queue
// (Ok or Yes when the queue is empty), gives random numbers from a fixed
// sequence and the time from a settable clock.
class RecordingPlatform : public Platform
{
public:
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
    };
    struct Started {
        QString program;
        QStringList arguments;
        bool minimized;
    };

    MessageAnswer message(QWidget *parent, const QString &text, const QString &title,
                          MessageButtons buttons) override;
    QString programFolder() const override { return folder; }
    QString systemFolder() const override { return system; }
    QString registrationProgram() const override { return registrar; }
    bool startProgram(const QString &program, const QStringList &arguments, bool minimized) override;
    bool openFolder(const QString &path) override;
    bool openDocument(const QString &path) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    bool copyFile(const QString &source, const QString &target) override;
    void playSound(const QString &wavPath) override;
    void beep() override;
    QDateTime now() const override { return clock; }
    void randomize() override;
    double random() override;
    void quit() override;

    // What tests set.
    QString folder;
    QString system;
    QString registrar;
    QDateTime clock = QDateTime(QDate(2026, 3, 9), QTime(10, 5, 0));
    QQueue<MessageAnswer> answers;
    QList<double> randomValues; // used in turn, then a fixed pseudo-random sequence
    bool refuseCopies = false;
    QString saveFileAnswer; // the file chosen in every save dialog; empty: cancelled
    QString openFileAnswer; // the file chosen in every open dialog; empty: cancelled

    // What tests read.
    QList<Message> messages;
    QList<Started> started;
    QStringList openedFolders;
    QStringList openedDocuments;
    QStringList saveFileSuggestions;
    QStringList copies; // "source -> target"
    QStringList sounds;
    int beeps = 0;
    int randomizeCalls = 0;
    int quitCalls = 0;

private:
    qsizetype nextRandom = 0;
    quint64 fallback = 42;
};

// Installs a fresh RecordingPlatform and returns it (owned by ui::platform()).
RecordingPlatform &installRecordingPlatform();

} // namespace ui
