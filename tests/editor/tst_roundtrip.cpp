// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every question of the demo bank, loaded into the editor, checked and saved
// again, comes out byte for byte as it went in: the loader and the writer
// agree on every line of every type.

#include "editorwindows.h"

#include "bank/numeric.h"
#include "bank/question.h"
#include "editor/form1.h"
#include "editor/form2.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTest>

using editortest::click;
using editortest::clickEntry;
using editortest::Editor;
using editortest::filesIn;

class TstRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeDemoBank();
};

void TstRoundTrip::wholeDemoBank()
{
    Editor e;
    testsupport::copyTree(testsupport::demoFolder(), e.program.path());
    const QString bank = e.program.file(QStringLiteral("Preguntas"));
    const QString scratch = e.program.file(QStringLiteral("Preguntas/zz copia"));
    e.open({QStringLiteral("Preguntas/zz copia")});
    editor::Form1 &form = *e.form;

    QStringList questions;
    QDirIterator it(bank, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        questions << it.next();
    questions.sort();
    QCOMPARE(questions.size(), 121);

    QSet<int> typesSeen;
    int withAttachment = 0;
    for (const QString &path : questions) {
        const QByteArray original = testsupport::readBytes(path);
        const QFileInfo info(path);
        editortest::chooseFolder(form, info.absolutePath());
        clickEntry(form.File1, info.fileName());
        const int type = int(bank::numericValue(QString::fromLatin1(original.left(4))));
        QVERIFY2(bank::typeCode(form.QuestionType) == type, qPrintable(path));
        typesSeen.insert(type);

        if (type == 1) {
            // The marking is not loaded: the author marks the correct option.
            int marked = 0;
            for (int i = 1; i <= editor::kOptionCount; ++i) {
                if (bank::isCorrectOption(form.Text1(i)->text()))
                    marked = i;
            }
            QVERIFY2(marked > 0, qPrintable(path));
            click(form.Label1(marked));
            for (int i = 1; i <= editor::kOptionCount; ++i)
                withAttachment += i > marked && bank::isAttachmentName(form.Text1(i)->text());
        }
        e.platform->messages.clear();
        click(form.Command2);
        QVERIFY2(form.questionChecked, qPrintable(path + u' ' + e.messages().join(u'|')));
        if (editor::Form2 *check = form.checkWindow())
            check->close();

        editortest::chooseFolder(form, scratch);
        click(form.Command3);
        QVERIFY2(filesIn(scratch) == QStringList{"1.txt"},
                 qPrintable(path + u' ' + e.messages().join(u'|')));
        const QString copy = scratch + QStringLiteral("/1.txt");
        QVERIFY2(testsupport::readBytes(copy) == original, qPrintable(path));
        QVERIFY(QFile::remove(copy));
        // The original is only read.
        QVERIFY2(testsupport::readBytes(path) == original, qPrintable(path));
    }
    QCOMPARE(typesSeen, (QSet<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY(withAttachment > 0);
}

QTEST_MAIN(TstRoundTrip)
#include "tst_roundtrip.moc"
