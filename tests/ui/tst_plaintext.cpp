// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

class TstPlainText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textsShownAsWritten_data();
    void textsShownAsWritten();
};

void TstPlainText::textsShownAsWritten_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");
    for (const char *where : {"click label", "click label given its text", "label of a window",
                              "copy of a family's first label", "message box"}) {
        for (const char *text : {"a<b i b>c", "<b>x</b>"})
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(where, text))) << QString(where) << QString(text);
    }
}

void TstPlainText::textsShownAsWritten()
{
    QFETCH(QString, where);
    QFETCH(QString, text);
    QWidget window;
    ui::ControlFamily<QLabel> family;
    QLabel *label = nullptr;
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    if (where == u"click label") {
        label = new ui::ClickLabel(&window);
    } else if (where == u"click label given its text") {
        label = new ui::ClickLabel(text, &window);
    } else if (where == u"label of a window") {
        label = new QLabel(&window);
        ui::showPlainTexts(&window);
    } else if (where == u"copy of a family's first label") {
        family.reset(QStringLiteral("Label1"), new QLabel(&window));
        ui::showPlainTexts(&window);
        label = family.load(1);
    } else {
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                format = box->textFormat();
                shown = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(0);
        ui::DesktopPlatform().message(nullptr, text, QString(), ui::MessageButtons::Ok);
    }
    if (label) {
        label->setText(text);
        format = label->textFormat();
        shown = label->text();
    }
    QCOMPARE(shown, text);
    QVERIFY(laidOutAsWritten(format, shown));
}

QTEST_MAIN(TstPlainText)
#include "tst_plaintext.moc"
