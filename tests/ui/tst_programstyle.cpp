#include "ui/programstyle.h"

#include <QGroupBox>
#include <QStyleFactory>
#include <QTest>

#include <memory>

// Group box frames are drawn by hand instead of from Fusion's picture: they
// must still look like Fusion's, in the same place, whatever the title.
class TstProgramStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupBoxFrameAsFusionDrawsIt_data();
    void groupBoxFrameAsFusionDrawsIt();
};

void TstProgramStyle::groupBoxFrameAsFusionDrawsIt_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("titled") << QStringLiteral("Opció múltiple") << false << 0;
    QTest::newRow("without a title: the frame starts higher") << QString() << false << 0;
    QTest::newRow("checkable") << QString() << true << 0;
    QTest::newRow("large bold caption, as the editor's panels") << QStringLiteral("Verdadero o falso")
                                                                << false << 14;
}

void TstProgramStyle::groupBoxFrameAsFusionDrawsIt()
{
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(int, pointSize);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::ProgramStyle ours;
    QImage drawn[2];
    QStyle *styles[2] = {fusion.get(), &ours};
    for (int i = 0; i < 2; ++i) {
        QGroupBox box(title);
        box.setCheckable(checkable);
        if (pointSize) {
            QFont font = box.font();
            font.setPointSize(pointSize);
            font.setBold(true);
            box.setFont(font);
        }
        box.setStyle(styles[i]);
        box.resize(240, 120);
        drawn[i] = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Only the four cut corners may differ by more than a shade.
    int differing = 0;
    for (int y = 0; y < drawn[0].height(); ++y) {
        for (int x = 0; x < drawn[0].width(); ++x) {
            const QRgb a = drawn[0].pixel(x, y);
            const QRgb b = drawn[1].pixel(x, y);
            const int distance = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                           std::abs(qBlue(a) - qBlue(b))});
            differing += distance > 3;
        }
    }
    QVERIFY2(differing <= 16, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

QTEST_MAIN(TstProgramStyle)
#include "tst_programstyle.moc"
