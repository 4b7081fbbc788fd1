// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/translations.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

class Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("option first") << "en" << QStringList{"ca-ES"} << "es" << "en";
        QTest::newRow("unknown option: the desktop's") << "fr" << QStringList{"ca-ES"} << "es" << "ca";
        QTest::newRow("region ignored") << "" << QStringList{"es-MX", "es"} << "ca" << "es";
        QTest::newRow("underscore tag") << "" << QStringList{"en_GB"} << "ca" << "en";
        QTest::newRow("priority list, first the kit has") << "" << QStringList{"de", "ca", "en"} << "es" << "ca";
        QTest::newRow("Galician: Spanish") << "" << QStringList{"gl-ES", "en"} << "ca" << "es";
        QTest::newRow("none the kit has: English") << "" << QStringList{"fr-FR", "fr"} << "es" << "en";
        QTest::newRow("C: the program's own") << "" << QStringList{"C"} << "es" << "es";
        QTest::newRow("nothing: the program's own") << "" << QStringList() << "ca" << "ca";
    }

    void chooseLanguage()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, desktop);
        QFETCH(QString, source);
        QFETCH(QString, chosen);
        QCOMPARE(ui::chooseLanguage(option, desktop, source), chosen);
    }

    void languageArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::newRow("separate") << QStringList{"Editor", "--language", "en"} << "en";
        QTest::newRow("joined") << QStringList{"Editor", "--language=ca"} << "ca";
        QTest::newRow("a folder so named") << QStringList{"Editor", "--folder", "--language"} << "";
        QTest::newRow("after --") << QStringList{"x", "--", "--language", "es"} << "";
        QTest::newRow("program name only") << QStringList{"--language"} << "";
    }

    void languageArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QCOMPARE(ui::languageArgument(arguments), language);
    }

    // Built into the programs: each module in each language but its own.
    void loadsQtsAndTheKits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ca") << "ca" << QStringList{"editor_ca", "installer_ca", "qtbase_ca"};
        QTest::newRow("es") << "es" << QStringList{"ui_es", "player_es", "checker_es", "convert_es", "results_es",
                                                   "interchange_es", "qtbase_es"};
        QTest::newRow("en") << "en" << QStringList{"ui_en", "player_en", "editor_en", "installer_en", "checker_en",
                                                   "convert_en", "results_en", "interchange_en"};
    }

    void loadsQtsAndTheKits()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QStringList names;
        for (const QString &file : ui::loadTranslations(language))
            names << QFileInfo(file).completeBaseName();
        names.sort();
        expected.sort();
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ca.qm")))
            expected.removeIf([](const QString &name) { return name.startsWith(u"qtbase"); });
        QCOMPARE(names, expected);
        QCOMPARE(QCoreApplication::translate("ui::Startup", "no existeix"),
                 language == u"ca" ? QStringLiteral("no existeix") : language == u"es" ? QStringLiteral("no existe")
                                                                                   : QStringLiteral("it does not exist"));
        ui::loadTranslations(QString());
    }
};

QTEST_MAIN(Translations)
#include "tst_translations.moc"
