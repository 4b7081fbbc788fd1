// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window of the kit in each of its languages, at 1024×768: no caption
// cut or running past its control, no text left in the language it was
// written in, and every translation file finished.

#include "bank/folders.h"
#include "editor/form1.h"
#include "editor/form2.h"
#include "editor/form3.h"
#include "editor/form4.h"
#include "installer/form1.h"
#include "player/form1.h"
#include "player/form2.h"
#include "player/playerstate.h"
#include "results/form1.h"
#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/startup.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

struct Message {
    QString source, translation;
    bool finished = false;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message") {
            messages.append(Message{});
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            const bool unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            messages.last().translation = xml.readElementText();
            messages.last().finished = !unfinished && !messages.last().translation.isEmpty();
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const auto &m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The texts a window shows that do not fit their control, as "name: text".
QStringList overflowing(QWidget *window)
{
    QStringList found;
    const QRect screen(0, 0, 1024, 768);
    if (window->frameGeometry().width() > screen.width() || window->frameGeometry().height() > screen.height())
        found << QStringLiteral("window %1×%2").arg(window->frameGeometry().width()).arg(window->frameGeometry().height());
    auto check = [&found](QWidget *w, const QString &text, int available, bool wraps) {
        if (text.trimmed().isEmpty() || Qt::mightBeRichText(text))
            return;
        const QFontMetrics metrics = w->fontMetrics();
        bool fits = true;
        if (wraps) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, available, 100000), Qt::TextWordWrap, text);
            fits = needed.width() <= available && needed.height() <= w->contentsRect().height();
        } else {
            for (const QString &line : text.split(u'\n'))
                fits = fits && metrics.horizontalAdvance(line) <= available;
        }
        if (!fits)
            found << w->objectName() + QStringLiteral(": ") + text;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            check(label, label->text(), label->contentsRect().width() - 2 * label->margin() - label->indent(),
                  label->wordWrap());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            // A button's frame and padding take a few pixels each side.
            check(button, QString(button->text()).remove(u'&'), button->width() - 6, false);
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            check(group, group->title(), group->width() - 10, false);
    }
    return found;
}

// The texts a window shows, for finding any left untranslated.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
    }
    return texts;
}

struct Window {
    QString module; // whose .ts holds its texts
    QString sourceLanguage;
    std::function<std::unique_ptr<QWidget>(const QString &programFolder)> open;
    std::function<void(QWidget *, const std::function<void()> &)> eachView = [](QWidget *, const std::function<void()> &look) { look(); };
};

QMap<QString, Window> windows()
{
    QMap<QString, Window> all;
    all[QStringLiteral("editor")] = {QStringLiteral("editor"), QStringLiteral("es"),
                                     [](const QString &) { return std::make_unique<editor::Form1>(); },
                                     [](QWidget *w, const std::function<void()> &look) {
                                         auto *form = static_cast<editor::Form1 *>(w);
                                         for (int k = form->Command1.last(); k >= 0; --k) {
                                             QTest::mouseClick(form->Command1(k), Qt::LeftButton);
                                             look();
                                         }
                                     }};
    all[QStringLiteral("editor check")] = {QStringLiteral("editor"), QStringLiteral("es"), [](const QString &) {
                                               editor::PreviewQuestion question;
                                               question.statement = QStringLiteral("2 + 2");
                                               question.options[0] = QStringLiteral("4 ");
                                               question.options[1] = QStringLiteral("5");
                                               return std::make_unique<editor::Form2>(question);
                                           }};
    all[QStringLiteral("editor list picker")] = {QStringLiteral("editor"), QStringLiteral("es"),
                                                 [](const QString &folder) { return std::make_unique<editor::Form3>(folder); }};
    all[QStringLiteral("editor attachment picker")] = {
        QStringLiteral("editor"), QStringLiteral("es"),
        [](const QString &folder) { return std::make_unique<editor::Form4>(folder); }};
    all[QStringLiteral("installer")] = {QStringLiteral("installer"), QStringLiteral("es"),
                                        [](const QString &) { return std::make_unique<installer::Form1>(); }};
    all[QStringLiteral("class results")] = {QStringLiteral("results"), QStringLiteral("ca"),
                                            [](const QString &folder) { return std::make_unique<results::Form1>(folder); },
                                            [](QWidget *w, const std::function<void()> &look) {
                                                // The reports are read after the window shows.
                                                QTRY_VERIFY(static_cast<results::Form1 *>(w)->isLoaded());
                                                QCoreApplication::sendPostedEvents();
                                                look();
                                            }};
    // The player's texts come from the idioma set of the program folder.
    all[QStringLiteral("player start")] = {QString(), QStringLiteral("ca"),
                                           [](const QString &) { return std::make_unique<player::Form1>(); }};
    all[QStringLiteral("player selection")] = {QString(), QStringLiteral("ca"),
                                               [](const QString &) { return std::make_unique<player::Form2>(); }};
    return all;
}

} // namespace

class WindowTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(QStringLiteral(TS_DIR)).exists());
    }

    void fitsAndIsTranslated_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        for (const QString &window : windows().keys())
            for (const QString &language : ui::kLanguages)
                QTest::newRow(qPrintable(window + u' ' + language)) << window << language;
    }

    void fitsAndIsTranslated()
    {
        QFETCH(QString, window);
        QFETCH(QString, language);
        const Window shown = windows().value(window);
        testsupport::ProgramFolder program(true);
        // The idioma set of the language where there is one; without, the
        // class results show their built-in texts, and the player is skipped.
        const QString set = QStringLiteral(DEMO_DIR "/idiomes/") + language;
        const bool haveSet = QFileInfo(set).isDir();
        if (shown.module.isEmpty() && !haveSet)
            QSKIP(qPrintable(QStringLiteral("no idioma set at demo/idiomes/%1").arg(language)));
        program.remove(QStringLiteral("idioma"));
        if (haveSet)
            QVERIFY(testsupport::copyTree(set, program.file(QStringLiteral("idioma"))));
        ui::RecordingPlatform &platform = ui::installRecordingPlatform();
        platform.folder = program.path();
        player::resetState();
        player::state().programFolder = program.path();
        const QStringList loaded = ui::loadTranslations(language);
        if (!shown.module.isEmpty() && language != shown.sourceLanguage)
            QVERIFY2(loaded.contains(ui::kTranslationsFolder + u'/' + shown.module + u'_' + language + QStringLiteral(".qm")),
                     qPrintable(loaded.join(u' ')));

        // Texts of the window's own module still in its source language.
        QHash<QString, QString> untranslated;
        if (!shown.module.isEmpty() && language != shown.sourceLanguage) {
            for (const Message &m : readTs(QStringLiteral(TS_DIR "/") + shown.module + u'_' + language + QStringLiteral(".ts")))
                if (m.translation != m.source)
                    untranslated.insert(m.source, m.translation);
        }

        std::unique_ptr<QWidget> form = shown.open(program.path());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QStringList problems;
        shown.eachView(form.get(), [&] {
            problems << overflowing(form.get());
            for (const QString &text : shownTexts(form.get()))
                if (untranslated.contains(text))
                    problems << QStringLiteral("untranslated: ") + text;
        });
        ui::loadTranslations(QString());
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // Every text of every .ts translated, with the same %1, %2… as its source.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(QStringLiteral(TS_DIR)).entryList({QStringLiteral("*.ts")});
        QVERIFY(files.size() >= 16);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void everyTextTranslated()
    {
        QFETCH(QString, file);
        const QList<Message> messages = readTs(QStringLiteral(TS_DIR "/") + file);
        QVERIFY(!messages.isEmpty());
        QStringList problems;
        for (const Message &m : messages) {
            if (!m.finished)
                problems << QStringLiteral("unfinished: ") + m.source;
            else if (placeholders(m.source) != placeholders(m.translation))
                problems << QStringLiteral("placeholders differ: ") + m.source;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The player's start-up warning about its reports folder, the bank's
    // reason included, in the language of the run.
    void reportsFolderWarning_data()
    {
        QTest::addColumn<QString>("reports"); // "link", "missing" or "file"
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reason");
        QTest::newRow("link ca") << QStringLiteral("link") << QStringLiteral("ca")
                                 << QStringLiteral("«Controles-Usuarios» és un enllaç, i els informes no poden anar a parar fora de la carpeta del programa.");
        QTest::newRow("link es") << QStringLiteral("link") << QStringLiteral("es")
                                 << QStringLiteral("«Controles-Usuarios» es un enlace, y los informes no pueden ir a parar fuera de la carpeta del programa.");
        QTest::newRow("link en") << QStringLiteral("link") << QStringLiteral("en")
                                 << QStringLiteral("“Controles-Usuarios” is a link, and the reports must not end up outside the program folder.");
        QTest::newRow("missing es") << QStringLiteral("missing") << QStringLiteral("es") << QStringLiteral("«Controles-Usuarios» no existe.");
        QTest::newRow("missing en") << QStringLiteral("missing") << QStringLiteral("en") << QStringLiteral("“Controles-Usuarios” does not exist.");
        QTest::newRow("file en") << QStringLiteral("file") << QStringLiteral("en") << QStringLiteral("“Controles-Usuarios” is not a folder.");
    }

    void reportsFolderWarning()
    {
        QFETCH(QString, reports);
        QFETCH(QString, language);
        QFETCH(QString, reason);
        testsupport::ProgramFolder program(true);
        const QString name = QString::fromLatin1(bank::kReportsFolder);
        const QString folder = program.file(name);
        program.remove(name);
        if (reports == u"link")
            QVERIFY(QFile::link(program.file(QStringLiteral("Graficos")), folder));
        else if (reports == u"file")
            program.writeBytes(name, "no");
        ui::StartupTexts texts;
        texts.writableFolder = name;
        texts.cannotWrite = QStringLiteral("[%1]");
        ui::loadTranslations(language);
        const QStringList warnings = ui::writeWarnings(program.path(), texts);
        ui::loadTranslations(QString());
        QCOMPARE(warnings, QStringList{u'[' + QDir::toNativeSeparators(folder) + QStringLiteral("] ") + reason});
    }

    // The desktop's language lists, LANGUAGE's priority among them, reach
    // a program: the checker's first line in the language chosen.
    void checkerSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("origin");
        const QString ca = QStringLiteral("(de la línia d'ordres)");
        const QString es = QStringLiteral("(de la línea de órdenes)");
        const QString en = QStringLiteral("(from the command line)");
        QTest::newRow("C") << QStringList{QStringLiteral("LC_ALL=C")} << QStringList() << ca;
        QTest::newRow("C ignores LANGUAGE") << QStringList{QStringLiteral("LC_ALL=C"), QStringLiteral("LANGUAGE=es")}
                                            << QStringList() << ca;
        QTest::newRow("en_US") << QStringList{QStringLiteral("LANG=en_US.UTF-8")} << QStringList() << en;
        QTest::newRow("es_ES") << QStringList{QStringLiteral("LANG=es_ES.UTF-8")} << QStringList() << es;
        QTest::newRow("LANGUAGE en:ca over LANG ca") << QStringList{QStringLiteral("LANG=ca_ES.UTF-8"), QStringLiteral("LANGUAGE=en:ca")}
                                                      << QStringList() << en;
        QTest::newRow("LANGUAGE fr:es") << QStringList{QStringLiteral("LANG=fr_FR.UTF-8"), QStringLiteral("LANGUAGE=fr:es")}
                                         << QStringList() << es;
        QTest::newRow("fr_FR alone") << QStringList{QStringLiteral("LANG=fr_FR.UTF-8")} << QStringList() << en;
        QTest::newRow("--language over LANG") << QStringList{QStringLiteral("LANG=en_US.UTF-8")}
                                               << QStringList{QStringLiteral("--language"), QStringLiteral("ca")} << ca;
    }

    void checkerSpeaksTheDesktopsLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, origin);
        QProcess checker;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        for (const QString &pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        checker.setProcessEnvironment(env);
        checker.start(QStringLiteral(CHECK_PROGRAM), arguments << QStringLiteral(DEMO_DIR));
        QVERIFY(checker.waitForFinished(60000));
        const QString out = QString::fromUtf8(checker.readAllStandardOutput());
        QVERIFY2(out.section(u'\n', 0, 0).endsWith(origin + u'.'), qPrintable(out.left(200)));
    }
};

QTEST_MAIN(WindowTexts)
#include "tst_windowtexts.moc"
