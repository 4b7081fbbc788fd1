#include "form4.h"

#include "form3.h"
#include "playerstate.h"

#include "bank/languagefile.h"

#include <QMouseEvent>

namespace player {

namespace {
const QColor kFailRed(255, 0, 0);
const QColor kPassBlue(0, 0, 255);
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
    ui::setGeometryTwips(line0, 240, 1200, 9120, 420);
    Label2.reset(QStringLiteral("Label2"), line0, [this](ui::ClickLabel *label, int) {
        connect(label, &ui::ClickLabel::clicked, this, &Form4::Form_Click);
    });
    Form_Load();
}

void Form4::Form_Load()
{
    bank::LineReader file = bank::openLanguageFile(state().programFolder, QStringLiteral("Final.txt"));
    QString heading;
    file.readLine(heading);
    Label1->setText(heading);
    Label1->setAccessibleName(heading);
    file.readLine(rightLabel);
    file.readLine(wrongLabel);
    file.readLine(blankLabel);

    const int n = testWindow->testCount() - 1;
    for (int i = 0; i <= n; ++i) {
        if (i > 0) {
            Label2.load(i);
            Label2(i)->move(Label2(i - 1)->x(),
                            ui::px(ui::topTwips(Label2(i - 1)) + ui::heightTwips(Label2(i - 1)) + 25));
            Label2(i)->show();
        }
        TestResult result;
        result.subject = state().subjectName[i];
        result.mark = state().subjectMark[i];
        result.right = state().subjectRight[i];
        result.wrong = state().subjectWrong[i];
        result.questions = testWindow->List1(i)->count();
        const QString line = resultLine(result, rightLabel, wrongLabel, blankLabel);
        Label2(i)->setText(line);
        Label2(i)->setAccessibleName(line);
        ui::setForeColor(Label2(i), isFailingMark(result.mark) ? kFailRed : kPassBlue);
    }
    QLabel *last = Label2(Label2.last());
    ui::setHeightTwips(this, ui::topTwips(last) + ui::heightTwips(last) + 800);
    ui::centreOnScreen(this);
    testWindow->Command6[0]->setEnabled(true);
}

void Form4::Form_Click()
{
    testWindow->show();
    testWindow->raise();
    testWindow->activateWindow();
}

void Form4::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    Form_Click();
}

} // namespace player
