// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordingplatform.h"

#include <QFile>
#include <QFileInfo>

namespace ui {

MessageAnswer RecordingPlatform::message(QWidget *, const QString &text, const QString &title,
                                         MessageButtons buttons)
{
    messages.append({text, title, buttons});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool RecordingPlatform::startProgram(const QString &program, const QStringList &arguments,
                                     bool minimized)
{
    started.append({program, arguments, minimized});
    return !program.isEmpty();
}

bool RecordingPlatform::openFolder(const QString &path)
{
    openedFolders.append(path);
    return true;
}

bool RecordingPlatform::openDocument(const QString &path)
{
    openedDocuments.append(path);
    return true;
}

QString RecordingPlatform::saveFileName(QWidget *, const QString &, const QString &suggested, const QString &)
{
    saveFileSuggestions.append(suggested);
    return saveFileAnswer;
}

QString RecordingPlatform::openFileName(QWidget *, const QString &, const QString &)
{
    return openFileAnswer;
}

bool RecordingPlatform::copyFile(const QString &source, const QString &target)
{
    copies.append(source + QStringLiteral(" -> ") + target);
    if (refuseCopies)
        return false;
    return QFile::copy(source, target);
}

void RecordingPlatform::playSound(const QString &wavPath)
{
    sounds.append(QFileInfo::exists(wavPath) ? wavPath : QStringLiteral("(default sound)"));
}

void RecordingPlatform::beep()
{
    ++beeps;
}

void RecordingPlatform::randomize()
{
    ++randomizeCalls;
}

double RecordingPlatform::random()
{
    if (nextRandom < randomValues.size())
        return randomValues[nextRandom++];
    // Past the script: a fixed, well-spread sequence, never a repeating one
    // that would make a draw of distinct numbers loop.
    fallback = fallback * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(fallback >> 11) / static_cast<double>(1ULL << 53);
}

void RecordingPlatform::quit()
{
    ++quitCalls;
}

RecordingPlatform &installRecordingPlatform()
{
    auto recording = std::make_unique<RecordingPlatform>();
    RecordingPlatform &ref = *recording;
    setPlatform(std::move(recording));
    return ref;
}

} // namespace ui
