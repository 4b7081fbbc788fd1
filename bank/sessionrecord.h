// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The session record: what the player knows of a session, kept as JSON
// beside the pupil's report so that the class results need not read the
// report's prose back. Written and read here only. The report stays the
// pupil's document; the record is for the teacher's tables.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace bank {

// Version 2 keeps the scale exact ("scale": 6.5); version 1 kept whole
// units and is still read.
inline constexpr int kSessionRecordVersion = 2;
// The hidden sub-folder of the reports folder the records live in, so the
// folder teachers browse still shows one report per pupil.
inline constexpr auto kRecordsFolder = ".registres";
// A record of 16 tests of 100 questions is some 200 KB; far more is none.
inline constexpr qint64 kMaxRecordBytes = 4 * 1024 * 1024;

struct RecordedQuestion {
    enum class Verdict { Right, Wrong, Blank };
    QString file;       // "Curs/Assignatura/Opció/3.txt", from the questions folder
    int type = 0;       // line 1 of the file; 0 when it could not be read
    QString hash;       // questionHash() of the file's bytes; empty when unread
    Verdict verdict = Verdict::Blank;
    QString answer;     // the answer given, as the transcript shows it
};

struct RecordedTest {
    QString subject;
    QString option;     // the option folder; empty for a subject without
    int scaleHundredths = 1000; // top of the mark scale, in hundredths: 650 is 6,5
    QString mark;       // " 7,50" as the report writes it; empty if never marked
    int right = 0;
    int wrong = 0;
    int blank = 0;
    QList<RecordedQuestion> questions;
};

struct SessionRecord {
    int version = kSessionRecordVersion; // as read; always written as the latest
    QString pupil;      // as typed, may be empty
    QDateTime started;
    QDateTime ended;
    QString course;
    QList<RecordedTest> tests;
};

QByteArray sessionRecordBytes(const SessionRecord &record);
// Nothing for bytes that are no record of a version this reader knows, or
// whose figures no session gives (counts out of range, types unknown).
std::optional<SessionRecord> readSessionRecord(const QByteArray &bytes);

// The record's file name for a report's file name: "Anna --5M,9H --6-12-2026.json".
QString recordFileName(const QString &reportFileName);

// Where the record of the report `reportFileName` in the reports (or
// pending) folder `folder` is kept.
QString recordPath(const QString &folder, const QString &reportFileName);

// Keeps `bytes` as the record of the report `reportName` in the records
// folder of `folder` (a reports folder, or the pending one), making the
// records folder when missing; never over a record. Empty when kept, else
// why not; `taken` says a record of that name was there already.
QString keepRecord(const QString &folder, const QString &reportName, const QByteArray &bytes, bool *taken = nullptr);

// The hash of a question file's bytes: the first 64 bits of SHA-256, in hex.
QString questionHash(const QByteArray &bytes);

} // namespace bank
