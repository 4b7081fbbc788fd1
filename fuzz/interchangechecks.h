// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzzers expect of the GIFT, Moodle XML and Aiken readers: they
// never crash, and what they give is something the bank can hold: a type
// 1 to 6, at most eight options, one-line fields, and category and file
// names that cannot lead out of the folder they are written into.

#include "interchange/interchange.h"

#include <QString>

#include "expect.h"

namespace fuzzchecks {

inline bool oneLine(const QString &field)
{
    return !field.contains(u'\r') && !field.contains(u'\n');
}

inline bool safeName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && !name.startsWith(u'.');
}

inline QString checkParsed(const interchange::Parsed &parsed)
{
    if (!parsed.failure.isEmpty())
        BRENLOQ_EXPECT(parsed.items.isEmpty() && parsed.skipped.isEmpty());
    for (const interchange::Item &item : parsed.items) {
        const bank::Question &q = item.question;
        BRENLOQ_EXPECT(bank::isQuestionType(q.type));
        BRENLOQ_EXPECT(q.options.size() <= 8);
        BRENLOQ_EXPECT(oneLine(q.author) && oneLine(q.statement) && oneLine(q.answer));
        for (const QString &option : q.options)
            BRENLOQ_EXPECT(oneLine(option) && !option.isEmpty());
        if (q.type == bank::QuestionType::MultipleChoice) {
            int right = 0;
            for (const QString &option : q.options)
                right += bank::isCorrectOption(option) ? 1 : 0;
            BRENLOQ_EXPECT(right == 1);
        }
        for (const QString &folder : item.category)
            BRENLOQ_EXPECT(safeName(folder));
    }
    for (const interchange::Skipped &s : parsed.skipped)
        BRENLOQ_EXPECT(!s.kind.isEmpty() && !s.reason.isEmpty());
    return {};
}

inline QString checkGift(const QByteArray &bytes)
{
    return checkParsed(interchange::parse(bytes, interchange::Format::Gift));
}

inline QString checkMoodleXml(const QByteArray &bytes)
{
    return checkParsed(interchange::parse(bytes, interchange::Format::MoodleXml));
}

inline QString checkAiken(const QByteArray &bytes)
{
    return checkParsed(interchange::parse(bytes, interchange::Format::Aiken));
}

} // namespace fuzzchecks

#undef BRENLOQ_EXPECT
