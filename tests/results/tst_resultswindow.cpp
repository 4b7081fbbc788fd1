// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The class results window on a program folder: reading in steps, the
// filters and the summary under the table, sorting by a header click,
// opening a report by a double click, and the export of what is shown.

#include "results/form1.h"

#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

// A report as the player writes it: the pupil, two empty paragraphs, then
// one summary line per subject.
QByteArray report(const QStringList &lines)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                     "\\pard{\\f0 Pupil}\\par\r\n\\pard \\par\r\n\\pard ";
    for (const QString &line : lines)
        rtf += "\\par\r\n\\pard{\\f0 " + line.toLatin1() + '}';
    return rtf + "}\r\n";
}

QStringList cells(const QAbstractItemModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

} // namespace

class TstResultsWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFolder> folder;
    ui::RecordingPlatform *platform = nullptr;

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<testsupport::ProgramFolder>();
        platform = &ui::installRecordingPlatform();
        platform->folder = folder->path();
        folder->writeBytes(QStringLiteral("Controles-Usuarios/Anna --5M,9H --6-12-2026.rtf"),
                           report({QStringLiteral("MATES -  7,50 - ( ENCERTS : 3; ERRORS : 1; EN BLANC : 0 )"),
                                   QStringLiteral("CATAL\\'c0 -  10,00 - ( ENCERTS : 4; ERRORS : 0; EN BLANC : 0 )")}));
        folder->writeBytes(QStringLiteral("Controles-Usuarios/Pol --0M,10H --9-12-2026.rtf"),
                           report({QStringLiteral("MATES -  2,50 - ( ENCERTS : 1; ERRORS : 3; EN BLANC : 0 )")}));
        folder->writeBytes(QStringLiteral("Controles-Usuarios/notes.txt"), "Recordar: revisar");
    }

    void filtersAndSummary()
    {
        results::Form1 w(folder->path());
        QTRY_VERIFY(w.isLoaded());
        QCOMPARE(cells(w.Grid1->model(), results::Pupil), (QStringList{u"Anna"_qs, u"Anna"_qs, u"Pol"_qs}));
        QCOMPARE(w.Label6->text(), u"3 de 3 files"_qs);
        QCOMPARE(w.List1->count(), 1);
        QCOMPARE(w.List1->item(0)->text(), u"notes.txt — no té nom d'informe"_qs);
        QCOMPARE(w.Date1->date(), QDate(2026, 12, 6));
        QCOMPARE(w.Date2->date(), QDate(2026, 12, 9));
        QCOMPARE(w.Grid2->rowCount(), 2);
        const int mates = w.Grid2->item(0, 0)->text() == u"MATES" ? 0 : 1;
        QStringList figures;
        for (int column = 0; column < 5; ++column)
            figures.append(w.Grid2->item(mates, column)->text());
        QCOMPARE(figures, (QStringList{u"MATES"_qs, u"2"_qs, u"5,00"_qs, u"2,50"_qs, u"7,50"_qs}));

        w.Combo1->setCurrentIndex(w.Combo1->findText(QStringLiteral("MATES")));
        w.Combo1_Click(w.Combo1->currentIndex());
        QCOMPARE(cells(w.Grid1->model(), results::Mark), (QStringList{u"7,50"_qs, u"2,50"_qs}));
        QCOMPARE(w.Label6->text(), u"2 de 3 files"_qs);
        w.Date1->setDate(QDate(2026, 12, 7));
        QCOMPARE(cells(w.Grid1->model(), results::Pupil), QStringList{u"Pol"_qs});
        QCOMPARE(w.Grid2->rowCount(), 1);
        QCOMPARE(w.Grid2->item(0, 2)->text(), u"2,50"_qs);

        // The export is of the rows shown.
        platform->saveFileAnswer = folder->file(QStringLiteral("classe.csv"));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(platform->saveFileSuggestions, QStringList{folder->file(QStringLiteral("resultats.csv"))});
        QCOMPARE(testsupport::readBytes(platform->saveFileAnswer),
                 QByteArray("\xEF\xBB\xBF"
                            "Alumne;Data i hora;Repetició;Curs;Matèria;Opció;Nota;Encerts;Errors;En blanc;Avís\r\n"
                            "Pol;09/12/2026 10:00;;;MATES;;\"2,50\";1;3;0;\r\n"));
        // A name ending in .xlsx is a workbook; the PDF holds what is shown.
        platform->saveFileAnswer = folder->file(QStringLiteral("classe.xlsx"));
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(testsupport::readBytes(platform->saveFileAnswer).startsWith("PK"));
        platform->saveFileAnswer = folder->file(QStringLiteral("classe.pdf"));
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QVERIFY(testsupport::readBytes(platform->saveFileAnswer).startsWith("%PDF"));
        QVERIFY(platform->messages.isEmpty());
    }

    void sortAndOpen()
    {
        results::Form1 w(folder->path());
        w.show();
        QTRY_VERIFY(w.isLoaded());
        QHeaderView *header = w.Grid1->horizontalHeader();
        const QPoint markHeader(header->sectionViewportPosition(results::Mark) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, markHeader);
        QCOMPARE(cells(w.Grid1->model(), results::Mark), (QStringList{u"2,50"_qs, u"7,50"_qs, u"10,00"_qs}));

        const QRect first = w.Grid1->visualRect(w.Grid1->model()->index(0, results::Subject));
        // A double click is a press, a release and the double click proper.
        QTest::mouseClick(w.Grid1->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(w.Grid1->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(platform->openedDocuments,
                 QStringList{folder->file(QStringLiteral("Controles-Usuarios/Pol --0M,10H --9-12-2026.rtf"))});
    }

    // A report named for a year the date boxes cannot show still has its
    // row in the first view.
    void everyRowInTheFirstView()
    {
        folder->writeBytes(QStringLiteral("Controles-Usuarios/Vella --0M,8H --1-1-0001.rtf"),
                           report({QStringLiteral("MATES -  5,00 - ( A : 1; B : 1; C : 0 )")}));
        results::Form1 w(folder->path());
        QTRY_VERIFY(w.isLoaded());
        QCOMPARE(w.Grid1->model()->rowCount(), 4);
        QCOMPARE(w.Label6->text(), u"4 de 4 files"_qs);
    }

    // Many reports are read a step at a time, the window answering between.
    void readsInSteps()
    {
        for (int i = 0; i < 250; ++i) {
            folder->writeBytes(QStringLiteral("Controles-Usuarios/P%1 --1M,8H --1-12-2026.rtf").arg(i),
                               report({QStringLiteral("MATES -  5,00 - ( A : 1; B : 1; C : 0 )")}));
        }
        results::Form1 w(folder->path());
        QVERIFY(!w.isLoaded());
        QCOMPARE(w.Grid1->model()->rowCount(), 0);
        QVERIFY(!w.Command1->isEnabled());
        QVERIFY(!w.Combo1->isEnabled());
        QTRY_VERIFY(w.isLoaded());
        QCOMPARE(w.Grid1->model()->rowCount(), 253);
        QVERIFY(w.Command1->isEnabled());
        QVERIFY(w.Combo1->isEnabled());
    }
};

QTEST_MAIN(TstResultsWindow)
#include "tst_resultswindow.moc"
