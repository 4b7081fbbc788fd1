// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopplatform.h"

#include "startup.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {

DesktopPlatform::DesktopPlatform()
    : generator(1)
{
}

DesktopPlatform::~DesktopPlatform() = default;

MessageAnswer DesktopPlatform::message(QWidget *parent, const QString &text, const QString &title,
                                       MessageButtons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    // Messages quote names and texts from files: never markup, never links.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setIcon(QMessageBox::Question);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QString DesktopPlatform::programFolder() const
{
    const QString chosen = chosenProgramFolder();
    return chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
}

QString DesktopPlatform::systemFolder() const
{
#ifdef Q_OS_WIN
    char buffer[MAX_PATH + 1] = {};
    const UINT n = GetSystemDirectoryA(buffer, MAX_PATH);
    return n > 0 && n <= MAX_PATH ? QString::fromLocal8Bit(buffer, n) : QString();
#else
    // No system folder here: the components go to a folder of our own.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    const QString folder = data + QStringLiteral("/brenloq/system");
    return QDir().mkpath(folder) ? folder : QString();
#endif
}

QString DesktopPlatform::registrationProgram() const
{
#ifdef Q_OS_WIN
    // By its absolute path: a REGSVR32.EXE lying in a shared program folder
    // is never the one started.
    const QString folder = systemFolder();
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder + QStringLiteral("/REGSVR32.EXE"));
#else
    // The desktop programs never use these components: they are only copied.
    return {};
#endif
}

bool DesktopPlatform::startProgram(const QString &program, const QStringList &arguments,
                                   bool minimized)
{
    if (program.isEmpty())
        return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
#ifdef Q_OS_WIN
    // The registration tool opens minimized, keeping the focus, as it always has.
    if (minimized) {
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
            args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
        });
    }
#else
    Q_UNUSED(minimized);
#endif
    return process.startDetached();
}

bool DesktopPlatform::openFolder(const QString &folder)
{
    // Never a file, which the desktop would open with its own program.
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool DesktopPlatform::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString DesktopPlatform::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                      const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString DesktopPlatform::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

bool DesktopPlatform::copyFile(const QString &source, const QString &target)
{
    return QFile::copy(source, target);
}

void DesktopPlatform::playSound(const QString &wavPath)
{
    if (!QFileInfo::exists(wavPath) || !soundPlayer) {
        beep();
        return;
    }
    soundPlayer(wavPath);
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

QDateTime DesktopPlatform::now() const
{
    return QDateTime::currentDateTime();
}

void DesktopPlatform::randomize()
{
    generator.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double DesktopPlatform::random()
{
    return generator.generateDouble();
}

void DesktopPlatform::quit()
{
    QCoreApplication::exit(0);
}

} // namespace ui
