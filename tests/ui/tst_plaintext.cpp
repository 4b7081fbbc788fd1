#include "support/testsupport.h"
#include "ui/clicklabel.h"
#include "ui/controls.h"
#include "ui/desktopplatform.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using testsupport::laidOutAsWritten;

namespace {

void addMarkupRows(const QString &prefix)
{
    QTest::newRow(qPrintable(prefix + ": comparison")) << QStringLiteral("Si a<b i b>c, quin és més gran?");
    QTest::newRow(qPrintable(prefix + ": bold tag")) << QStringLiteral("<b>x</b>");
    QTest::newRow(qPrintable(prefix + ": link")) << QStringLiteral("<a href=\"file:///etc\">obre</a>");
}

} // namespace

class TstPlainText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsShowTextAsWritten_data();
    void labelsShowTextAsWritten();
    void messageBoxShowsTextAsWritten_data();
    void messageBoxShowsTextAsWritten();
    void toolTipShowsTextAsWritten_data();
    void toolTipShowsTextAsWritten();
    void deeplyNestedTablesAreShown();
};

void TstPlainText::labelsShowTextAsWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QStringList kinds{"click label", "click label given its text", "label of a window",
                            "copy of a family's first label"};
    const QStringList texts{"a<b i b>c", "<b>x</b>", "<img src=\"/tmp/x.png\">"};
    for (const QString &kind : kinds) {
        for (const QString &text : texts)
            QTest::newRow(qPrintable(kind + ": " + text)) << kind << text;
    }
}

void TstPlainText::labelsShowTextAsWritten()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QWidget window;
    QLabel *label = nullptr;
    ui::ControlFamily<QLabel> family;
    if (kind == u"click label") {
        label = new ui::ClickLabel(&window);
    } else if (kind == u"click label given its text") {
        label = new ui::ClickLabel(text, &window);
    } else if (kind == u"label of a window") {
        label = new QLabel(&window);
        ui::showPlainTexts(&window);
    } else {
        family.reset(QStringLiteral("Label1"), new QLabel(&window));
        ui::showPlainTexts(&window);
        label = family.load(1);
    }
    label->setText(text);
    QCOMPARE(label->text(), text);
    QVERIFY(laidOutAsWritten(label->textFormat(), label->text()));
}

void TstPlainText::messageBoxShowsTextAsWritten_data()
{
    QTest::addColumn<QString>("text");
    addMarkupRows(QStringLiteral("message"));
}

void TstPlainText::messageBoxShowsTextAsWritten()
{
    QFETCH(QString, text);
    ui::DesktopPlatform desktop;
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        format = box->textFormat();
        shown = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    poll.start(0);
    QCOMPARE(desktop.message(nullptr, text, QStringLiteral("Prova"), ui::MessageButtons::YesNo),
             ui::MessageAnswer::Yes);
    QCOMPARE(shown, text);
    QVERIFY(laidOutAsWritten(format, shown));
}

void TstPlainText::toolTipShowsTextAsWritten_data()
{
    QTest::addColumn<QString>("text");
    addMarkupRows(QStringLiteral("tooltip"));
    QTest::newRow("tooltip: plain words") << QStringLiteral("Preguntes per matèria");
    QTest::newRow("tooltip: none") << QString();
}

void TstPlainText::toolTipShowsTextAsWritten()
{
    QFETCH(QString, text);
    QPushButton button;
    ui::setPlainToolTip(&button, text);
    QCOMPARE(testsupport::shownToolTip(button.toolTip()), text);
}

// A question file of nested tables once exhausted the stack in the text layout.
void TstPlainText::deeplyNestedTablesAreShown()
{
    const QString text = QStringLiteral("<table><tr><td>").repeated(20000) + u'x';
    QWidget window;
    window.resize(400, 200);
    auto *label = new QLabel(&window);
    label->setGeometry(0, 0, 400, 200);
    label->setWordWrap(true);
    ui::showPlainTexts(&window);
    label->setText(text);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.grab().isNull());
    QCOMPARE(label->text(), text);
    QVERIFY(laidOutAsWritten(label->textFormat(), label->text()));
}

QTEST_MAIN(TstPlainText)
#include "tst_plaintext.moc"
