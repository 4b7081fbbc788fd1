// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the benchmarks' program folder: makebank FOLDER [courses subjects options questions]
// and, beside its bank, a folder of 10,000 questions for the editor's save.

#include "bigbank.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // the pictures are drawn with QPainter
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s FOLDER [courses subjects options questions]\n", argv[0]);
        return 2;
    }
    bench::BankShape shape;
    if (argc == 6) {
        shape.courses = std::atoi(argv[2]);
        shape.subjects = std::atoi(argv[3]);
        shape.options = std::atoi(argv[4]);
        shape.questions = std::atoi(argv[5]);
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    QElapsedTimer timer;
    timer.start();
    const qint64 files = bench::makeProgramFolder(root + QStringLiteral("/player"), shape);
    bench::makeProgramFolder(root + QStringLiteral("/editor"), bench::BankShape{0, 0, 0, 0});
    bench::writeQuestions(root + QStringLiteral("/editor/Preguntas/Curs 01/Assignatura 01"), 10000);
    std::printf("%lld question files (%d courses x %d subjects x %d options x %d questions) "
                "and 10000 for the editor, written in %.1f s\n",
                static_cast<long long>(files), shape.courses, shape.subjects, shape.options,
                shape.questions, timer.elapsed() / 1000.0);
    return 0;
}
