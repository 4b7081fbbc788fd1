// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The class results on paper: rows laid on pages whole, the table's header
// on every page, and a PDF of a long class read back by pdftotext.

#include "results/printout.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using results::Band;
using results::Slice;
using Pages = QList<QList<Slice>>;

Q_DECLARE_METATYPE(QList<results::Band>)

namespace {

// Bands one under the other from 0, of the given heights.
QList<Band> stack(const QList<std::tuple<double, int, bool>> &heights)
{
    QList<Band> bands;
    double y = 0;
    for (const auto &[height, header, keep] : heights) {
        bands.append({y, y + height, header, keep});
        y += height;
    }
    return bands;
}

constexpr bool kKeep = true;
constexpr bool kFree = false;

} // namespace

class TstPrintout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Pages of 100: a heading (keeps with the next band), a header (band 1,
    // keeps with the first row), rows.
    void paginate_data()
    {
        QTest::addColumn<QList<Band>>("bands");
        QTest::addColumn<Pages>("pages");

        QTest::newRow("all on one page") << stack({{10, -1, kKeep}, {10, -1, kKeep}, {30, 1, kFree}, {50, 1, kFree}})
                                         << Pages{{{0, 100}}};
        QTest::newRow("a row that would cross the page's end starts the next, under the header")
            << stack({{10, -1, kKeep}, {10, -1, kKeep}, {40, 1, kFree}, {30, 1, kFree}, {30, 1, kFree}})
            << Pages{{{0, 90}}, {{10, 20}, {90, 120}}};
        QTest::newRow("a heading at the foot of a page goes with its table")
            << stack({{85, -1, kFree}, {5, -1, kKeep}, {5, -1, kKeep}, {20, 4, kFree}})
            << Pages{{{0, 85}}, {{85, 115}}};
        QTest::newRow("a row taller than a page is cut, the header above each part")
            << stack({{10, -1, kKeep}, {10, -1, kKeep}, {230, 1, kFree}, {10, 1, kFree}})
            << Pages{{{0, 100}}, {{10, 20}, {100, 190}}, {{10, 20}, {190, 260}}};
        QTest::newRow("a group too tall for a page starts one and flows")
            << stack({{50, -1, kFree}, {30, -1, kKeep}, {10, -1, kKeep}, {80, 2, kFree}, {10, 2, kFree}})
            << Pages{{{0, 50}}, {{50, 150}}, {{80, 90}, {150, 180}}};
        QTest::newRow("a header of half the page is not repeated")
            << stack({{50, -1, kKeep}, {40, 0, kFree}, {40, 0, kFree}})
            << Pages{{{0, 90}}, {{90, 130}}};
        QTest::newRow("no bands, no pages") << QList<Band>() << Pages{};
    }
    void paginate()
    {
        QFETCH(QList<Band>, bands);
        QFETCH(Pages, pages);
        QCOMPARE(results::paginate(bands, 100), pages);
    }

    // Two hundred rows, every seventh with a statement that wraps over
    // several lines: each row's first and last words on one page, the
    // header on every page of the table.
    void pdfKeepsRowsWhole()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        results::PrintedTable table{QStringLiteral("Per pregunta"),
                                    {QStringLiteral("Pregunta"), QStringLiteral("Enunciat"), QStringLiteral("Vegades")},
                                    {}};
        const int rows = 200;
        for (int i = 0; i < rows; ++i) {
            QString statement = QStringLiteral("Quina és la capital de");
            if (i % 7 == 3)
                statement += QStringLiteral(" la comarca que té més pobles i més rius que cap altra").repeated(12);
            table.rows.append({QStringLiteral("R%1A").arg(i, 3, 10, QChar(u'0')),
                               statement + QStringLiteral(" R%1Z").arg(i, 3, 10, QChar(u'0')), QString::number(i)});
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("classe.pdf"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(results::pdfBytes(QStringLiteral("1r ESO"), {table}));
        file.close();

        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));

        QMap<QString, QList<int>> seen; // marker: the pages it is on
        static const QRegularExpression marker(QStringLiteral("R\\d{3}[AZ]"));
        for (int p = 0; p < pages.size(); ++p) {
            for (const QRegularExpressionMatch &m : marker.globalMatch(pages[p]))
                seen[m.captured()].append(p);
            QVERIFY2(pages[p].contains(QStringLiteral("Enunciat")), qPrintable(QStringLiteral("no header on page %1").arg(p + 1)));
        }
        for (int i = 0; i < rows; ++i) {
            const QString first = QStringLiteral("R%1A").arg(i, 3, 10, QChar(u'0'));
            const QString last = QStringLiteral("R%1Z").arg(i, 3, 10, QChar(u'0'));
            QCOMPARE(seen.value(first).size(), 1);
            QCOMPARE(seen.value(last).size(), 1);
            QVERIFY2(seen.value(first) == seen.value(last),
                     qPrintable(QStringLiteral("row %1 runs from page %2 to page %3")
                                    .arg(i).arg(seen.value(first).value(0) + 1).arg(seen.value(last).value(0) + 1)));
        }
    }
};

QTEST_MAIN(TstPrintout)
#include "tst_printout.moc"
