// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzzers expect of the readers, as plain functions: each takes the
// bytes of a file and returns "" when every expectation holds, else the one
// that failed. The libFuzzer harnesses stop on a failure (so the input is
// kept); tests/bank/tst_badinput.cpp replays the kept inputs through them.

#include "bank/languagefile.h"
#include "bank/numeric.h"
#include "bank/question.h"
#include "bank/sessionrecord.h"
#include "bank/textcodec.h"
#include "bank/wordrule.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>

#include "expect.h"

namespace fuzzchecks {

inline bool sameCoordinate(double read, double again)
{
    if (!std::isfinite(read))
        return true; // a number too long for a double is not a pixel anyway
    if (read == again)
        return true;
    return std::fabs(read - again) <= 1e-9 + std::fabs(read) * 1e-13;
}

// The options as the writer writes them: up to the first empty one.
inline QStringList writtenOptions(const QStringList &options)
{
    QStringList kept;
    for (const QString &option : options) {
        if (option.isEmpty())
            break;
        kept << option;
    }
    return kept;
}

// The question file reader never crashes, gives lines without line breaks,
// and a question it reads that the writer accepts reads back the same.
inline QString checkQuestionFile(const QByteArray &bytes)
{
    const QStringList lines = bank::splitQuestionLines(bank::decodeText(bytes));
    for (const QString &line : lines)
        BRENLOQ_EXPECT(!line.contains(u'\r') && !line.contains(u'\n'));

    // The reader the player, the editor and the bank checker call.
    const bank::QuestionRead file = bank::readQuestionBytes(bytes);
    BRENLOQ_EXPECT(file.lineCount == lines.size());
    BRENLOQ_EXPECT(file.holdsNul == bank::decodeText(bytes).contains(QChar(0)));
    BRENLOQ_EXPECT(file.question.options.size() <= 8);
    if (file.error != bank::ReadError::None)
        return {};
    const bank::Question &read = file.question;
    BRENLOQ_EXPECT(bank::isQuestionType(read.type));
    if (read.type == bank::QuestionType::MultipleChoice) {
        BRENLOQ_EXPECT(!read.options.isEmpty() && read.options.size() <= 8);
        BRENLOQ_EXPECT(read.attachment.isEmpty() || read.options.size() <= 7);
    }

    QByteArray written;
    QString refusal;
    if (!bank::encodeQuestion(read, written, &refusal)) {
        BRENLOQ_EXPECT(!refusal.isEmpty());
        return {};
    }
    BRENLOQ_EXPECT(written.endsWith("\r\n"));
    // Windows-1252 text that happens to be valid UTF-8 is read as UTF-8: a
    // limit of telling the two apart, not of the writer.
    const QString text = bank::decodeText(written);
    if (text != bank::decodeWindows1252(written))
        return {};

    const bank::QuestionRead back = bank::readQuestionBytes(written);
    BRENLOQ_EXPECT(back.ok());
    const bank::Question &again = back.question;
    BRENLOQ_EXPECT(again.type == read.type);
    BRENLOQ_EXPECT(again.author == read.author);
    BRENLOQ_EXPECT(again.statement == read.statement);
    BRENLOQ_EXPECT(again.options == writtenOptions(read.options));
    BRENLOQ_EXPECT(again.attachment == read.attachment);
    BRENLOQ_EXPECT(again.fileName == read.fileName);
    BRENLOQ_EXPECT(again.answer == read.answer);
    BRENLOQ_EXPECT(again.isTrue == read.isTrue);
    BRENLOQ_EXPECT(sameCoordinate(read.x, again.x));
    BRENLOQ_EXPECT(sameCoordinate(read.y, again.y));
    return {};
}

inline QStringList readAll(bank::LineReader reader)
{
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    return lines;
}

// The text with every line end made `end` and a final one dropped.
inline QString normalised(QString text, bool lineFeedEndsLine, QChar end)
{
    text.replace(QStringLiteral("\r\n"), QString(end));
    text.replace(u'\r', end);
    if (lineFeedEndsLine)
        text.replace(u'\n', end);
    if (text.endsWith(end))
        text.chop(1);
    return text;
}

// The language file reader, read the way the windows read it (through one
// shared buffer), and the question-file line rule beside it: the lines put
// back together give the text again.
inline QString checkLanguageFile(const QByteArray &bytes)
{
    const QString text = bank::decodeText(bytes);

    bank::LineReader principal = bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOnly);
    BRENLOQ_EXPECT(principal.exists());
    BRENLOQ_EXPECT(principal.isEmpty() == bytes.isEmpty());
    BRENLOQ_EXPECT(principal.holdsNul() == text.contains(QChar(0)));
    // Thirteen captions through one buffer; a missing line repeats the last.
    bank::LineBuffer buffer;
    QString previous;
    for (int i = 0; i < 13; ++i) {
        const bool read = principal.readLine(buffer);
        BRENLOQ_EXPECT(read || buffer.text == previous);
        BRENLOQ_EXPECT(!buffer.text.contains(u'\r'));
        previous = buffer.text;
    }

    const QChar mark(0xE000);
    const QStringList language = readAll(bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOnly));
    // A file without any CR, saved by a Linux editor, ends its lines at LF.
    const bool lineFeedsOnly = !text.contains(u'\r');
    BRENLOQ_EXPECT(language == (lineFeedsOnly ? bank::splitQuestionLines(text) : bank::splitLines(text)));
    if (!text.contains(mark) && !language.isEmpty())
        BRENLOQ_EXPECT(language.join(mark) == normalised(text, lineFeedsOnly, mark));

    const QStringList question = readAll(bank::LineReader::fromBytes(bytes, bank::LineEnds::CrOrLf));
    BRENLOQ_EXPECT(question == bank::splitQuestionLines(text));
    if (!text.contains(mark) && !question.isEmpty())
        BRENLOQ_EXPECT(question.join(mark) == normalised(text, true, mark));
    BRENLOQ_EXPECT(question.size() >= language.size());
    return {};
}

// Windows-1252 and UTF-8 decoding: every byte survives a Windows-1252 round
// trip, a text taken as UTF-8 really is UTF-8, and numbers and words read
// from decoded text stay in range.
inline QString checkTextCodec(const QByteArray &bytes)
{
    const QString windows = bank::decodeWindows1252(bytes);
    BRENLOQ_EXPECT(windows.size() == bytes.size());
    QByteArray encoded;
    BRENLOQ_EXPECT(bank::encodeWindows1252(windows, encoded));
    BRENLOQ_EXPECT(encoded == bytes);

    const QString text = bank::decodeText(bytes);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE")
        || bytes.startsWith("\xFE\xFF");
    if (!bom && text != windows) {
        BRENLOQ_EXPECT(text.toUtf8() == bytes);
        QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString checked = strict.decode(bytes);
        BRENLOQ_EXPECT(!strict.hasError() && checked == text);
    }

    QByteArray again;
    if (bank::encodeWindows1252(text, again))
        BRENLOQ_EXPECT(bank::decodeWindows1252(again) == text);

    const double value = bank::numericValue(text);
    BRENLOQ_EXPECT(!std::isnan(value));
    BRENLOQ_EXPECT(!bank::numberText(value).isEmpty());

    const int length = static_cast<int>(text.size());
    for (int position : {-1, 0, length / 2, length, length + 1}) {
        const bank::WordRange range = bank::wordRangeAt(text, position);
        BRENLOQ_EXPECT(range.start >= 0 && range.length >= 0 && range.start + range.length <= length);
        BRENLOQ_EXPECT(!bank::wordAt(text, position).contains(u' '));
    }
    return {};
}

// A record read is one a session can give, and writing it again and reading
// that back gives the same figures.
inline QString checkSessionRecord(const QByteArray &bytes)
{
    const std::optional<bank::SessionRecord> read = bank::readSessionRecord(bytes);
    if (!read)
        return {};
    BRENLOQ_EXPECT(read->tests.size() <= 16);
    for (const bank::RecordedTest &t : read->tests) {
        BRENLOQ_EXPECT(t.right >= 0 && t.wrong >= 0 && t.blank >= 0 && t.right + t.wrong + t.blank <= 100);
        BRENLOQ_EXPECT(t.questions.size() <= 100);
    }
    const std::optional<bank::SessionRecord> again = bank::readSessionRecord(bank::sessionRecordBytes(*read));
    BRENLOQ_EXPECT(again);
    BRENLOQ_EXPECT(again->tests.size() == read->tests.size());
    BRENLOQ_EXPECT(again->pupil == read->pupil && again->course == read->course);
    for (qsizetype k = 0; k < read->tests.size(); ++k) {
        const bank::RecordedTest &a = read->tests[k], &b = again->tests[k];
        BRENLOQ_EXPECT(a.subject == b.subject && a.option == b.option && a.mark == b.mark);
        BRENLOQ_EXPECT(a.right == b.right && a.wrong == b.wrong && a.blank == b.blank);
        BRENLOQ_EXPECT(a.questions.size() == b.questions.size());
    }
    return {};
}

} // namespace fuzzchecks

#undef BRENLOQ_EXPECT
