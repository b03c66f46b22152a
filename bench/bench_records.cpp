// Times opening the records window on a history of 10,000 drill runs (all of one drill and menu
// item, the most the window ever charts at once): a fresh store on the folder, the window built,
// the history read, and the first picture of the window painted.
// Usage: bench_records [RUNS]   (default 10000)
#include "app/Shell.h"
#include "app/records/RecordsWindow.h"
#include "data/untDTM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace kazemaru;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyLook(app);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    QTemporaryDir tmp(u"%1/bench-records-XXXXXX"_s.arg(QDir::currentPath()));
    const QString folder = tmp.path() + u"/kyozai"_s;
    {
        TDataModule1 dm(folder);
        if (dm.tryRequery(DrillTable::Division)) return 1;
        dm.store().database().transaction();
        QDateTime when(QDate(2025, 4, 1), QTime(16, 0));
        for (int i = 0; i < count; ++i) {
            when = when.addSecs(2400 + i % 7 * 60);
            const int problems = 5 + i % 20, rights = problems - i % 4;
            const DrillRunRecord run{when,
                                     8,
                                     1,
                                     QString(),
                                     300 * (i % 4),
                                     problems,
                                     rights,
                                     rights * 100 / problems,
                                     problems * (8 + i % 9),
                                     RunEnd(i % 3),
                                     {},
                                     {}};
            if (dm.tryRecordRun(run)) return 1;
        }
        dm.store().database().commit();
    }

    constexpr int opens = 9;
    std::vector<double> ms, read;
    for (int i = 0; i < opens; ++i) {
        QElapsedTimer t;
        t.start();
        TDataModule1 dm(folder);
        RecordsWindow window(&dm, nullptr);
        window.reload();
        read.push_back(double(t.nsecsElapsed()) / 1e6);
        window.show();
        const QPixmap picture = window.grab();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (window.runs().size() != count || picture.isNull()) return 1;
    }
    std::sort(ms.begin(), ms.end());
    std::sort(read.begin(), read.end());
    std::printf("records window with %d runs, %d opens: median %.1f ms, worst %.1f ms "
                "(built, read and charted: median %.1f ms)\n",
                count, opens, ms[ms.size() / 2], ms.back(), read[read.size() / 2]);
    return 0;
}
