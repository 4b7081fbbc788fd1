// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/programstyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
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
    void focusRingStandsOut_data();
    void focusRingStandsOut();
};

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

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

// The back colours the player gives its buttons: the true and false
// buttons, the verdict colours of the confirm button, the pale frame.
void TstProgramStyle::focusRingStandsOut_data()
{
    QTest::addColumn<QColor>("back");
    QTest::newRow("true button") << QColor(0, 90, 170);
    QTest::newRow("false button") << QColor(180, 30, 0);
    QTest::newRow("right, blue") << QColor(0, 0, 255);
    QTest::newRow("wrong, red") << QColor(255, 0, 0);
    QTest::newRow("open, green") << QColor(0, 255, 0);
    QTest::newRow("pale frame") << QColor(255, 224, 192);
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("black") << QColor(Qt::black);
}

void TstProgramStyle::focusRingStandsOut()
{
    QFETCH(QColor, back);
    ui::ProgramStyle style;
    QPushButton button(QStringLiteral("Verdader"));
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, back);
    palette.setColor(QPalette::Window, back);
    button.setPalette(palette);
    button.resize(160, 48);
    const auto draw = [&](QStyle::State extra) {
        QImage image(button.size(), QImage::Format_RGB32);
        image.fill(back);
        QPainter painter(&image);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        option.state |= extra;
        style.drawControl(QStyle::CE_PushButton, &option, &painter, &button);
        return image;
    };
    const QImage plain = draw({});
    const QImage byMouse = draw(QStyle::State_HasFocus);
    const QImage byKey = draw(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
    // A click gives no ring.
    QCOMPARE(byMouse, plain);
    // By a key: on each side of the button a ring pixel at 3:1 or more
    // against the button's colour.
    const QPoint middle(button.width() / 2, button.height() / 2);
    const QList<QPair<QPoint, QPoint>> sides = {{QPoint(0, middle.y()), QPoint(1, 0)},
                                                {QPoint(button.width() - 1, middle.y()), QPoint(-1, 0)},
                                                {QPoint(middle.x(), 0), QPoint(0, 1)},
                                                {QPoint(middle.x(), button.height() - 1), QPoint(0, -1)}};
    for (const auto &[start, step] : sides) {
        double best = 1;
        for (QPoint p = start; p != start + 12 * step; p += step) {
            if (byKey.pixel(p) != plain.pixel(p))
                best = std::max(best, contrast(QColor(byKey.pixel(p)), back));
        }
        QVERIFY2(best >= 3, qPrintable(QStringLiteral("best %1 from (%2, %3)").arg(best).arg(start.x()).arg(start.y())));
    }
}

QTEST_MAIN(TstProgramStyle)
#include "tst_programstyle.moc"
