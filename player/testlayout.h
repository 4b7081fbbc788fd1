// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the test window's controls go, from the screen and the number of
// tests alone. The window was designed in twips and keeps every length in
// whole pixels, so each step rounds as a widget would; the rectangles are in
// pixels, those inside an answer frame relative to the frame. The window only
// applies them.

#include <QList>
#include <QRect>
#include <QSize>

#include <array>

namespace player {

struct TestWindowLayout {
    // The left column: one subject button and one question list per test.
    QList<QRect> subjectButtons;             // Command1(k), stacked
    std::array<QRect, 3> counters;           // Command3: wrong, questions, right
    QRect questionList;                      // List1(k), the same for every test
    QRect authorLine;                        // Label4, under the lists

    // The top row.
    QRect resultsButton;                     // Command6(results)
    QRect creditsButton;                     // Command6(credits)
    QRect quitButton;                        // Command6(quit)
    std::array<QRect, 2> reportButtons;      // Command7: transcript, report
    std::array<QRect, 2> clock;              // Label17: time allowed, countdown

    // The answer area, the same for every type (the transcript covers it),
    // and what lies under it.
    QRect answerFrame;                       // Frame1(type), RichTextBox3
    QRect confirmButton;                     // Command2
    QRect feedbackPicture;                   // Gif89a1
    QRect helpLine;                          // Label14
    QRect errorLine;                         // Label18

    // Inside the answer frames.
    QRect creditsPanel;                      // Frame2, centred
    std::array<QRect, 5> creditsLines;       // Label13, inside the panel
    QRect choiceStatement;                   // Label2
    std::array<QRect, 8> options;            // Label3, until a question stacks them in drawn order
    QRect attachmentButton;                  // Command4
    QRect writtenStatement;                  // Label5
    QRect writtenCaption;                    // Label6
    QRect writtenBox;                        // RichTextBox1
    QRect pictureStatement;                  // Label7
    QRect pictureCaption;                    // Label8
    QRect pictureBox;                        // RichTextBox2
    QRect graphicStatement;                  // Label9
    QRect readingCaption;                    // Label12
    QRect readingText;                       // Text2, centred
    QRect readingStatement;                  // Label10
    QRect readingWord;                       // Label11
    QRect trueFalseStatement;                // Label15
    QRect trueFalseWord;                     // Label16
    std::array<QRect, 2> trueFalseButtons;   // Command5: true, false, side by side in the middle
};

// `screen`: the available area of the screen in pixels, which the window
// fills; `tests`: how many tests it holds (at least one).
TestWindowLayout testWindowLayout(QSize screen, int tests);

} // namespace player
