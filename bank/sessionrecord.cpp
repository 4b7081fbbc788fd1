#include "sessionrecord.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

std::optional<RecordedQuestion::Verdict> verdictFrom(const QJsonValue &value)
{
    const QString name = value.toString();
    if (name == QLatin1String("right"))
        return RecordedQuestion::Verdict::Right;
    if (name == QLatin1String("wrong"))
        return RecordedQuestion::Verdict::Wrong;
    if (name == QLatin1String("blank"))
        return RecordedQuestion::Verdict::Blank;
    return std::nullopt;
}

QString timeText(const QDateTime &t)
{
    return t.isValid() ? t.toString(Qt::ISODate) : QString();
}

// A count in 0..top; JSON numbers are doubles, so fractions and huge values
// are refused rather than truncated.
std::optional<int> count(const QJsonValue &value, int top)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!(d >= 0 && d <= top) || d != static_cast<int>(d))
        return std::nullopt;
    return static_cast<int>(d);
}

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
                                 {QStringLiteral("scale"), t.scale},
                                 {QStringLiteral("mark"), t.mark},
                                 {QStringLiteral("right"), t.right},
                                 {QStringLiteral("wrong"), t.wrong},
                                 {QStringLiteral("blank"), t.blank},
                                 {QStringLiteral("questions"), questions}});
    }
    const QJsonObject root{{QStringLiteral("version"), record.version},
                           {QStringLiteral("pupil"), record.pupil},
                           {QStringLiteral("started"), timeText(record.started)},
                           {QStringLiteral("ended"), timeText(record.ended)},
                           {QStringLiteral("course"), record.course},
                           {QStringLiteral("tests"), tests}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<SessionRecord> readSessionRecord(const QByteArray &bytes)
{
    if (bytes.size() > kMaxRecordBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    // A later version may mean its fields otherwise: not guessed at.
    if (count(root.value(u"version"), 1000) != kSessionRecordVersion)
        return std::nullopt;
    SessionRecord record;
    record.pupil = root.value(u"pupil").toString();
    record.course = root.value(u"course").toString();
    record.started = QDateTime::fromString(root.value(u"started").toString(), Qt::ISODate);
    record.ended = QDateTime::fromString(root.value(u"ended").toString(), Qt::ISODate);
    const QJsonValue testsValue = root.value(u"tests");
    if (!testsValue.isArray() || testsValue.toArray().size() > kMaxTests)
        return std::nullopt;
    for (const QJsonValue &tv : testsValue.toArray()) {
        const QJsonObject to = tv.toObject();
        RecordedTest t;
        if (!tv.isObject() || !to.value(u"subject").isString())
            return std::nullopt;
        t.subject = to.value(u"subject").toString();
        t.option = to.value(u"option").toString();
        t.mark = to.value(u"mark").toString();
        const auto scale = count(to.value(u"scale"), 1000000);
        const auto right = count(to.value(u"right"), kMaxQuestions);
        const auto wrong = count(to.value(u"wrong"), kMaxQuestions);
        const auto blank = count(to.value(u"blank"), kMaxQuestions);
        if (!scale || !right || !wrong || !blank || *right + *wrong + *blank > kMaxQuestions)
            return std::nullopt;
        t.scale = *scale;
        t.right = *right;
        t.wrong = *wrong;
        t.blank = *blank;
        const QJsonValue qs = to.value(u"questions");
        if (!qs.isArray() || qs.toArray().size() > kMaxQuestions)
            return std::nullopt;
        for (const QJsonValue &qv : qs.toArray()) {
            const QJsonObject qo = qv.toObject();
            const auto type = count(qo.value(u"type"), kMaxType);
            const auto verdict = verdictFrom(qo.value(u"verdict"));
            if (!qv.isObject() || !type || !verdict || !qo.value(u"file").isString())
                return std::nullopt;
            t.questions.append({qo.value(u"file").toString(), *type, qo.value(u"hash").toString(), *verdict,
                                qo.value(u"answer").toString()});
        }
        record.tests.append(t);
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

QString questionHash(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace bank
