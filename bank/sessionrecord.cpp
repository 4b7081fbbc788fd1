// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionrecord.h"

#include "atomicfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace bank {

namespace {

constexpr int kMaxTests = 16;
constexpr int kMaxQuestions = 100;
constexpr int kMaxType = 6;

QString verdictName(RecordedQuestion::Verdict v)
{
    switch (v) {
    case RecordedQuestion::Verdict::Right:
        return QStringLiteral("right");
    case RecordedQuestion::Verdict::Wrong:
        return QStringLiteral("wrong");
    case RecordedQuestion::Verdict::Blank:
        break;
    }
    return QStringLiteral("blank");
}

QString timeText(const QDateTime &t)
{
    return t.isValid() ? t.toString(Qt::ISODate) : QString();
}

// A field's value as this reader needs it. An object or an array where a
// text or a number belongs is "other".
struct Scalar {
    enum class Kind { Missing, Number, Text, Other };
    Kind kind = Kind::Missing;
    double number = 0;
    QString text;
    QString string() const { return kind == Kind::Text ? text : QString(); }
};

std::optional<RecordedQuestion::Verdict> verdictFrom(const Scalar &value)
{
    if (value.kind != Scalar::Kind::Text)
        return std::nullopt;
    if (value.text == QLatin1String("right"))
        return RecordedQuestion::Verdict::Right;
    if (value.text == QLatin1String("wrong"))
        return RecordedQuestion::Verdict::Wrong;
    if (value.text == QLatin1String("blank"))
        return RecordedQuestion::Verdict::Blank;
    return std::nullopt;
}

// A count in 0..top; JSON numbers are doubles, so fractions and huge values
// are refused rather than truncated.
std::optional<int> count(const Scalar &value, int top)
{
    if (value.kind != Scalar::Kind::Number)
        return std::nullopt;
    const double d = value.number;
    if (!(d >= 0 && d <= top) || d != static_cast<int>(d))
        return std::nullopt;
    return static_cast<int>(d);
}

// A scale in hundredths: whole units in version 1, a number of at most two
// decimals since. A double of two decimals is not exact (6.07 * 100 is
// 606.99...), hence the nearest hundredth within a hair of it.
std::optional<int> scaleHundredths(const Scalar &value, int version)
{
    if (version == 1) {
        const auto units = count(value, 1000000);
        return units ? std::optional<int>(*units * 100) : std::nullopt;
    }
    if (value.kind != Scalar::Kind::Number)
        return std::nullopt;
    const double hundredths = value.number * 100;
    if (!(hundredths >= 0 && hundredths <= 100000000) || std::abs(hundredths - std::round(hundredths)) > 1e-6)
        return std::nullopt;
    return static_cast<int>(std::round(hundredths));
}

struct RawQuestion {
    Scalar file, type, hash, verdict, answer;
};
struct RawTest {
    Scalar subject, option, mark, scale, right, wrong, blank;
    bool hasQuestions = false;
    QList<RawQuestion> questions;
};

// Reads a record as RapidJSON's SAX reader hands it over, field by field,
// straight into the record's own fields: a year of records is read at each
// start of the class results, and building a document of each first
// (QJsonDocument) took two thirds of that time. Only the fields a record
// has are kept; anything else is passed over. False stops the reading.
class RecordReader
{
public:
    Scalar version, pupil, course, started, ended;
    bool hasTests = false;
    QList<RawTest> tests;

    bool Null() { return scalar({Scalar::Kind::Other, 0, {}}); }
    bool Bool(bool) { return scalar({Scalar::Kind::Other, 0, {}}); }
    bool Int(int n) { return number(n); }
    bool Uint(unsigned n) { return number(n); }
    bool Int64(int64_t n) { return number(double(n)); }
    bool Uint64(uint64_t n) { return number(double(n)); }
    bool Double(double n) { return number(n); }
    bool RawNumber(const char *, rapidjson::SizeType, bool) { return false; }
    bool String(const char *text, rapidjson::SizeType length, bool)
    {
        if (skipping > 0)
            return true;
        return scalar({Scalar::Kind::Text, 0, QString::fromUtf8(text, qsizetype(length))});
    }
    bool Key(const char *text, rapidjson::SizeType length, bool)
    {
        if (skipping == 0)
            key.assign(text, length);
        return true;
    }
    bool StartObject()
    {
        if (skipping > 0) {
            ++skipping;
            return true;
        }
        switch (level()) {
        case Level::Top:
            levels.push_back(Level::Root);
            return true;
        case Level::Tests:
            if (tests.size() >= kMaxTests)
                return false;
            tests.append(RawTest{});
            levels.push_back(Level::Test);
            return true;
        case Level::Questions:
            if (tests.back().questions.size() >= kMaxQuestions)
                return false;
            tests.back().questions.append(RawQuestion{});
            levels.push_back(Level::Question);
            return true;
        default:
            return passOver();
        }
    }
    bool EndObject(rapidjson::SizeType) { return end(); }
    bool StartArray()
    {
        if (skipping > 0) {
            ++skipping;
            return true;
        }
        if (level() == Level::Root && key == "tests") {
            hasTests = true;
            tests.clear();
            levels.push_back(Level::Tests);
            return true;
        }
        if (level() == Level::Test && key == "questions") {
            tests.back().hasQuestions = true;
            tests.back().questions.clear();
            levels.push_back(Level::Questions);
            return true;
        }
        return passOver();
    }
    bool EndArray(rapidjson::SizeType) { return end(); }

private:
    enum class Level { Top, Root, Tests, Test, Questions, Question };
    using Fields = std::initializer_list<std::pair<const char *, Scalar *>>;

    Level level() const { return levels.empty() ? Level::Top : levels.back(); }

    // The field the current key names, if it is one of the record's.
    Scalar *field()
    {
        switch (level()) {
        case Level::Root:
            if (key == "version")
                return &version;
            if (key == "pupil")
                return &pupil;
            if (key == "course")
                return &course;
            if (key == "started")
                return &started;
            if (key == "ended")
                return &ended;
            return nullptr;
        case Level::Test: {
            RawTest &t = tests.back();
            for (auto [name, f] : Fields{{"subject", &t.subject}, {"option", &t.option}, {"mark", &t.mark},
                                         {"scale", &t.scale}, {"right", &t.right}, {"wrong", &t.wrong}, {"blank", &t.blank}}) {
                if (key == name)
                    return f;
            }
            return nullptr;
        }
        case Level::Question: {
            RawQuestion &q = tests.back().questions.back();
            for (auto [name, f] : Fields{{"file", &q.file}, {"type", &q.type}, {"hash", &q.hash},
                                         {"verdict", &q.verdict}, {"answer", &q.answer}}) {
                if (key == name)
                    return f;
            }
            return nullptr;
        }
        default:
            return nullptr;
        }
    }

    bool number(double n) { return skipping > 0 || scalar({Scalar::Kind::Number, n, {}}); }

    bool scalar(Scalar value)
    {
        if (skipping > 0)
            return true;
        switch (level()) {
        case Level::Top: // the record is an object
        case Level::Tests: // of tests
        case Level::Questions: // of questions
            return false;
        default:
            break;
        }
        // The last of a key given twice counts, a list too.
        if (level() == Level::Root && key == "tests") {
            hasTests = false;
            tests.clear();
        } else if (level() == Level::Test && key == "questions") {
            tests.back().hasQuestions = false;
            tests.back().questions.clear();
        } else if (Scalar *f = field()) {
            *f = std::move(value);
        }
        return true;
    }

    // An object or array where the record has none, or in a field of its own.
    bool passOver()
    {
        if (level() == Level::Top || level() == Level::Tests || level() == Level::Questions)
            return false;
        if (!scalar({Scalar::Kind::Other, 0, {}}))
            return false;
        skipping = 1;
        return true;
    }

    bool end()
    {
        if (skipping > 0) {
            --skipping;
            return true;
        }
        levels.pop_back();
        return true;
    }

    std::vector<Level> levels;
    int skipping = 0; // depth inside a value passed over
    std::string key;
};

} // namespace

QByteArray sessionRecordBytes(const SessionRecord &record)
{
    QJsonArray tests;
    for (const RecordedTest &t : record.tests) {
        QJsonArray questions;
        for (const RecordedQuestion &q : t.questions) {
            questions.append(QJsonObject{{QStringLiteral("file"), q.file},
                                         {QStringLiteral("type"), q.type},
                                         {QStringLiteral("hash"), q.hash},
                                         {QStringLiteral("verdict"), verdictName(q.verdict)},
                                         {QStringLiteral("answer"), q.answer}});
        }
        tests.append(QJsonObject{{QStringLiteral("subject"), t.subject},
                                 {QStringLiteral("option"), t.option},
                                 {QStringLiteral("scale"), t.scaleHundredths / 100.0},
                                 {QStringLiteral("mark"), t.mark},
                                 {QStringLiteral("right"), t.right},
                                 {QStringLiteral("wrong"), t.wrong},
                                 {QStringLiteral("blank"), t.blank},
                                 {QStringLiteral("questions"), questions}});
    }
    const QJsonObject root{{QStringLiteral("version"), kSessionRecordVersion},
                           {QStringLiteral("pupil"), record.pupil},
                           {QStringLiteral("started"), timeText(record.started)},
                           {QStringLiteral("ended"), timeText(record.ended)},
                           {QStringLiteral("course"), record.course},
                           {QStringLiteral("tests"), tests}};
    // Compact: a year of records is read at each start of the class results.
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<SessionRecord> readSessionRecord(const QByteArray &bytes)
{
    // A NUL byte would read as the end of the text to the parser.
    if (bytes.size() > kMaxRecordBytes || bytes.contains('\0'))
        return std::nullopt;
    RecordReader reader;
    rapidjson::MemoryStream stream(bytes.constData(), size_t(bytes.size()));
    rapidjson::Reader parser;
    // Iterative: a record nested deep must not take the stack.
    if (parser.Parse<rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag>(stream, reader).IsError())
        return std::nullopt;
    // A later version may mean its fields otherwise: not guessed at.
    const std::optional<int> version = count(reader.version, 1000);
    if (version != 1 && version != kSessionRecordVersion)
        return std::nullopt;
    SessionRecord record;
    record.version = *version;
    record.pupil = reader.pupil.string();
    record.course = reader.course.string();
    record.started = QDateTime::fromString(reader.started.string(), Qt::ISODate);
    record.ended = QDateTime::fromString(reader.ended.string(), Qt::ISODate);
    if (!reader.hasTests)
        return std::nullopt;
    record.tests.reserve(reader.tests.size());
    for (RawTest &raw : reader.tests) {
        RecordedTest t;
        if (raw.subject.kind != Scalar::Kind::Text)
            return std::nullopt;
        t.subject = std::move(raw.subject.text);
        t.option = raw.option.string();
        t.mark = raw.mark.string();
        const auto scale = scaleHundredths(raw.scale, *version);
        const auto right = count(raw.right, kMaxQuestions);
        const auto wrong = count(raw.wrong, kMaxQuestions);
        const auto blank = count(raw.blank, kMaxQuestions);
        if (!scale || !right || !wrong || !blank || *right + *wrong + *blank > kMaxQuestions || !raw.hasQuestions)
            return std::nullopt;
        t.scaleHundredths = *scale;
        t.right = *right;
        t.wrong = *wrong;
        t.blank = *blank;
        t.questions.reserve(raw.questions.size());
        for (RawQuestion &q : raw.questions) {
            const auto type = count(q.type, kMaxType);
            const auto verdict = verdictFrom(q.verdict);
            if (!type || !verdict || q.file.kind != Scalar::Kind::Text)
                return std::nullopt;
            t.questions.append({std::move(q.file.text), *type, q.hash.string(), *verdict, q.answer.string()});
        }
        record.tests.append(std::move(t));
    }
    return record;
}

QString recordFileName(const QString &reportFileName)
{
    QString name = reportFileName;
    if (name.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive))
        name.chop(4);
    return name + QStringLiteral(".json");
}

QString keepRecord(const QString &folder, const QString &reportName, const QByteArray &bytes, bool *taken)
{
    const QString records = folder + u'/' + QLatin1String(kRecordsFolder);
    // Another player of the class may make it at the same moment.
    if (!QDir().mkdir(records) && !QFileInfo(records).isDir())
        return QStringLiteral("cannot make %1").arg(records);
    QString why;
    if (!createExclusively(records + u'/' + recordFileName(reportName), bytes, &why, taken))
        return why;
    return {};
}

QString questionHash(const QByteArray &bytes)
{
    // 64 bits of SHA-256 tell an edited file from the one asked; the full
    // 256 would double the size of a record and the time to read a year of them.
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).left(8).toHex());
}

} // namespace bank
