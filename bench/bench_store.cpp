// Times the drill result store on a real folder on disk: appending one dorill row (what every
// answer of a drill does) and clearing a table of 200 rows (what every "スタート" does).
// Usage: bench_store [folder]   (default: a fresh folder under the current directory)
#include "data/untDTM.h"

#include <QApplication>
#include <QElapsedTimer>
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
    double worst;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
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
    constexpr int appends = 200, clears = 20, rowsPerClear = 200;

    TDataModule1 dm(folder);
    const double firstUse = timed([&] { return dm.clear(DrillTable::Division); });

    std::vector<double> appendMs;
    for (int nb = 1; nb <= appends; ++nb)
        appendMs.push_back(timed([&] { return dm.appendRow(DrillTable::Division, row(nb)); }));

    std::vector<double> clearMs;
    for (int i = 0; i < clears; ++i) {
        if (i > 0)
            for (int nb = 1; nb <= rowsPerClear; ++nb)
                dm.appendRow(DrillTable::Division, row(nb));
        if (dm.DBISAMQuery2->rowCount() != rowsPerClear) return 1;
        clearMs.push_back(timed([&] { return dm.clear(DrillTable::Division); }));
    }

    const Figures a = summarise(appendMs), c = summarise(clearMs);
    std::printf("store folder: %s\n", qPrintable(folder));
    std::printf("first use (create folder, file, tables; clear): %.2f ms\n", firstUse);
    std::printf("append one dorill row, %d appends:  median %.2f ms, worst %.2f ms\n", appends, a.median, a.worst);
    std::printf("clear a table of %d rows, %d clears: median %.2f ms, worst %.2f ms\n", rowsPerClear, clears, c.median,
                c.worst);
    return 0;
}
