#include "player/form2.h"
#include "player/form3.h"
#include "player/form4.h"
#include "player/playerstate.h"
#include "player/session.h"
#include "support/testsupport.h"
#include "ui/recordingplatform.h"
#include <QApplication>
#include <QStyleFactory>
#include <QTest>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    testsupport::ProgramFolder folder;
    auto &p = ui::installRecordingPlatform();
    p.folder = folder.path();
    player::state().programFolder = folder.path();
    player::Form2 f2;
    f2.show();
    f2.Label1_Click(0);
    f2.Check1_Click(0);
    f2.Check1_Click(3);
    f2.grab().save("/tmp/shots/form2.png");
    player::state().selectedSubjectCount = 2;
    auto *f3 = player::startTest(&f2, "Anna", nullptr);
    QTest::qWait(100);
    f3->grab().save("/tmp/shots/form3.png");
    int types[7] = {};
    for (int k = 0; k < f3->testCount(); ++k) {
        f3->Command1_Click(k);
        for (int r = 0; r < f3->List1(k)->count(); ++r) {
            f3->List1(k)->setCurrentRow(r);
            f3->List1_Click(k);
            if (types[f3->questionType]++ == 0) {
                QTest::qWait(50);
                f3->grab().save(QString("/tmp/shots/type%1.png").arg(f3->questionType));
            }
            if (!f3->Label18->text().isEmpty()) qDebug() << "error" << f3->List2[k][r] << f3->Label18->text();
        }
    }
    return 0;
}
