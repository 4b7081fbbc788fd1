// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves N numbered questions into a folder; run twice at once by the writer
// test to show that concurrent editors never share a number.
#include "bank/atomicfile.h"
#include "bank/question.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString folder = args[1];
    bank::testing::refuseHardLinks(args.value(4) == u"--no-hard-links");
    const int count = args[2].toInt();
    bank::Question q;
    q.type = bank::QuestionType::WrittenAnswer;
    for (int i = 0; i < count; ++i) {
        q.statement = args[3] + QString::number(i);
        q.answer = QStringLiteral("x");
        if (!bank::saveNewQuestion(folder, q).ok)
            return 1;
    }
    return 0;
}
