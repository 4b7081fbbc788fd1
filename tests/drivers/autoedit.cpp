// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a run of questions with the question editor's real window,
// offscreen, into one folder of the bank, as a teacher would: a written
// answer question typed in, "Comprobar", "Guardar pregunta", again and
// again. Two of these at once show what two editors saving into one folder
// do.
//
//   autoedit PROGRAM_FOLDER BANK_FOLDER COUNT TAG [--wait-for FILE]
//
// BANK_FOLDER is relative to the program folder ("Preguntas/1r ESO/Mates").
// Question i has the statement TAG followed by i. With --wait-for it prints
// "ready" once the window is up and waits for FILE before the first save.

#include "driving.h"

#include "support/testsupport.h"

#include "editor/form1.h"

#include "bank/atomicfile.h"
#include "support/recordingplatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <cstdio>

using testsupport::typeInto;
using drivers::waitForFile;

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "autoedit: %s\n", qPrintable(why));
    return 1;
}

void retype(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    typeInto(box, text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The program folder."));
    parser.addPositionalArgument(QStringLiteral("bank"), QStringLiteral("The folder to save into."));
    parser.addPositionalArgument(QStringLiteral("count"), QStringLiteral("How many questions."));
    parser.addPositionalArgument(QStringLiteral("tag"), QStringLiteral("Start of every statement."));
    const QCommandLineOption waitOption(QStringLiteral("wait-for"),
                                        QStringLiteral("File to wait for before the first save."),
                                        QStringLiteral("file"));
    const QCommandLineOption noLinksOption(QStringLiteral("no-hard-links"),
                                           QStringLiteral("Write as on a disk without hard links (FAT)."));
    parser.addOptions({waitOption, noLinksOption});
    parser.process(app);
    bank::testing::refuseHardLinks(parser.isSet(noLinksOption));
    const QStringList args = parser.positionalArguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: autoedit PROGRAM_FOLDER BANK_FOLDER COUNT TAG"));

    ui::RecordingPlatform &platform = ui::installRecordingPlatform();
    platform.folder = QFileInfo(args[0]).absoluteFilePath();
    const QString target = QFileInfo(platform.folder + u'/' + args[1]).absoluteFilePath();
    const int count = args[2].toInt();

    editor::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return fail(QStringLiteral("the editor window did not show"));

    auto *tree = qobject_cast<editor::BankFolderModel *>(form.Dir1->model());
    if (!tree)
        return fail(QStringLiteral("no folder tree"));
    QModelIndex folder;
    const bool listed = QTest::qWaitFor([&] {
        folder = tree->indexOf(target);
        return folder.isValid();
    }, 10000);
    if (!listed)
        return fail(QStringLiteral("no folder %1 in the tree").arg(target));
    form.Dir1->setCurrentIndex(folder);
    if (QFileInfo(form.targetFolder()).canonicalFilePath() != QFileInfo(target).canonicalFilePath())
        return fail(QStringLiteral("the file list shows %1").arg(form.targetFolder()));

    QTest::mouseClick(form.Command1(1), Qt::LeftButton); // written answer
    if (parser.isSet(waitOption)) {
        std::printf("ready\n");
        std::fflush(stdout);
        if (!waitForFile(parser.value(waitOption), 120000))
            return fail(QStringLiteral("nobody said go"));
    }

    for (int i = 0; i < count; ++i) {
        retype(form.Text3, args[3] + QString::number(i));
        retype(form.Text4, QStringLiteral("x"));
        const qsizetype before = platform.messages.size();
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        for (qsizetype m = before; m < platform.messages.size(); ++m) {
            if (platform.messages[m].text != editor::kAgreed())
                return fail(QStringLiteral("question %1: %2").arg(i).arg(platform.messages[m].text));
        }
        if (form.questionChecked)
            return fail(QStringLiteral("question %1 was not saved").arg(i));
    }
    return 0;
}
