// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testkeys.h"

#include "form3.h"

#include "ui/controls.h"
#include "ui/focuschain.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace player {

namespace {

// The number the window puts before an option's text: "2. text".
const QRegularExpression kNumbered(QStringLiteral("^([1-8])\\. (.*)$"), QRegularExpression::DotMatchesEverythingOption);

} // namespace

OptionKeys::OptionKeys(QWidget *choiceFrame)
    : QObject(choiceFrame)
    , frame(choiceFrame)
{
    frame->installEventFilter(this);
}

bool OptionKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Keys an option or the attachment button leave unused come up to the
    // frame.
    if (watched != frame || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier || key->key() < Qt::Key_1 || key->key() > Qt::Key_8)
        return false;
    const QString digit = QString::number(key->key() - Qt::Key_0);
    for (ui::ClickLabel *option : frame->findChildren<ui::ClickLabel *>(Qt::FindDirectChildrenOnly)) {
        const QRegularExpressionMatch match = kNumbered.match(option->text());
        if (option->isVisibleTo(frame) && option->isEnabled() && match.hasMatch() && match.captured(1) == digit) {
            option->setFocus(Qt::TabFocusReason);
            option->click();
            return true;
        }
    }
    return false;
}

QString optionAccessibleName(const QString &shownText)
{
    const QRegularExpressionMatch match = kNumbered.match(shownText);
    if (!match.hasMatch())
        return shownText;
    // No language file names the option; a built-in word.
    return QCoreApplication::translate("player::Form3", "Opció %1: %2").arg(match.captured(1), match.captured(2));
}

void prepareTestWindowKeys(Form3 *w)
{
    new OptionKeys(w->frame(bank::QuestionType::MultipleChoice));
    // As laid out: the left column top to bottom, then the top row left to
    // right, the answer area and the confirm button.
    QList<QWidget *> order;
    for (int k = 0; k < w->testCount(); ++k)
        order.append(w->Command1(k));
    for (int k = 0; k < w->testCount(); ++k)
        order.append(w->List1(k));
    order << w->Command6[TopButton::Results] << w->Command6[TopButton::Credits] << w->Command6[TopButton::Quit]
          << w->Command7[ReportButton::Transcript] << w->Command7[ReportButton::Report];
    for (int i = 0; i < w->Label3.count(); ++i)
        order.append(w->Label3(i));
    order << w->Command4 << w->RichTextBox1 << w->RichTextBox2 << w->graphic << w->Text2
          << w->Command5[TrueFalseButton::SaysTrue] << w->Command5[TrueFalseButton::SaysFalse] << w->Command2;
    ui::chainFocus(order);
    ui::nameControl(w->graphic, QStringLiteral("graphic"), QCoreApplication::translate("player::Form3", "Gràfic"));
    w->Label17[ClockLabel::Countdown]->setAccessibleName(w->Label17[ClockLabel::Allowed]->text());
}

void nameOptions(Form3 *w)
{
    // Tab, like the arrows, takes the options in the order they are drawn.
    QList<QWidget *> order{w->Command7[ReportButton::Report]};
    for (int i = 0; i < w->Label3.count(); ++i) {
        ui::ClickLabel *option = w->Label3(w->optionOrder[i]);
        option->setAccessibleName(optionAccessibleName(option->text()));
        order.append(option);
    }
    order.append(w->Command4);
    ui::chainFocus(order);
}

void describeVerdict(Form3 *w, bool right)
{
    w->Command2->setAccessibleDescription(right ? w->files.texts.right : w->files.texts.wrong);
}

void describeClock(QLabel *countdown)
{
    countdown->setAccessibleDescription(countdown->text());
}

} // namespace player
