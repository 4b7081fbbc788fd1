// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the editor's window tests share: a program folder with a small bank,
// a recording platform pointing at it, and typing into the window's fields
// as the teacher does.

#include "editor/form1.h"
#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace editortest {

struct Editor {
    testsupport::ProgramFolder program{false};
    ui::RecordingPlatform *platform = nullptr;
    std::unique_ptr<editor::Form1> form;

    QString bank() const { return program.file(QStringLiteral("Preguntas")); }
    QString subject() const { return program.file(QStringLiteral("Preguntas/1r ESO/Mates")); }

    // The folders are created before the window, as they lie beside the
    // program when it starts.
    void open(const QStringList &folders = {QStringLiteral("Preguntas/1r ESO/Mates"),
                                            QStringLiteral("Graficos"),
                                            QStringLiteral("textos")})
    {
        for (const QString &folder : folders)
            program.makeFolder(folder);
        platform = &ui::installRecordingPlatform();
        platform->folder = program.path();
        form = std::make_unique<editor::Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const auto &message : platform->messages)
            texts << message.text;
        return texts;
    }
};

using testsupport::typeInto;

inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A panel's controls are made when it is first shown: each panel is shown
// with its type button, the first one last, as the window starts.
inline void showEveryPanel(editor::Form1 &form)
{
    for (int k = form.Command1.last(); k >= 0; --k)
        click(form.Command1(k));
}

// The multiple-choice panel filled by typing: statement and options, the
// marked option clicked.
inline void fillChoice(editor::Form1 &form, const QString &statement, const QStringList &options,
                       int marked)
{
    typeInto(form.Text1(0), statement);
    for (int i = 0; i < options.size(); ++i)
        typeInto(form.Text1(i + 1), options[i]);
    if (marked > 0)
        click(form.Label1(marked));
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

inline QStringList listed(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// A click on the entry `name` of a list, as the author makes it.
inline void clickEntry(QListWidget *list, const QString &name)
{
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

inline void clickRow(QListWidget *list, int row)
{
    QVERIFY2(row >= 0 && row < list->count(), qPrintable(QString::number(row)));
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Chooses a folder of the bank in Dir1, which makes it File1's folder.
inline void chooseFolder(editor::Form1 &form, const QString &folder)
{
    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    QVERIFY(tree);
    const QModelIndex index = tree->indexOf(folder);
    QVERIFY2(index.isValid(), qPrintable(folder));
    form.Dir1->setCurrentIndex(index);
    QCOMPARE(QFileInfo(form.targetFolder()).canonicalFilePath(), QFileInfo(folder).canonicalFilePath());
}

// A picture file the editor can show; PNG keeps every pixel's colour, so
// flood fills are exact.
inline void writePicture(const testsupport::ProgramFolder &program, const QString &relative,
                         const QImage &image)
{
    const QString path = program.file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path, "PNG"));
}

} // namespace editortest
