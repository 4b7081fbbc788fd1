// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview.h"

#include "bank/question.h"

#include <QCoreApplication>

namespace editor {

QString optionCaption(int index, const QString &text)
{
    return QString::number(index + 1) + QStringLiteral(". ") + text;
}

Verdict judgeChoice(const QStringList &captions, int chosen)
{
    Verdict verdict;
    const QString caption = captions.value(chosen);
    if (bank::isCorrectOption(caption)) {
        verdict.correct = true;
        verdict.text = caption;
        return verdict;
    }
    for (const QString &other : captions) {
        if (bank::isCorrectOption(other))
            verdict.text = QCoreApplication::translate("editor", "LA RESPUESTA CORRECTA ES : ") + other;
    }
    return verdict;
}

} // namespace editor
