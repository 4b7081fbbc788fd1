// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks a program folder before class: everything the quiz player would
// stumble on while a pupil answers, found by the player's own readers,
// folder rules and judging rules, and told in the words of its error lines.
// Nothing is ever written.

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace checker {

// One problem: where (relative to the program folder, "/" between
// components) and what, in Catalan as the player's error lines.
struct Problem {
    QString path;
    QString message;
};

struct Summary {
    int courses = 0;
    int subjects = 0;
    int questionFolders = 0;
    std::array<int, 7> questions{}; // by type code 1..6
    int notQuestions = 0;           // files drawn that are no question
    int problems = 0;

    int questionCount() const;
};

enum Status { NoProblem = 0, ProblemsFound = 1, CannotCheck = 2 };

struct Outcome {
    Status status = NoProblem;
    QString failure; // why the folder could not be checked at all
    Summary summary;
};

using ProblemSink = std::function<void(const Problem &)>;
// The question files read so far and the folder being read.
using ProgressSink = std::function<void(int filesRead, const QString &folder)>;

// Question files read at once. On a school share each open and read waits
// one round trip to the server, not on the processor, so the time falls
// with the reads in flight: over a 2.8 ms round trip 8,000 questions took
// 117 s one at a time, 12 s with 8, 6.7 s with 16 and 3.9 s with 32, where
// the walk through the folders, one listing after another, is what is
// left (64 gave no more). On a local disk the threads cost a few tenths of
// a second at most.
inline constexpr int kReadsInFlight = 32;

// Checks the program folder `programFolder`, giving each problem to
// `problem` in the order of the player's folder lists, and on this thread
// as the sinks are called: only the reading of question files is spread
// over `readsInFlight` threads (1: one after another), never the order or
// the content of what is told.
Outcome checkProgramFolder(const QString &programFolder, const ProblemSink &problem,
                           const ProgressSink &progress = {}, int readsInFlight = kReadsInFlight);

// The closing lines: courses, subjects, questions of each type, problems.
QStringList summaryLines(const Summary &summary);

// The words of a reading text a click can choose: each run between
// separators, as the word rule takes it at a caret just after a separator.
QStringList clickableWords(const QString &text);

} // namespace checker
