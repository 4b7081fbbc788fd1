// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the tests: throw-away program folders and files written byte for
// byte as the programs expect them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QWidget;

namespace testsupport {

// A temporary program folder. With `withDemo` it holds a copy of demo/.
class ProgramFolder
{
public:
    explicit ProgramFolder(bool withDemo = true);
    QString path() const { return dir.path(); }
    QString file(const QString &relative) const { return dir.path() + u'/' + relative; }

    // Writes `lines` as Windows-1252, each ending CR LF, creating folders.
    void writeLines(const QString &relative, const QStringList &lines) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    void makeFolder(const QString &relative) const;
    void remove(const QString &relative) const;

private:
    QTemporaryDir dir;
};

QByteArray readBytes(const QString &path);
QByteArray crlf(const QStringList &lines); // Windows-1252, CR LF after each line

// Copies a folder tree.
bool copyTree(const QString &from, const QString &to);

// Types `text` into `box` key by key, as a person does; letters beyond ASCII
// (á, ñ, ¿) come as the text of a key the test library has no code for.
void typeInto(QWidget *box, const QString &text);

QString demoFolder();

// The objectName of the control with the keyboard focus, empty when none.
QString focusName();

// Presses Tab until the focus is on `name`; false when a whole round of the
// window does not reach it.
bool tabTo(const QString &name);

// Whether a label or message box of this format lays `text` out as written
// rather than as markup (Qt's automatic detection included).
bool laidOutAsWritten(Qt::TextFormat format, const QString &text);

// The text a tooltip shows: rich text as rendered, anything else as is.
QString shownToolTip(const QString &toolTip);

} // namespace testsupport
