// Times the drill result store on a real folder on disk: appending one dorill row (what every
// answer of a drill does: the row committed to the disk, then the grid's query read afresh), the
// commit alone, and clearing a table of 200 rows (what every "スタート" does). The store runs in
// WAL mode with synchronous=FULL, so every commit waits for the disk; the target is a worst append
// under 20 ms. Exits with 2 when an append took longer.
// Usage: bench_store [folder]   (default: a fresh folder under the current directory)
#include "data/untDTM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

struct Figures {
    double median;
    double p99;
    double worst;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back()};
}

QString pragma(TDataModule1& dm, const QString& name)
{
    QSqlQuery q(dm.store().database());
    return q.exec(u"PRAGMA "_s + name) && q.next() ? q.value(0).toString() : u"?"_s;
}

QVariantList row(int nb)
{
    const int dividend = 100 + nb * 7, divisor = 2 + nb % 7;
    return {nb,
            u"　%1 ÷ %2"_s.arg(dividend).arg(divisor),
            dividend / divisor,
            dividend / divisor,
            u" ○"_s,
            dividend % divisor,
            dividend % divisor};
}

double timed(const std::function<bool()>& work)
{
    QElapsedTimer t;
    t.start();
    if (!work()) {
        std::fprintf(stderr, "store operation failed\n");
        std::exit(1);
    }
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir tmp(u"%1/bench-store-XXXXXX"_s.arg(QDir::currentPath()));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path() + u"/kyozai"_s;
    constexpr int appends = 200, commits = 200, clears = 20, rowsPerClear = 200;
    constexpr double appendTargetMs = 20;

    TDataModule1 dm(folder);
    const double firstUse = timed([&] { return !dm.tryClear(DrillTable::Division); });

    // The commit alone, without reading the table back.
    std::vector<double> commitMs;
    for (int nb = 1; nb <= commits; ++nb)
        commitMs.push_back(timed([&] { return dm.store().append(u"dorill"_s, row(nb)); }));
    if (dm.tryClear(DrillTable::Division)) return 1;

    std::vector<double> appendMs;
    for (int nb = 1; nb <= appends; ++nb)
        appendMs.push_back(timed([&] { return !dm.tryAppendRow(DrillTable::Division, row(nb)); }));

    std::vector<double> clearMs;
    for (int i = 0; i < clears; ++i) {
        if (i > 0)
            for (int nb = 1; nb <= rowsPerClear; ++nb)
                if (dm.tryAppendRow(DrillTable::Division, row(nb))) return 1;
        if (dm.DBISAMQuery2->rowCount() != rowsPerClear) return 1;
        clearMs.push_back(timed([&] { return !dm.tryClear(DrillTable::Division); }));
    }

    const Figures a = summarise(appendMs), m = summarise(commitMs), c = summarise(clearMs);
    std::printf("store folder: %s\n", qPrintable(folder));
    // 2 = FULL: a committed row is on the disk before the commit returns.
    std::printf("journal_mode=%s synchronous=%s\n", qPrintable(pragma(dm, u"journal_mode"_s)),
                qPrintable(pragma(dm, u"synchronous"_s)));
    std::printf("first use (create folder, file, tables; clear): %.2f ms\n", firstUse);
    std::printf("append one dorill row and requery, %d appends: median %.2f ms, p99 %.2f ms, worst %.2f ms\n", appends,
                a.median, a.p99, a.worst);
    std::printf("commit one row alone, %d commits:              median %.2f ms, p99 %.2f ms, worst %.2f ms\n", commits,
                m.median, m.p99, m.worst);
    std::printf("clear a table of %d rows, %d clears:          median %.2f ms, p99 %.2f ms, worst %.2f ms\n",
                rowsPerClear, clears, c.median, c.p99, c.worst);
    if (a.worst >= appendTargetMs) {
        std::printf("worst append %.2f ms is not under the %.0f ms target\n", a.worst, appendTargetMs);
        return 2;
    }
    return 0;
}
