// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testlayout.h"

#include "ui/controls.h"

#include <algorithm>

namespace player {

namespace {

// A length in twips as a widget keeps it: whole pixels.
int snapped(double twips)
{
    return ui::twips(ui::px(twips));
}

int leftOf(const QRect &r) { return ui::twips(r.x()); }
int topOf(const QRect &r) { return ui::twips(r.y()); }
int widthOf(const QRect &r) { return ui::twips(r.width()); }
int heightOf(const QRect &r) { return ui::twips(r.height()); }
int rightOf(const QRect &r) { return leftOf(r) + widthOf(r); }
int bottomOf(const QRect &r) { return topOf(r) + heightOf(r); }

void setLeft(QRect &r, double left) { r.moveLeft(ui::px(left)); }
void setTop(QRect &r, double top) { r.moveTop(ui::px(top)); }
void setWidth(QRect &r, double width) { r.setWidth(std::max(0, ui::px(width))); }

} // namespace

TestWindowLayout testWindowLayout(QSize screen, int tests)
{
    TestWindowLayout l;
    const int screenWidth = ui::twips(screen.width());
    const int screenHeight = ui::twips(screen.height());

    // The top row.
    l.resultsButton = ui::rectTwips(3900, 120, 1800, 500);
    l.creditsButton = ui::rectTwips(5760, 120, 600, 500);
    l.quitButton = ui::rectTwips(6420, 120, 1500, 500);
    for (int i = 0; i < 2; ++i) {
        l.reportButtons[i] = ui::rectTwips(8040 + i * 560, 120, 500, 500);
        l.clock[i] = ui::rectTwips(9400 + i * 2400, 160, 2300, 460);
    }

    // The left column: subject buttons 25 twips apart, the counters under the
    // last one, and the lists down to 1050 twips above the screen's bottom.
    // When one column of buttons leaves the list fewer than five rows, the
    // buttons go two to a row, each half as wide.
    const auto placeButtons = [&l, tests](int columns) {
        l.subjectButtons.clear();
        const int width = (3600 - (columns - 1) * 25) / columns;
        QRect button = ui::rectTwips(120, 120, width, 560);
        for (int k = 0; k < std::max(tests, 1); ++k) {
            const int column = k % columns;
            if (k > 0 && column == 0)
                setTop(button, bottomOf(button) + 25);
            setLeft(button, 120 + column * (width + 25));
            l.subjectButtons.append(button);
        }
        return bottomOf(l.subjectButtons.last());
    };
    constexpr int kFiveRows = 5 * 300 + 60; // five rows of the list's font and its border
    int buttonsBottom = placeButtons(1);
    if (tests > 1 && screenHeight - (buttonsBottom + 75 + snapped(560) + 75) - 1050 < kFiveRows)
        buttonsBottom = placeButtons(2);
    const int counterTop = buttonsBottom + 75;
    for (int i = 0; i < 3; ++i)
        l.counters[i] = ui::rectTwips(120 + i * 1225, counterTop, 1150, 560);
    const int listTop = bottomOf(l.counters[0]) + 75;
    l.questionList = ui::rectTwips(120, listTop, 3600, screenHeight - listTop - 1050);
    l.authorLine = ui::rectTwips(120, bottomOf(l.questionList) + 200, 3600, 600);

    // The answer frames fill the window under the top row, from the results
    // button to 100 twips short of the right edge and 1050 of the bottom.
    const int frameLeft = leftOf(l.resultsButton);
    const int frameTop = bottomOf(l.resultsButton);
    l.answerFrame = ui::rectTwips(frameLeft, frameTop, screenWidth - frameLeft - 100, screenHeight - frameTop - 1050);
    const QRect &frame = l.answerFrame;
    const int frameWidth = widthOf(frame);
    const int frameHeight = heightOf(frame);

    // Under the frames: the confirm button, the feedback picture beside it,
    // and the help and error lines beside that, to 200 twips short of the
    // right edge.
    l.confirmButton = ui::rectTwips(leftOf(frame), bottomOf(frame) + 10, 2400, 600);
    l.feedbackPicture = ui::rectTwips(rightOf(l.confirmButton) + 25, topOf(l.confirmButton), 960, 960);
    l.helpLine = ui::rectTwips(rightOf(l.feedbackPicture) + 250, topOf(l.confirmButton) + 60, 6000, 460);
    setWidth(l.helpLine, screenWidth - leftOf(l.helpLine) - 200);
    l.errorLine = ui::rectTwips(leftOf(l.helpLine), bottomOf(l.helpLine), widthOf(l.helpLine), snapped(460));

    // The credits, centred in their frame.
    l.creditsPanel = ui::rectTwips(0, 0, 7200, 3600);
    setLeft(l.creditsPanel, (frameWidth - widthOf(l.creditsPanel)) / 2);
    setTop(l.creditsPanel, (frameHeight - heightOf(l.creditsPanel)) / 2);
    for (int i = 0; i < 5; ++i)
        l.creditsLines[i] = ui::rectTwips(200, 240 + i * 640, 6800, 560);

    // Multiple choice: the statement, eight options 100 twips apart, and the
    // attachment button at the right.
    l.choiceStatement = ui::rectTwips(400, 200, frameWidth - 800, 800);
    QRect option = ui::rectTwips(snapped(400), bottomOf(l.choiceStatement) + 200, frameWidth - 800, 600);
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            setTop(option, bottomOf(option) + 100);
        l.options[i] = option;
    }
    l.attachmentButton = ui::rectTwips(frameWidth - 800, 100, 600, 600);

    // The typed answers: statements to 250 twips short of the frame's edge,
    // boxes at most 9000 twips wide, the written one centred.
    const int statementWidth = frameWidth - snapped(400) - 250;
    const int boxWidth = std::min(9000, frameWidth - 800);
    l.writtenStatement = ui::rectTwips(400, 400, statementWidth, 1600);
    l.writtenBox = ui::rectTwips(0, 3150, boxWidth, 1100);
    setLeft(l.writtenBox, (frameWidth - widthOf(l.writtenBox)) / 2);
    l.writtenCaption = ui::rectTwips(leftOf(l.writtenBox), 2700, 6000, 400);
    l.pictureStatement = ui::rectTwips(400, 200, statementWidth, 1000);
    l.pictureCaption = ui::rectTwips(400, 5000, 6000, 400);
    l.pictureBox = ui::rectTwips(400, 5500, boxWidth, 1000);
    l.graphicStatement = ui::rectTwips(400, 200, statementWidth, 800);

    // The reading text, centred: half the frame's height and two thirds of
    // its width, with a little more of each; its caption above, the
    // statement and the chosen word under it.
    const int textHeight = frameHeight / 2 + 250;
    const int textWidth = (frameWidth / 3) * 2 + 350;
    l.readingText = ui::rectTwips((frameWidth - textWidth) / 2, (frameHeight - textHeight) / 2, textWidth, textHeight);
    const QRect &text = l.readingText;
    l.readingCaption = ui::rectTwips(leftOf(text) + 200, topOf(text) - snapped(400) - 200, textWidth - 200, 400);
    l.readingStatement = ui::rectTwips(leftOf(text), bottomOf(text) + 150, textWidth, 700);
    l.readingWord = ui::rectTwips(leftOf(text), bottomOf(l.readingStatement) + 50, textWidth, 500);

    // True or false: the word chosen centred under the statement, the two
    // buttons side by side in the middle under it.
    l.trueFalseStatement = ui::rectTwips(300, 300, frameWidth - 600, 2500);
    l.trueFalseWord = ui::rectTwips(0, bottomOf(l.trueFalseStatement) + 500, 6000, 700);
    setLeft(l.trueFalseWord, (frameWidth - widthOf(l.trueFalseWord)) / 2);
    const int buttonWidth = snapped(2800);
    const int buttonsLeft = (frameWidth - 2 * buttonWidth) / 2;
    const int buttonsTop = bottomOf(l.trueFalseWord) + 300;
    l.trueFalseButtons[0] = ui::rectTwips(buttonsLeft, buttonsTop, 2800, 900);
    l.trueFalseButtons[1] = ui::rectTwips(buttonsLeft + buttonWidth, buttonsTop, 2800, 900);
    return l;
}

} // namespace player
