// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder tree's "Importar preguntas…" and "Exportar preguntas…".

#include "editor/interchangemenu.h"
#include "editorwindows.h"
#include "ui/translations.h"

#include <QtTest>

class TstInterchangeMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // As the editor starts under C: in Spanish, its own language, so the
    // converter's lines come in Spanish too.
    void initTestCase() { QVERIFY(ui::loadTranslations(QStringLiteral("es")).join(u' ').contains(u"interchange_es")); }
    void cleanupTestCase() { ui::loadTranslations(QString()); }

    // The kinds come in the run's language; the summary counts them.
    void summary_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<int>("done");
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QString>("text");
        QTest::newRow("all") << true << 312 << QStringList{} << "Se han importado 312 preguntas.";
        QTest::newRow("one") << true << 1 << QStringList{} << "Se ha importado 1 pregunta.";
        QTest::newRow("some not") << true << 2 << QStringList{"de emparejamiento", "con dos respuestas correctas", "de emparejamiento"}
            << "Se han importado 2 preguntas. No se han importado 3: 2 de emparejamiento, 1 con dos respuestas correctas."
               "\nlínea 1: de emparejamiento\nlínea 1: con dos respuestas correctas\nlínea 1: de emparejamiento";
        QTest::newRow("export") << false << 5 << QStringList{"de marcar en un gráfico", "de tipo «x»"}
            << "Se han exportado 5 preguntas. No se han exportado 2: 1 de marcar en un gráfico, 1 de tipo «x»."
               "\nlínea 1: de marcar en un gráfico\nlínea 1: de tipo «x»";
    }
    void summary()
    {
        QFETCH(bool, import);
        QFETCH(int, done);
        QFETCH(QStringList, kinds);
        QFETCH(QString, text);
        interchange::Outcome outcome;
        outcome.done = done;
        for (const QString &kind : kinds)
            outcome.skipped << interchange::Skipped{QStringLiteral("línea 1"), kind, {}};
        QCOMPARE(editor::interchangeSummary(outcome, import), text);
    }

    // Through the tree's menu: the file chosen is imported into the folder
    // clicked, the summary shown and the file list refreshed.
    void importThroughTheMenu()
    {
        editortest::Editor e;
        e.open();
        e.program.writeBytes(QStringLiteral("q.gift"), "::A::One? {T}\n\nTwo? {=2 ~3}\n\nN? {#3}\n");
        e.platform->openFileAnswer = e.program.file(QStringLiteral("q.gift"));
        const QModelIndex subject = e.form->Dir1->model()->index(0, 0, e.form->Dir1->rootIndex());
        QVERIFY(subject.isValid());
        e.form->Dir1->setCurrentIndex(subject);
        const QRect at = e.form->Dir1->visualRect(subject);
        Q_EMIT e.form->Dir1->customContextMenuRequested(at.center());
        QVERIFY(e.form->Dir1Menu->isVisible());
        QCOMPARE(e.form->mnuImportar->text(), QStringLiteral("Importar preguntas…"));
        e.form->Dir1Menu->hide();
        e.form->mnuImportar->trigger();
        QCOMPARE(e.messages(), QStringList{"Se han importado 2 preguntas. No se han importado 1: 1 numérica.\nlínea 5: numérica"});
        const QString folder = e.form->targetFolder();
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/1.txt")));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/2.txt")));
        QCOMPARE(e.form->File1->count(), 2);

        // And out again; a cancelled dialog does nothing.
        e.platform->saveFileAnswer = e.program.file(QStringLiteral("out.gift"));
        e.form->mnuExportar->trigger();
        QCOMPARE(e.messages().last(), QStringLiteral("Se han exportado 2 preguntas."));
        QVERIFY(QFileInfo(e.program.file(QStringLiteral("out.gift"))).size() > 0);
        e.platform->openFileAnswer.clear();
        e.form->mnuImportar->trigger();
        QCOMPARE(e.messages().size(), 2);
    }
};

QTEST_MAIN(TstInterchangeMenu)
#include "tst_interchangemenu.moc"
