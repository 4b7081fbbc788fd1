// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the headless drivers share: waiting for the starting signal.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace drivers {

inline bool waitForFile(const QString &path, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(path)) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qSleep(2);
    }
    return true;
}

} // namespace drivers
