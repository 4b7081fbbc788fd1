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

#include <cmath>

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

// A scale in hundredths: whole units in version 1, a number of at most two
// decimals since. A double of two decimals is not exact (6.07 * 100 is
// 606.99...), hence the nearest hundredth within a hair of it.
std::optional<int> scaleHundredths(const QJsonValue &value, int version)
{
    if (version == 1) {
        const auto units = count(value, 1000000);
        return units ? std::optional<int>(*units * 100) : std::nullopt;
    }
    if (!value.isDouble())
        return std::nullopt;
    const double hundredths = value.toDouble() * 100;
    if (!(hundredths >= 0 && hundredths <= 100000000) || std::abs(hundredths - std::round(hundredths)) > 1e-6)
        return std::nullopt;
    return static_cast<int>(std::round(hundredths));
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
    if (bytes.size() > kMaxRecordBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    // A later version may mean its fields otherwise: not guessed at.
    const std::optional<int> version = count(root.value(QLatin1String("version")), 1000);
    if (version != 1 && version != kSessionRecordVersion)
        return std::nullopt;
    SessionRecord record;
    record.version = *version;
    record.pupil = root.value(QLatin1String("pupil")).toString();
    record.course = root.value(QLatin1String("course")).toString();
    record.started = QDateTime::fromString(root.value(QLatin1String("started")).toString(), Qt::ISODate);
    record.ended = QDateTime::fromString(root.value(QLatin1String("ended")).toString(), Qt::ISODate);
    const QJsonValue testsValue = root.value(QLatin1String("tests"));
    const QJsonArray testsArray = testsValue.toArray();
    if (!testsValue.isArray() || testsArray.size() > kMaxTests)
        return std::nullopt;
    for (const QJsonValue &tv : testsArray) {
        const QJsonObject to = tv.toObject();
        RecordedTest t;
        if (!tv.isObject() || !to.value(QLatin1String("subject")).isString())
            return std::nullopt;
        t.subject = to.value(QLatin1String("subject")).toString();
        t.option = to.value(QLatin1String("option")).toString();
        t.mark = to.value(QLatin1String("mark")).toString();
        const auto scale = scaleHundredths(to.value(QLatin1String("scale")), *version);
        const auto right = count(to.value(QLatin1String("right")), kMaxQuestions);
        const auto wrong = count(to.value(QLatin1String("wrong")), kMaxQuestions);
        const auto blank = count(to.value(QLatin1String("blank")), kMaxQuestions);
        if (!scale || !right || !wrong || !blank || *right + *wrong + *blank > kMaxQuestions)
            return std::nullopt;
        t.scaleHundredths = *scale;
        t.right = *right;
        t.wrong = *wrong;
        t.blank = *blank;
        const QJsonValue qs = to.value(QLatin1String("questions"));
        const QJsonArray questions = qs.toArray();
        if (!qs.isArray() || questions.size() > kMaxQuestions)
            return std::nullopt;
        t.questions.reserve(questions.size());
        for (const QJsonValue &qv : questions) {
            const QJsonObject qo = qv.toObject();
            const auto type = count(qo.value(QLatin1String("type")), kMaxType);
            const auto verdict = verdictFrom(qo.value(QLatin1String("verdict")));
            if (!qv.isObject() || !type || !verdict || !qo.value(QLatin1String("file")).isString())
                return std::nullopt;
            t.questions.append({qo.value(QLatin1String("file")).toString(), *type, qo.value(QLatin1String("hash")).toString(), *verdict,
                                qo.value(QLatin1String("answer")).toString()});
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

QString recordPath(const QString &folder, const QString &reportFileName)
{
    return folder + u'/' + QLatin1String(kRecordsFolder) + u'/' + recordFileName(reportFileName);
}

QString keepRecord(const QString &folder, const QString &reportName, const QByteArray &bytes, bool *taken)
{
    const QString records = folder + u'/' + QLatin1String(kRecordsFolder);
    // Another player of the class may make it at the same moment.
    if (!QDir().mkdir(records) && !QFileInfo(records).isDir())
        return QStringLiteral("cannot make %1").arg(records); // for the player's log, in English as it is
    QString why;
    if (!createExclusively(recordPath(folder, reportName), bytes, &why, taken))
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
