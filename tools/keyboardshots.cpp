// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard tour: on a real X screen under a window manager, a session
// is played with keys alone on a course of four subjects (options, true or
// false, a reading text, a graphic), the screen is photographed with the
// focus on an option, a true/false button, a word and the graphic's cross,
// and, with the test window open, the accessibility tree is listed by
// scripts/atspi-dump.py. Run by scripts/keyboard-check.sh.
// Usage: keyboardshots DEMO_FOLDER DOCS_FOLDER DUMP_SCRIPT

#include "player/form1.h"
#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"

#include "support/recordingplatform.h"
#include "support/testsupport.h"
#include "ui/programstyle.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

QString docs;

void key(int key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget *target = QApplication::focusWidget())
        QTest::keyClick(target, Qt::Key(key), modifiers);
    QTest::qWait(30);
}

bool tabTo(const QString &name)
{
    const bool reached = testsupport::tabTo(name);
    if (!reached)
        std::fprintf(stderr, "Tab never reached %s\n", qPrintable(name));
    return reached;
}

// The whole screen, as `import -window root` takes it.
bool shoot(const QString &name)
{
    QTest::qWait(500);
    QProcess import;
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), docs + u'/' + name});
    if (!QTest::qWaitFor([&] { return import.state() == QProcess::NotRunning; }, 20000) || import.exitCode() != 0) {
        std::fprintf(stderr, "import failed for %s\n", qPrintable(name));
        return false;
    }
    return true;
}

// The tree is read from this very process: its event loop must keep
// answering while the script asks.
bool dumpTree(const QString &script)
{
    QProcess dump;
    dump.setProcessChannelMode(QProcess::ForwardedChannels);
    dump.start(QStringLiteral("/usr/bin/python3"), {script, QApplication::applicationName()});
    if (!QTest::qWaitFor([&] { return dump.state() == QProcess::NotRunning; }, 60000))
        return false;
    return dump.exitStatus() == QProcess::NormalExit && dump.exitCode() == 0;
}

void writeBank(const testsupport::ProgramFolder &folder)
{
    folder.remove(QStringLiteral("Preguntas"));
    const auto write = [&](const QString &subject, int n, const QStringList &lines) {
        folder.writeLines(QStringLiteral("Preguntas/Teclat/%1/%2.txt").arg(subject).arg(n),
                          QStringList{lines[0], QStringLiteral("Mestra")} + lines.mid(1));
    };
    QImage graphic(360, 240, QImage::Format_RGB32);
    graphic.fill(QColor(250, 250, 235));
    QPainter painter(&graphic);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(40, 40, 120, 120);
    painter.drawRect(200, 60, 120, 120);
    painter.end();
    graphic.save(folder.file(QStringLiteral("Graficos/formes.png")));
    folder.writeLines(QStringLiteral("textos/riu.txt"),
                      {QStringLiteral("El riu baixa ple després de la pluja,"),
                       QStringLiteral("i la barca del pescador dorm a la riba.")});
    for (int n = 1; n <= 3; ++n) {
        write(QStringLiteral("Opcions"), n,
              {QStringLiteral(" 1 "), QStringLiteral("Quin animal és un mamífer?"), QStringLiteral("El tauró"),
               QStringLiteral("El dofí "), QStringLiteral("La serp")});
        write(QStringLiteral("Vertader o fals"), n,
              {QStringLiteral(" 6 "), QStringLiteral("Les balenes són peixos."), QStringLiteral("FALSO")});
        write(QStringLiteral("Lectura"), n,
              {QStringLiteral(" 5 "), QStringLiteral("riu.txt"), QStringLiteral("Qui dorm a la riba?"), QStringLiteral("barca")});
        write(QStringLiteral("Gràfic"), n,
              {QStringLiteral(" 4 "), QStringLiteral("formes.png"), QStringLiteral("Marca el cercle."),
               QStringLiteral("100"), QStringLiteral("100")});
    }
}

// Shows the first question of test `k` from the keyboard.
bool openTest(player::Form3 *w, int k)
{
    if (!tabTo(ui::memberName(QStringLiteral("Command1"), k)))
        return false;
    key(Qt::Key_Space);
    if (!tabTo(ui::memberName(QStringLiteral("List1"), k)))
        return false;
    key(Qt::Key_Home);
    return w->shown.questionType != bank::QuestionType::None;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BRENLOQ"));
    ui::useProgramStyle();
    if (argc < 4)
        return 2;
    docs = QString::fromLocal8Bit(argv[2]);
    const QString dumpScript = QString::fromLocal8Bit(argv[3]);
    testsupport::ProgramFolder folder(false);
    testsupport::copyTree(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), folder.path());
    writeBank(folder);
    auto &platform = ui::installRecordingPlatform();
    platform.folder = folder.path();
    player::state().programFolder = folder.path();
    platform.system = folder.path() + QStringLiteral("/system");
    QDir().mkpath(platform.system);

    auto *start = new player::Form1;
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    start->activateWindow();
    if (!QTest::qWaitForWindowActive(start))
        return 1;
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Anna"));
    key(Qt::Key_Return);
    player::Form2 *selection = start->form2();
    if (!selection || !QTest::qWaitForWindowActive(selection))
        return 1;
    key(Qt::Key_Space); // the only course
    for (int k = 0; k < selection->subjectCount; ++k) {
        if (!tabTo(ui::memberName(QStringLiteral("Check1"), k)))
            return 1;
        key(Qt::Key_Space);
    }
    if (!tabTo(QStringLiteral("Command1")))
        return 1;
    shoot(QStringLiteral("keyboard-selection.png"));
    key(Qt::Key_Space);

    player::Form3 *w = nullptr;
    const bool opened = QTest::qWaitFor([&] { return (w = player::Form3::open()) != nullptr; });
    if (!opened || !QTest::qWaitForWindowActive(w))
        return 1;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    int failures = 0;
    for (int k = 0; k < w->testCount(); ++k) {
        if (!openTest(w, k)) {
            ++failures;
            continue;
        }
        switch (w->shown.questionType) {
        case bank::QuestionType::MultipleChoice: {
            // Onto the options, the second chosen by the arrow.
            QString first;
            for (int i = 0; i < 8 && first.isEmpty(); ++i)
                first = w->Label3(w->optionOrder[i])->isHidden() ? QString() : w->Label3(w->optionOrder[i])->objectName();
            failures += !tabTo(first);
            key(Qt::Key_Down);
            failures += !shoot(QStringLiteral("keyboard-option.png"));
            failures += !dumpTree(dumpScript);
            break;
        }
        case bank::QuestionType::TrueFalse:
            failures += !tabTo(QStringLiteral("Command5(0)"));
            failures += !shoot(QStringLiteral("keyboard-truefalse.png"));
            break;
        case bank::QuestionType::ReadingWord:
            failures += !tabTo(QStringLiteral("Text2"));
            for (int i = 0; i < 9; ++i)
                key(Qt::Key_Right);
            failures += !shoot(QStringLiteral("keyboard-word.png"));
            break;
        case bank::QuestionType::GraphicPoint:
            failures += !tabTo(QStringLiteral("graphic"));
            for (int i = 0; i < 3; ++i)
                key(Qt::Key_Left, Qt::ShiftModifier);
            failures += !shoot(QStringLiteral("keyboard-cross.png"));
            key(Qt::Key_Space);
            failures += !shoot(QStringLiteral("keyboard-cross-marked.png"));
            break;
        default:
            ++failures;
        }
    }
    delete w;
    delete selection;
    return failures == 0 ? 0 : 1;
}
