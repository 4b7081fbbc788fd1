// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints every figure of one benchmark run beside its reference and its goal,
// from the JSON files scripts/bench.sh collects in one folder:
//   floodfill.json player.json editor.json results.json   (Google Benchmark, median of repetitions)
//   startup-offscreen.json startup-x11.json memory.json check.json slowcheck.json   (bench_spawn, one object a line)
//   sessionstart-local.json sessionstart-slow.json   (bench_sessionstart, one object a step and run)
// In-process figures are judged on CPU time, since the machine may be shared
// and a busy neighbour stretches wall time; the wall time is printed beside.
// Exits 1 when a figure is missing, so a broken benchmark does not pass unseen.

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct Timing {
    double wall = 0; // milliseconds
    double cpu = 0;
};

QString folder;
int missing = 0;
int missed = 0;
int met = 0;

double toMs(double value, const QString &unit)
{
    if (unit == u"ns")
        return value / 1e6;
    if (unit == u"us")
        return value / 1e3;
    if (unit == u"s")
        return value * 1e3;
    return value;
}

// Benchmark name (without "/real_time") -> median timing.
QHash<QString, Timing> readBenchmarks(const QString &file)
{
    QHash<QString, Timing> timings;
    QFile f(folder + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return timings;
    const QJsonArray runs = QJsonDocument::fromJson(f.readAll()).object().value(u"benchmarks").toArray();
    for (const QJsonValue &value : runs) {
        const QJsonObject run = value.toObject();
        const bool aggregate = run.value(u"run_type").toString() == u"aggregate";
        if (aggregate && run.value(u"aggregate_name").toString() != u"median")
            continue;
        if (run.contains(u"error_occurred") && run.value(u"error_occurred").toBool())
            continue;
        QString name = run.value(u"run_name").toString();
        if (name.isEmpty())
            name = run.value(u"name").toString();
        if (name.endsWith(u"/real_time"))
            name.chop(10);
        // Without repetitions there are no aggregates: the single run counts.
        if (!aggregate && timings.contains(name))
            continue;
        const QString unit = run.value(u"time_unit").toString();
        timings.insert(name, {toMs(run.value(u"real_time").toDouble(), unit),
                              toMs(run.value(u"cpu_time").toDouble(), unit)});
    }
    return timings;
}

QHash<QString, QJsonObject> readSpawns(const QString &file)
{
    QHash<QString, QJsonObject> spawns;
    QFile f(folder + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return spawns;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (!object.isEmpty() && object.value(u"failures").toInt() == 0 && object.value(u"runs").toInt() > 0)
            spawns.insert(object.value(u"label").toString(), object);
    }
    return spawns;
}

// The median of every run of `label` in a file of one object a line.
std::optional<double> medianRun(const QString &file, const QString &label)
{
    QFile f(folder + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<double> values;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.value(u"label").toString() == label)
            values.push_back(object.value(u"median_ms").toDouble());
    }
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void heading(const char *text)
{
    std::printf("\n%s\n", text);
}

void row(const QString &figure, const QString &measured, const QString &reference, const QString &goal,
         const QString &result)
{
    std::printf("  %-44s %-27s %-34s %-15s %s\n", qPrintable(figure), qPrintable(measured), qPrintable(reference),
                qPrintable(goal), qPrintable(result));
}

QString verdict(bool ok, const QString &detail)
{
    ok ? ++met : ++missed;
    const QString word = ok ? QStringLiteral("met") : QStringLiteral("MISSED");
    return detail.isEmpty() ? word : detail + QStringLiteral("  ") + word;
}

void absent(const QString &figure)
{
    ++missing;
    row(figure, QStringLiteral("(no result)"), QString(), QString(), QStringLiteral("MISSING"));
}

QString ms(double value)
{
    return value >= 100 ? QString::number(value, 'f', 0) + QStringLiteral(" ms")
                        : QString::number(value, 'f', value >= 10 ? 1 : 2) + QStringLiteral(" ms");
}

QString timing(const Timing &t)
{
    return QStringLiteral("%1 (wall %2)").arg(ms(t.cpu), ms(t.wall));
}

std::optional<Timing> find(const QHash<QString, Timing> &timings, const QString &name)
{
    const auto it = timings.constFind(name);
    if (it == timings.constEnd())
        return std::nullopt;
    return *it;
}

void startup(const char *title, const QString &file)
{
    heading(title);
    const QHash<QString, QJsonObject> spawns = readSpawns(file);
    const QJsonObject trivial = spawns.value(QStringLiteral("trivial"));
    if (trivial.isEmpty()) {
        absent(QStringLiteral("trivial Qt Widgets program"));
        return;
    }
    const double reference = trivial.value(u"median_ms").toDouble();
    const bool withCpu = trivial.contains(u"cpu_ms_median") && trivial.value(u"mode").toString() == u"exit";
    // Each goal is a multiple of the trivial program's time in the same run.
    const std::pair<const char *, double> goals[] = {{"BRENLOQ", 1.2}, {"Editor", 1.3}, {"INSTALAR BRENLOQ", 1.2}};
    for (const auto &[program, goal] : goals) {
        const QJsonObject s = spawns.value(QLatin1String(program));
        if (s.isEmpty()) {
            absent(QLatin1String(program));
            continue;
        }
        const double value = s.value(u"median_ms").toDouble();
        QString measured = ms(value);
        QString ref = QStringLiteral("trivial ") + ms(reference);
        if (withCpu) {
            measured += QStringLiteral(" (cpu %1)").arg(ms(s.value(u"cpu_ms_median").toDouble()));
            ref += QStringLiteral(" (cpu %1)").arg(ms(trivial.value(u"cpu_ms_median").toDouble()));
        }
        const double ratio = value / reference;
        row(QLatin1String(program), measured, ref, QStringLiteral("<= %1 x ref").arg(goal, 0, 'f', 1),
            verdict(ratio <= goal, QStringLiteral("%1 x").arg(ratio, 0, 'f', 2)));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESULTS_FOLDER\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    const QHash<QString, Timing> player = readBenchmarks(QStringLiteral("player.json"));
    const QHash<QString, Timing> editor = readBenchmarks(QStringLiteral("editor.json"));
    const QHash<QString, Timing> fill = readBenchmarks(QStringLiteral("floodfill.json"));
    const QHash<QString, Timing> classResults = readBenchmarks(QStringLiteral("results.json"));

    std::printf("Summary (in-process figures: CPU time, judged; wall time beside it)\n");
    row(QStringLiteral("Figure"), QStringLiteral("Measured"), QStringLiteral("Reference"), QStringLiteral("Goal"),
        QStringLiteral("Result"));

    startup("Start-up to the first window shown and painted, offscreen (median)",
            QStringLiteral("startup-offscreen.json"));
    startup("Start-up to the first window shown and painted, under xvfb-run (median)",
            QStringLiteral("startup-x11.json"));

    heading("Bank of 40 courses x 25 subjects x 4 options x 100 questions");
    if (const auto t = find(player, QStringLiteral("selection/load")))
        row(QStringLiteral("selection window load, shown"), timing(*t), QString(), QString(), QStringLiteral("(no goal)"));
    else
        absent(QStringLiteral("selection window load"));
    if (const auto t = find(player, QStringLiteral("selection/courseClick")))
        row(QStringLiteral("course click, repainted"), timing(*t), QString(), QStringLiteral("< 50 ms"),
            verdict(t->cpu < 50, QString()));
    else
        absent(QStringLiteral("course click"));
    if (const auto t = find(player, QStringLiteral("assembleTests/subjects:16/questions:100")))
        row(QStringLiteral("assembleTests, 16 subjects x 100"), timing(*t), QString(), QStringLiteral("< 5 ms"),
            verdict(t->cpu < 5, QString()));
    else
        absent(QStringLiteral("assembleTests"));
    if (const auto t = find(player, QStringLiteral("testWindow/load/subjects:16/questions:100")))
        row(QStringLiteral("test window load 16 x 100, shown"), timing(*t), QString(), QString(),
            QStringLiteral("(no goal)"));
    else
        absent(QStringLiteral("test window load"));

    const QJsonObject check = readSpawns(QStringLiteral("check.json")).value(QStringLiteral("brenloq-check"));
    if (check.isEmpty()) {
        absent(QStringLiteral("brenloq-check"));
    } else {
        const double wall = check.value(u"median_ms").toDouble();
        row(QStringLiteral("brenloq-check, the whole bank"),
            QStringLiteral("%1 (cpu %2)").arg(ms(wall), ms(check.value(u"cpu_ms_median").toDouble())), QString(),
            QStringLiteral("< 30 s"),
            verdict(wall < 30000, QStringLiteral("peak %1 MB").arg(check.value(u"rss_kb_max").toDouble() / 1024, 0,
                                                                    'f', 0)));
    }

    heading("A bank of 8,000 questions on a share with a 2.8 ms round trip (beside the local disk)");
    const QHash<QString, QJsonObject> slowCheck = readSpawns(QStringLiteral("slowcheck.json"));
    const QJsonObject checkLocal = slowCheck.value(QStringLiteral("brenloq-check, local"));
    const QJsonObject checkSlow = slowCheck.value(QStringLiteral("brenloq-check, slow share"));
    if (checkLocal.isEmpty() || checkSlow.isEmpty()) {
        absent(QStringLiteral("brenloq-check on the slow share"));
    } else {
        const double wall = checkSlow.value(u"median_ms").toDouble();
        row(QStringLiteral("brenloq-check"), ms(wall),
            QStringLiteral("local %1").arg(ms(checkLocal.value(u"median_ms").toDouble())), QStringLiteral("< 30 s"),
            verdict(wall < 30000, QString()));
    }
    const std::pair<const char *, double> steps[] = {{"selection window shown", 0},
                                                     {"course chosen, subjects listed", 0},
                                                     {"session start, test window shown", 2000}};
    for (const auto &[step, goal] : steps) {
        const QString label = QLatin1String(step);
        const auto local = medianRun(QStringLiteral("sessionstart-local.json"), label);
        const auto slow = medianRun(QStringLiteral("sessionstart-slow.json"), label);
        if (!local || !slow) {
            absent(label);
            continue;
        }
        row(label, ms(*slow), QStringLiteral("local ") + ms(*local),
            goal > 0 ? QStringLiteral("< %1 s").arg(goal / 1000) : QString(),
            goal > 0 ? verdict(*slow < goal, QString()) : QStringLiteral("(no goal)"));
    }

    heading("Display of one question (click, shown, painted) beside the decoding of its picture");
    struct Display {
        const char *kind;
        const char *decode; // nullptr: no picture
    };
    const Display displays[] = {
        {"multiple choice", nullptr},
        {"multiple choice, text attachment", nullptr},
        {"multiple choice, 1 MP picture attachment", "decode/1MP"},
        {"multiple choice, 12 MP picture attachment", "decode/12MP"},
        {"written answer", nullptr},
        {"written answer, long statement", nullptr},
        {"picture answer, 1 MP", "decode/1MP"},
        {"picture answer, 12 MP", "decode/12MP"},
        {"point on a graphic, 1 MP", "decode/graphic1MP"},
        {"point on a graphic, 12 MP", "decode/graphic12MP"},
        {"word in a reading text", nullptr},
        {"true or false", nullptr},
    };
    for (const Display &d : displays) {
        const QString figure = QLatin1String(d.kind);
        const auto t = find(player, QStringLiteral("display/") + figure);
        if (!t) {
            absent(figure);
            continue;
        }
        double decode = 0;
        QString reference;
        if (d.decode) {
            const auto r = find(player, QLatin1String(d.decode));
            if (!r) {
                absent(QLatin1String(d.decode));
                continue;
            }
            decode = r->cpu;
            reference = QStringLiteral("decoding ") + timing(*r);
        }
        const double beyond = t->cpu - decode;
        row(figure, timing(*t), reference, QStringLiteral("< 10 ms + ref"),
            verdict(beyond < 10, d.decode ? QStringLiteral("+%1").arg(ms(beyond)) : QString()));
    }

    heading("Flood fill of 4096 x 4096 beside memset of the same pixels");
    const auto memsetTime = find(fill, QStringLiteral("memsetSameBuffer"));
    for (const char *name : {"floodFillAllWhite", "floodFillMaze"}) {
        const auto t = find(fill, QLatin1String(name));
        if (!t || !memsetTime) {
            absent(QLatin1String(name));
            continue;
        }
        row(QLatin1String(name), timing(*t), QStringLiteral("memset ") + ms(memsetTime->cpu), QString(),
            QStringLiteral("%1 x memset (no goal)").arg(t->cpu / memsetTime->cpu, 0, 'f', 1));
    }

    heading("Editor: saving into a folder of 10,000 questions");
    if (const auto t = find(editor, QStringLiteral("editor/saveQuestion")))
        row(QStringLiteral("saveQuestion (number, write, name)"), timing(*t), QString(), QStringLiteral("< 20 ms"),
            verdict(t->cpu < 20, QString()));
    else
        absent(QStringLiteral("saveQuestion"));
    if (const auto t = find(editor, QStringLiteral("editor/Command3_Click")))
        row(QStringLiteral("Command3_Click, list refreshed, painted"), timing(*t), QString(),
            QStringLiteral("< 20 ms"), verdict(t->cpu < 20, QString()));
    else
        absent(QStringLiteral("Command3_Click"));
    if (const auto t = find(editor, QStringLiteral("editor/Command3_Click, uniform rows")))
        row(QStringLiteral("  the same, list rows declared alike"), timing(*t), QString(), QString(),
            QStringLiteral("(what a one-line change gives)"));
    if (const auto t = find(editor, QStringLiteral("editor/nextQuestionNumber")))
        row(QStringLiteral("nextQuestionNumber alone"), timing(*t), QString(), QString(), QStringLiteral("(no goal)"));
    if (const auto t = find(editor, QStringLiteral("editor/fileNames")))
        row(QStringLiteral("bank::fileNames of the folder alone"), timing(*t), QString(), QString(),
            QStringLiteral("(no goal)"));

    heading("Class results: 10,000 reports of three subjects");
    const auto readAlone = find(classResults, QStringLiteral("results/readFiles"));
    const QString readReference = readAlone ? QStringLiteral("reading the files ") + timing(*readAlone) : QString();
    // Reports are read on every core: the main thread's CPU time tells
    // little, the wall time is what the teacher waits.
    if (const auto t = find(classResults, QStringLiteral("results/loadReports")))
        row(QStringLiteral("loadReports, every report into rows"), timing(*t), readReference,
            QStringLiteral("< 2000 ms wall"), verdict(t->wall < 2000, QString()));
    else
        absent(QStringLiteral("loadReports"));
    if (const auto t = find(classResults, QStringLiteral("results/loadRecords")))
        row(QStringLiteral("loadReports, every session record into rows"), timing(*t), readReference,
            QStringLiteral("< 1000 ms wall"), verdict(t->wall < 1000, QString()));
    else
        absent(QStringLiteral("loadRecords"));
    if (const auto t = find(classResults, QStringLiteral("results/window")))
        row(QStringLiteral("window: read, sorted, shown"), timing(*t), QString(), QStringLiteral("< 2000 ms"),
            verdict(t->cpu < 2000, QString()));
    else
        absent(QStringLiteral("class results window"));

    heading("Peak memory (resident), offscreen");
    const QHash<QString, QJsonObject> memory = readSpawns(QStringLiteral("memory.json"));
    const QJsonObject trivial = memory.value(QStringLiteral("trivial"));
    const QJsonObject session = memory.value(QStringLiteral("BRENLOQ session"));
    const QJsonObject wide = memory.value(QStringLiteral("trivial, full screen"));
    auto mb = [](const QJsonObject &o) { return o.value(u"rss_kb_max").toDouble() / 1024; };
    if (trivial.isEmpty() || session.isEmpty()) {
        absent(QStringLiteral("whole session"));
    } else {
        const double ratio = mb(session) / mb(trivial);
        row(QStringLiteral("BRENLOQ, a whole session"), QStringLiteral("%1 MB").arg(mb(session), 0, 'f', 1),
            QStringLiteral("trivial %1 MB").arg(mb(trivial), 0, 'f', 1), QStringLiteral("<= 2 x ref"),
            verdict(ratio <= 2, QStringLiteral("%1 x").arg(ratio, 0, 'f', 2)));
        if (!wide.isEmpty())
            row(QString(), QString(), QStringLiteral("trivial full-screen %1 MB").arg(mb(wide), 0, 'f', 1),
                QString(), QStringLiteral("%1 x (no goal)").arg(mb(session) / mb(wide), 0, 'f', 2));
    }

    std::printf("\n%d goals met, %d missed%s\n", met, missed,
                missing ? qPrintable(QStringLiteral(", %1 figures missing").arg(missing)) : "");
    return missing ? 1 : 0;
}
