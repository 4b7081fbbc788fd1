#pragma once

// What the headless drivers share: waiting for the starting signal, and
// typing text key by key into a window.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <QWidget>

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

// Key by key; letters beyond ASCII come as the text of a key the test
// library has no code for.
inline void type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

} // namespace drivers
