// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testsupport.h"

#include "bank/textcodec.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

namespace testsupport {

QString demoFolder()
{
    return QStringLiteral(DEMO_DIR);
}

bool laidOutAsWritten(Qt::TextFormat format, const QString &text)
{
    return format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text));
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

bool tabTo(const QString &name)
{
    for (int i = 0; i < 40 && focusName() != name; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return focusName() == name;
}

void typeInto(QWidget *box, const QString &text)
{
    box->setFocus();
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString shownToolTip(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument rendered;
    rendered.setHtml(toolTip);
    return rendered.toPlainText();
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(target) && ok;
        else
            ok = QFile::copy(source, target) && ok;
    }
    return ok;
}

ProgramFolder::ProgramFolder(bool withDemo)
{
    if (withDemo)
        copyTree(demoFolder(), dir.path());
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        QByteArray encoded;
        bank::encodeWindows1252(line, encoded);
        bytes += encoded + "\r\n";
    }
    return bytes;
}

void ProgramFolder::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void ProgramFolder::writeLines(const QString &relative, const QStringList &lines) const
{
    writeBytes(relative, crlf(lines));
}

void ProgramFolder::makeFolder(const QString &relative) const
{
    QDir().mkpath(file(relative));
}

void ProgramFolder::remove(const QString &relative) const
{
    const QFileInfo info(file(relative));
    if (info.isDir())
        QDir(info.absoluteFilePath()).removeRecursively();
    else
        QFile::remove(info.absoluteFilePath());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport
