// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "form3.h"

#include "bank/languagefile.h"
#include "ui/focuschain.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace player {

namespace {
const QColor kFailRed(255, 0, 0);
const QColor kPassBlue(0, 0, 255);
constexpr int kLineHeightTwips = 420;
} // namespace

Form4::Form4(Form3 *test)
    : QWidget(nullptr, Qt::Window)
    , testWindow(test)
{
    // Closed by the pupil, it is built afresh from the results next time.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("BRENLOQ 3.0 - brenloq@escoles.cat"));
    ui::setBackColor(this, QColor(255, 252, 240));
    resize(ui::px(9600), ui::px(3000));

    Label1 = new ui::ClickLabel(this);
    ui::nameControl(Label1, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Label1"));
    QFont heading = font();
    heading.setPointSize(18);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignCenter);
    ui::setGeometryTwips(Label1, 240, 240, 9120, 700);
    connect(Label1, &ui::ClickLabel::clicked, this, &Form4::Form_Click);

    auto *line0 = new ui::ClickLabel(this);
    QFont lineFont = font();
    lineFont.setPointSize(12);
    lineFont.setBold(true);
    line0->setFont(lineFont);
    line0->setAlignment(Qt::AlignCenter);
    ui::setForeColor(line0, kPassBlue);
    ui::setGeometryTwips(line0, 240, 1200, 9120, kLineHeightTwips);
    Label2.reset(QStringLiteral("Label2"), line0, [this](ui::ClickLabel *label, int) {
        connect(label, &ui::ClickLabel::clicked, this, &Form4::Form_Click);
    });
    ui::showPlainTexts(this);
    ui::closeOnEscape(this, test);
    Form_Load();
}

void Form4::Form_Load()
{
    bank::LineReader file = bank::openLanguageFile(testWindow->programFolder(), QStringLiteral("Final.txt"));
    QString heading;
    file.readLine(heading);
    Label1->setText(heading);
    Label1->setAccessibleName(heading);
    file.readLine(rightLabel);
    file.readLine(wrongLabel);
    file.readLine(blankLabel);

    const int n = testWindow->testCount() - 1;
    QStringList lines;
    QList<bool> failing;
    for (int i = 0; i <= n; ++i) {
        const TestResult result = testWindow->session().finalResults().value(i);
        lines.append(resultLine(result, rightLabel, wrongLabel, blankLabel));
        failing.append(isFailingMark(result.mark, testWindow->files.markScaleHundredths));
    }
    fitWidth(lines);

    for (int i = 0; i <= n; ++i) {
        if (i > 0) {
            Label2.load(i);
            Label2(i)->move(Label2(i - 1)->x(),
                            ui::px(ui::topTwips(Label2(i - 1)) + ui::heightTwips(Label2(i - 1)) + 25));
            Label2(i)->show();
        }
        ui::ClickLabel *label = Label2(i);
        label->setText(lines[i]);
        label->setAccessibleName(lines[i]);
        ui::setForeColor(label, failing[i] ? kFailRed : kPassBlue);
        const int lineHeight = ui::px(kLineHeightTwips);
        label->resize(label->width(), label->wordWrap()
                                          ? std::max(lineHeight, label->heightForWidth(label->width()))
                                          : lineHeight);
    }
    QLabel *last = Label2(Label2.last());
    ui::setHeightTwips(this, ui::topTwips(last) + ui::heightTwips(last) + 800);
    ui::centreOnScreen(this);
    testWindow->Command6[TopButton::Results]->setEnabled(true);
}

void Form4::fitWidth(const QStringList &lines)
{
    // Long subject names would lose both ends of a centred line: the window
    // grows to the widest line, up to the screen, and a line wider still wraps.
    const QFontMetrics metrics(Label2(0)->font());
    int needed = QFontMetrics(Label1->font()).horizontalAdvance(Label1->text());
    for (const QString &line : lines)
        needed = std::max(needed, metrics.horizontalAdvance(line));
    needed += 2 * metrics.averageCharWidth();

    const int margin = Label2(0)->x();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // Before the first showing the frame is not known yet; leave room for one.
    const int frame = std::max(frameGeometry().width() - width(), 16);
    const int widest = screen ? screen->availableGeometry().width() - frame - 2 * margin : needed;
    const int designed = Label2(0)->width();
    const int width = std::max(designed, std::min(needed, widest));
    Label2(0)->setWordWrap(needed > width);
    if (width == designed)
        return;
    Label1->resize(width, Label1->height());
    Label2(0)->resize(width, Label2(0)->height());
    resize(width + 2 * margin, height());
}

void Form4::Form_Click()
{
    ui::showWithFocus(testWindow);
}

void Form4::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    Form_Click();
}

} // namespace player
