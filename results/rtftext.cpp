// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rtftext.h"

#include "bank/textcodec.h"

#include <QByteArrayView>

#include <array>
#include <string>
#include <vector>

namespace results {

namespace {

// Destinations whose text is no part of the document's body.
bool isSkippedDestination(QByteArrayView word)
{
    static constexpr std::array<const char *, 24> kSkipped = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "generator", "themedata", "datastore",
        "latentstyles", "fldinst"};
    for (const char *skipped : kSkipped) {
        if (word == QByteArrayView(skipped))
            return true;
    }
    return false;
}

// Every byte's character, for text taken one byte at a time.
const QString &windows1252()
{
    static const QString table = [] {
        QByteArray every(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            every[b] = char(b);
        return bank::decodeWindows1252(every);
    }();
    return table;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSpecial(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct GroupState {
    bool skip = false;
    int unicodeFallback = 1; // characters after \uN meant for readers without Unicode
};

class Reader
{
public:
    explicit Reader(const QByteArray &rtf)
        : p(rtf.constData())
        , n(rtf.size())
        , bytes(windows1252())
    {
    }

    RtfText read()
    {
        RtfText out;
        qsizetype i = 0;
        while (i < n && (p[i] == ' ' || p[i] == '\t' || p[i] == '\r' || p[i] == '\n'))
            ++i;
        if (n - i < 5 || QByteArrayView(p + i, 5) != QByteArrayView("{\\rtf")) {
            out.problem = RtfProblem::NotRtf;
            return out;
        }
        bool ended = false;
        while (i < n && !ended)
            i = step(i, ended);
        endParagraph();
        out.paragraphs = std::move(paragraphs);
        if (!ended)
            out.problem = RtfProblem::Unfinished;
        return out;
    }

private:
    // Handles the token at `i`; returns where the next one starts.
    qsizetype step(qsizetype i, bool &ended)
    {
        const char c = p[i];
        if (c == '{') {
            groups.push_back(current);
            groupStart = true;
            pendingSkip = 0;
            return i + 1;
        }
        if (c == '}') {
            groupStart = false;
            pendingSkip = 0;
            if (!groups.empty()) {
                current = groups.back();
                groups.pop_back();
            }
            ended = groups.empty();
            return i + 1;
        }
        if (c == '\r' || c == '\n')
            return i + 1;
        if (c != '\\') {
            // Text comes in runs: take the whole run at once.
            groupStart = false;
            qsizetype j = i;
            for (; j < n && !isSpecial(p[j]); ++j)
                text(bytes[uchar(p[j])]);
            return j;
        }
        if (i + 1 >= n)
            return n;
        const char d = p[i + 1];
        if (isLetter(d))
            return controlWord(i + 1);
        groupStart = false;
        switch (d) {
        case '*':
            current.skip = true;
            return i + 2;
        case '\'': {
            if (i + 3 >= n)
                return n;
            const int high = i + 2 < n ? hexValue(p[i + 2]) : -1;
            const int low = i + 3 < n ? hexValue(p[i + 3]) : -1;
            if (high < 0 || low < 0)
                return i + 2;
            text(bytes[high * 16 + low]);
            return i + 4;
        }
        case '\\':
        case '{':
        case '}':
            text(QChar::fromLatin1(d));
            return i + 2;
        case '~':
            text(QChar(0xA0));
            return i + 2;
        case '_':
            text(QChar(0x2011));
            return i + 2;
        case '\r':
        case '\n':
            if (!current.skip)
                endParagraph();
            return i + 2;
        default:
            return i + 2;
        }
    }

    qsizetype controlWord(qsizetype start)
    {
        qsizetype j = start;
        while (j < n && isLetter(p[j]))
            ++j;
        const QByteArrayView word(p + start, std::min<qsizetype>(j - start, 32));
        bool negative = false;
        bool hasParameter = false;
        long long parameter = 0;
        if (j + 1 < n && p[j] == '-' && isDigit(p[j + 1])) {
            negative = true;
            ++j;
        }
        while (j < n && isDigit(p[j])) {
            hasParameter = true;
            if (parameter < 100000000)
                parameter = parameter * 10 + (p[j] - '0');
            ++j;
        }
        if (negative)
            parameter = -parameter;
        if (j < n && p[j] == ' ')
            ++j;

        const bool destination = groupStart;
        groupStart = false;
        if (destination && isSkippedDestination(word))
            current.skip = true;
        if (current.skip)
            return j;
        if (word == QByteArrayView("uc")) {
            current.unicodeFallback = int(std::clamp<long long>(parameter, 0, 8));
            return j;
        }
        if (pendingSkip > 0) {
            --pendingSkip;
            return j;
        }
        if (word == QByteArrayView("par") || word == QByteArrayView("sect") || word == QByteArrayView("page")
            || word == QByteArrayView("row")) {
            endParagraph();
        } else if (word == QByteArrayView("line")) {
            paragraph += char16_t(QChar::LineSeparator);
        } else if (word == QByteArrayView("tab") || word == QByteArrayView("cell")) {
            paragraph += u'\t';
        } else if (word == QByteArrayView("u") && hasParameter) {
            // Signed 16 bits: -4064 is U+F020.
            paragraph += char16_t(parameter & 0xFFFF);
            pendingSkip = current.unicodeFallback;
        }
        return j;
    }

    void text(QChar c)
    {
        if (current.skip)
            return;
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        paragraph += c.unicode();
    }

    void endParagraph()
    {
        paragraphs.append(QString::fromUtf16(paragraph.data(), qsizetype(paragraph.size())));
        paragraph.clear();
    }

    const char *p;
    qsizetype n;
    std::vector<GroupState> groups;
    GroupState current;
    bool groupStart = false;
    int pendingSkip = 0;
    const QString &bytes;
    std::u16string paragraph; // appended to character by character: no call per character
    QStringList paragraphs;
};

} // namespace

RtfText rtfText(const QByteArray &rtf)
{
    return Reader(rtf).read();
}

} // namespace results
