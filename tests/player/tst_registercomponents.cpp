// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player/registercomponents.h"

#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readBytes;

class TstRegisterComponents : public QObject
{
    Q_OBJECT

private:
    struct Folders {
        QTemporaryDir program;
        QTemporaryDir system;
    };

    static void put(const QString &folder, const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("component " + name.toLatin1());
        }
    }

    static QString sourceFor(const QString &folder, const QString &name)
    {
        const QStringList entries = QDir(folder).entryList(QDir::Files);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return folder + u'/' + entry;
        }
        return {};
    }

    static QStringList copiesInto(const ui::RecordingPlatform &recording)
    {
        QStringList targets;
        for (const QString &copy : recording.copies)
            targets.append(copy.section(QStringLiteral(" -> "), 1));
        return targets;
    }

    static QStringList registered(const ui::RecordingPlatform &recording)
    {
        QStringList names;
        for (const auto &start : recording.started) {
            if (start.program != QLatin1String("REGSVR32.EXE") || !start.minimized
                || start.arguments.size() != 1)
                return {QStringLiteral("unexpected start of ") + start.program};
            names.append(start.arguments.first());
        }
        return names;
    }

private Q_SLOTS:
    void registration_data()
    {
        QTest::addColumn<QStringList>("besideProgram");
        QTest::addColumn<QStringList>("inSystem");
        QTest::addColumn<QStringList>("copied");
        QTest::addColumn<QStringList>("started");

        const QString gif = QStringLiteral("GIF89.DLL");
        const QString rich = QStringLiteral("RICHTX32.OCX");

        QTest::newRow("no GIF89.DLL beside the program: nothing, though both are missing")
            << QStringList{rich} << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("empty program folder: nothing")
            << QStringList{} << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("both already in the system folder: nothing happens")
            << QStringList{gif, rich} << QStringList{gif, rich} << QStringList{} << QStringList{};
        QTest::newRow("only RICHTX32.OCX missing: only it is copied and registered")
            << QStringList{gif, rich} << QStringList{gif} << QStringList{rich} << QStringList{rich};
        QTest::newRow("only GIF89.DLL missing: only it is copied and registered")
            << QStringList{gif, rich} << QStringList{rich} << QStringList{gif} << QStringList{gif};
        QTest::newRow("both missing: GIF89.DLL first, then RICHTX32.OCX")
            << QStringList{gif, rich} << QStringList{} << QStringList{gif, rich}
            << QStringList{gif, rich};
        QTest::newRow("names beside the program in other letter case are found")
            << QStringList{QStringLiteral("gif89.dll"), QStringLiteral("Richtx32.ocx")}
            << QStringList{} << QStringList{gif, rich} << QStringList{gif, rich};
        QTest::newRow("names in the system folder in other letter case count as present")
            << QStringList{gif, rich}
            << QStringList{QStringLiteral("Gif89.dll"), QStringLiteral("richtx32.OCX")}
            << QStringList{} << QStringList{};
    }

    void registration()
    {
        QFETCH(QStringList, besideProgram);
        QFETCH(QStringList, inSystem);
        QFETCH(QStringList, copied);
        QFETCH(QStringList, started);

        Folders folders;
        put(folders.program.path(), besideProgram);
        put(folders.system.path(), inSystem);
        auto &recording = ui::installRecordingPlatform();
        recording.folder = folders.program.path();
        recording.system = folders.system.path();
        recording.registrar = QStringLiteral("REGSVR32.EXE");

        player::RegisterComponents(folders.program.path(), recording);

        QStringList expectedTargets;
        for (const QString &name : copied)
            expectedTargets.append(folders.system.path() + u'/' + name);
        QCOMPARE(copiesInto(recording), expectedTargets);
        for (const QString &name : copied) {
            const QString source = sourceFor(folders.program.path(), name);
            QCOMPARE(readBytes(folders.system.path() + u'/' + name), readBytes(source));
        }
        QCOMPARE(registered(recording), started);
        QVERIFY(recording.messages.isEmpty());
    }

    // A component that is not beside the program is not copied; it is then
    // not registered either, and nothing is said.
    void componentMissingBesideProgram()
    {
        Folders folders;
        put(folders.program.path(), {QStringLiteral("GIF89.DLL")});
        auto &recording = ui::installRecordingPlatform();
        recording.system = folders.system.path();
        recording.registrar = QStringLiteral("REGSVR32.EXE");

        player::RegisterComponents(folders.program.path(), recording);

        QCOMPARE(copiesInto(recording), QStringList{folders.system.path() + QStringLiteral("/GIF89.DLL")});
        QVERIFY(!QFileInfo::exists(folders.system.path() + QStringLiteral("/RICHTX32.OCX")));
        QCOMPARE(registered(recording), QStringList{QStringLiteral("GIF89.DLL")});
        QVERIFY(recording.messages.isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<bool>("withSystemFolder");
        QTest::addColumn<bool>("systemFolderExists");
        QTest::addColumn<QString>("registrar");
        QTest::addColumn<bool>("refuseCopies");
        QTest::addColumn<int>("copyAttempts");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("started");

        const QStringList both{QStringLiteral("GIF89.DLL"), QStringLiteral("RICHTX32.OCX")};
        QTest::newRow("copy refused: nothing registered, nothing said")
            << true << true << QStringLiteral("REGSVR32.EXE") << true << 2 << QStringList{}
            << QStringList{};
        QTest::newRow("no registration program: copied, nothing started")
            << true << true << QString() << false << 2 << both << QStringList{};
        QTest::newRow("no system folder: nothing copied anywhere, nothing started")
            << false << false << QStringLiteral("REGSVR32.EXE") << false << 0 << QStringList{}
            << QStringList{};
        QTest::newRow("system folder that does not exist: copies fail, nothing started")
            << true << false << QStringLiteral("REGSVR32.EXE") << false << 2 << QStringList{}
            << QStringList{};
    }

    void failures()
    {
        QFETCH(bool, withSystemFolder);
        QFETCH(bool, systemFolderExists);
        QFETCH(QString, registrar);
        QFETCH(bool, refuseCopies);
        QFETCH(int, copyAttempts);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, started);

        Folders folders;
        put(folders.program.path(), {QStringLiteral("GIF89.DLL"), QStringLiteral("RICHTX32.OCX")});
        const QString system = systemFolderExists ? folders.system.path()
                                                  : folders.system.path() + QStringLiteral("/gone");
        auto &recording = ui::installRecordingPlatform();
        recording.system = withSystemFolder ? system : QString();
        recording.registrar = registrar;
        recording.refuseCopies = refuseCopies;

        player::RegisterComponents(folders.program.path(), recording);

        QCOMPARE(recording.copies.size(), copyAttempts);
        for (const QString &target : copiesInto(recording))
            QVERIFY2(target.startsWith(system + u'/'), qPrintable(target));
        QStringList present;
        for (const QString &name : QDir(system).entryList(QDir::Files, QDir::Name))
            present.append(name);
        QCOMPARE(present, installed);
        QCOMPARE(registered(recording), started);
        QVERIFY(recording.messages.isEmpty());
    }

};

QTEST_GUILESS_MAIN(TstRegisterComponents)
#include "tst_registercomponents.moc"
