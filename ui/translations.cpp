// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "bank/programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace ui {

namespace {

// The kit's modules, one .qm each per language but the one it is written in.
const QStringList kModules = {QStringLiteral("ui"),      QStringLiteral("player"),  QStringLiteral("editor"),
                              QStringLiteral("installer"), QStringLiteral("checker"), QStringLiteral("convert"),
                              QStringLiteral("results"), QStringLiteral("interchange")};

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool load(const QString &file, QStringList &loaded)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    loaded << file;
    return true;
}

} // namespace

QString chooseLanguage(const QString &option, const QStringList &uiLanguages, const QString &sourceLanguage)
{
    if (kLanguages.contains(option))
        return option;
    // The same rule that picks a new program folder's interface texts.
    const QString language = bank::interfaceLanguageFor(uiLanguages);
    return language.isEmpty() ? sourceLanguage : language;
}

QStringList desktopLanguages()
{
    const QLocale desktop = QLocale::system();
    return desktop.language() == QLocale::C ? QStringList() : desktop.uiLanguages();
}

QString languageArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--")
            break;
        if ((argument == u"--language" || argument == u"-language") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(u"--language="))
            return argument.mid(11);
        if (argument == u"--folder" || argument == u"-folder")
            ++i; // a folder may be called anything, "--language" too
    }
    return {};
}

QCommandLineOption languageOption()
{
    return {QStringLiteral("language"),
            QCoreApplication::translate("ui::Startup", "La llengua dels textos: ca (català), es (español) o en "
                                                       "(English). Sense l'opció, la de l'escriptori."),
            QStringLiteral("ca|es|en")};
}

QStringList loadTranslations(const QString &language)
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    QStringList loaded;
    // Qt's own words; it ships none in English, the language it is written in.
    if (language != u"en")
        load(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + language + QStringLiteral(".qm"),
             loaded);
    for (const QString &module : kModules)
        load(kTranslationsFolder + u'/' + module + u'_' + language + QStringLiteral(".qm"), loaded);
    return loaded;
}

QString useLanguage(const QStringList &arguments, const QString &sourceLanguage)
{
    const QString language = chooseLanguage(languageArgument(arguments), desktopLanguages(), sourceLanguage);
    loadTranslations(language);
    return language;
}

} // namespace ui
