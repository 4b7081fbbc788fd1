// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "installer/components.h"
#include "installer/form1.h"

#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readBytes;

class TstInstaller : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *installerFolder = nullptr;
    QTemporaryDir *systemFolder = nullptr;
    ui::RecordingPlatform *recording = nullptr;

    static void put(const QString &folder, const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("file " + name.toLatin1());
        }
    }

    static QString notFound(const QString &name)
    {
        return QStringLiteral("el archivo ") + name + QStringLiteral(" No lo encuentro");
    }
    static QString alreadyThere(const QString &name)
    {
        return QStringLiteral("el archivo ") + name + QStringLiteral(" ya se encontraba en SYSTEM");
    }
    static QString refused(const QString &name)
    {
        return QStringLiteral("el archivo ") + name
            + QStringLiteral(" no se ha podido copiar en SYSTEM");
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &message : recording->messages) {
            if (!message.title.isEmpty() || message.buttons != ui::MessageButtons::Ok)
                texts.append(QStringLiteral("unexpected box: ") + message.title);
            texts.append(message.text);
        }
        return texts;
    }

    QStringList registered() const
    {
        QStringList names;
        for (const auto &start : recording->started) {
            if (start.program != QLatin1String("REGSVR32.EXE") || !start.minimized
                || start.arguments.size() != 1)
                return {QStringLiteral("unexpected start of ") + start.program};
            names.append(start.arguments.first());
        }
        return names;
    }

    QStringList copyTargets() const
    {
        QStringList targets;
        for (const QString &copy : recording->copies)
            targets.append(copy.section(QStringLiteral(" -> "), 1));
        return targets;
    }

    void pressCommand1(installer::Form1 &form)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        installerFolder = new QTemporaryDir;
        systemFolder = new QTemporaryDir;
        recording = &ui::installRecordingPlatform();
        recording->folder = installerFolder->path();
        recording->system = systemFolder->path();
        recording->registrar = QStringLiteral("REGSVR32.EXE");
    }

    void cleanup()
    {
        delete installerFolder;
        delete systemFolder;
    }

    // Copied with its three files into a folder without questions, as onto
    // a stick, it starts and takes them from there: no program folder is
    // looked for, none is reported missing.
    void startsWithoutProgramFolder()
    {
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedDirs = qgetenv("XDG_CONFIG_DIRS");
        const QByteArray savedFolder = qgetenv("BRENLOQ_FOLDER");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.path() + QStringLiteral("/none")));
        qunsetenv("BRENLOQ_FOLDER");
        const std::optional<int> exitCode = ui::startUp(QStringList{QStringLiteral("INSTALAR BRENLOQ")},
                                                        installer::startupTexts());
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_DIRS", savedDirs);
        if (!savedFolder.isEmpty())
            qputenv("BRENLOQ_FOLDER", savedFolder);
        QVERIFY(recording->messages.isEmpty());
        QVERIFY(!exitCode.has_value());
        QCOMPARE(ui::chosenProgramFolder(), QString());
    }

    void windowTexts()
    {
        installer::Form1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("REGISTRAR ARCHIVOS - brenloq@escoles.cat"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Para windows XP ,VISTA y 7 "));
        QCOMPARE(form.Label3->text(),
                 QStringLiteral(
                     "Estos archivos se han de copiar en la carpeta 'system32' de windows."));
        QCOMPARE(form.Command1->text(), QStringLiteral("Copiar archivos y registrar componentes"));
        QCOMPARE(form.List2->count(), 3);
        QCOMPARE(form.List2->item(0)->text(), QStringLiteral("RICHTX32.OCX"));
        QCOMPARE(form.List2->item(1)->text(), QStringLiteral("GIF89.DLL"));
        QCOMPARE(form.List2->item(2)->text(), QStringLiteral("MSVBVM50.DLL"));
        for (const char *name : {"Label1", "Label3", "List2", "Command1", "Label2(0)",
                                 "Label2(1)", "Label2(2)"})
            QVERIFY2(form.findChild<QWidget *>(QString::fromLatin1(name)), name);
        bool contact = false;
        for (QLabel *label : form.Label2) {
            QVERIFY(!label->text().isEmpty());
            contact = contact || label->text().contains(QStringLiteral("brenloq@escoles.cat"));
        }
        QVERIFY(contact);
        QCOMPARE(form.systemFolder(), systemFolder->path());
        QVERIFY(recording->messages.isEmpty());
        QVERIFY(recording->copies.isEmpty());
        QCOMPARE(recording->quitCalls, 0);
    }

    void copyAndRegister_data()
    {
        QTest::addColumn<QStringList>("besideInstaller");
        QTest::addColumn<QStringList>("inSystem");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("copied");

        const QString rich = QStringLiteral("RICHTX32.OCX");
        const QString gif = QStringLiteral("GIF89.DLL");
        const QString vb = QStringLiteral("MSVBVM50.DLL");

        QTest::newRow("all three already present: three messages in list order")
            << QStringList{rich, gif, vb} << QStringList{rich, gif, vb}
            << QStringList{alreadyThere(rich), alreadyThere(gif), alreadyThere(vb)}
            << QStringList{};
        QTest::newRow("only GIF89.DLL beside, nothing in system: two not-found, GIF89 copied")
            << QStringList{gif} << QStringList{} << QStringList{notFound(rich), notFound(vb)}
            << QStringList{gif};
        QTest::newRow("all three beside, none present: all copied in list order, no message")
            << QStringList{rich, gif, vb} << QStringList{} << QStringList{}
            << QStringList{rich, gif, vb};
        QTest::newRow("nothing anywhere: three not-found messages in list order")
            << QStringList{} << QStringList{}
            << QStringList{notFound(rich), notFound(gif), notFound(vb)} << QStringList{};
        QTest::newRow("present in system though missing beside: already there")
            << QStringList{} << QStringList{gif}
            << QStringList{notFound(rich), alreadyThere(gif), notFound(vb)} << QStringList{};
        QTest::newRow("mixed: one present, one copied, one missing")
            << QStringList{rich, gif} << QStringList{rich}
            << QStringList{alreadyThere(rich), notFound(vb)} << QStringList{gif};
        QTest::newRow("names in other letter case are found on both sides")
            << QStringList{QStringLiteral("gif89.dll"), QStringLiteral("Msvbvm50.Dll")}
            << QStringList{QStringLiteral("richtx32.ocx")}
            << QStringList{alreadyThere(rich)} << QStringList{gif, vb};
    }

    void copyAndRegister()
    {
        QFETCH(QStringList, besideInstaller);
        QFETCH(QStringList, inSystem);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, copied);

        put(installerFolder->path(), besideInstaller);
        put(systemFolder->path(), inSystem);
        installer::Form1 form;
        pressCommand1(form);

        QCOMPARE(messageTexts(), messages);
        QStringList targets;
        for (const QString &name : copied) {
            targets.append(systemFolder->path() + u'/' + name);
            QVERIFY(!readBytes(systemFolder->path() + u'/' + name).isEmpty());
        }
        QCOMPARE(copyTargets(), targets);
        QCOMPARE(registered(), copied);
        QCOMPARE(recording->quitCalls, 1);
    }

    void copiedFileIsTheSource()
    {
        put(installerFolder->path(), {QStringLiteral("GIF89.DLL")});
        installer::Form1 form;
        pressCommand1(form);
        QCOMPARE(readBytes(systemFolder->path() + QStringLiteral("/GIF89.DLL")),
                 QByteArray("file GIF89.DLL"));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("withSystemFolder");
        QTest::addColumn<bool>("refuseCopies");
        QTest::addColumn<QString>("registrar");
        QTest::addColumn<QStringList>("besideInstaller");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("copyAttempts");
        QTest::addColumn<QStringList>("registered");

        const QString rich = QStringLiteral("RICHTX32.OCX");
        const QString gif = QStringLiteral("GIF89.DLL");
        const QString vb = QStringLiteral("MSVBVM50.DLL");

        QTest::newRow("copies refused: a message per file, the next file still handled")
            << true << true << QStringLiteral("REGSVR32.EXE") << QStringList{rich, gif}
            << QStringList{refused(rich), refused(gif), notFound(vb)} << 2 << QStringList{};
        QTest::newRow("no system folder: nothing copied anywhere")
            << false << false << QStringLiteral("REGSVR32.EXE") << QStringList{rich, gif, vb}
            << QStringList{refused(rich), refused(gif), refused(vb)} << 0 << QStringList{};
        QTest::newRow("no registration program: copied silently, nothing started")
            << true << false << QString() << QStringList{rich, gif, vb} << QStringList{} << 3
            << QStringList{};
    }

    void failures()
    {
        QFETCH(bool, withSystemFolder);
        QFETCH(bool, refuseCopies);
        QFETCH(QString, registrar);
        QFETCH(QStringList, besideInstaller);
        QFETCH(QStringList, messages);
        QFETCH(int, copyAttempts);
        QFETCH(QStringList, registered);

        put(installerFolder->path(), besideInstaller);
        if (!withSystemFolder)
            recording->system.clear();
        recording->refuseCopies = refuseCopies;
        recording->registrar = registrar;
        installer::Form1 form;
        pressCommand1(form);

        QCOMPARE(messageTexts(), messages);
        QCOMPARE(recording->copies.size(), copyAttempts);
        for (const QString &target : copyTargets())
            QVERIFY2(target.startsWith(systemFolder->path() + u'/'), qPrintable(target));
        QCOMPARE(this->registered(), registered);
        QCOMPARE(recording->quitCalls, 1);
    }

    void outcomeOfOneFile_data()
    {
        QTest::addColumn<QStringList>("besideInstaller");
        QTest::addColumn<QStringList>("inSystem");
        QTest::addColumn<int>("outcome");
        QTest::newRow("missing target, present source: installed")
            << QStringList{QStringLiteral("GIF89.DLL")} << QStringList{}
            << int(installer::Outcome::Installed);
        QTest::newRow("missing on both sides: source missing")
            << QStringList{} << QStringList{} << int(installer::Outcome::SourceMissing);
        QTest::newRow("present in system: left alone")
            << QStringList{QStringLiteral("GIF89.DLL")} << QStringList{QStringLiteral("GIF89.DLL")}
            << int(installer::Outcome::AlreadyPresent);
    }

    void outcomeOfOneFile()
    {
        QFETCH(QStringList, besideInstaller);
        QFETCH(QStringList, inSystem);
        QFETCH(int, outcome);
        put(installerFolder->path(), besideInstaller);
        put(systemFolder->path(), inSystem);
        const auto result = installer::installComponent(QStringLiteral("GIF89.DLL"),
                                                        installerFolder->path(),
                                                        systemFolder->path(), *recording);
        QCOMPARE(int(result), outcome);
        QCOMPARE(installer::outcomeMessage(QStringLiteral("GIF89.DLL"), result).isEmpty(),
                 result == installer::Outcome::Installed);
    }
};

QTEST_MAIN(TstInstaller)
#include "tst_installer.moc"
