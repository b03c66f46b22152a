// Times the learning record on a real folder on disk.
//  1. Storing one answer: what the judging handler pays to hand an answer to the recorder, and
//     how long until the writer thread has it committed to the disk (WAL, synchronous=FULL), one
//     answer every 50 ms; beside it, what a handler would pay committing the answer itself.
//     Exits with 2 when handing an answer on took 5 ms or more.
//  2. The records window on 100,000 answers of three children in every lesson and menu item and
//     a year of drill runs: a fresh store, the window built, every page read and the first
//     picture painted. Exits with 3 when an opening took more than 300 ms.
// Usage: bench_answers [ANSWERS] [FOLDER]   (default 300 answers, a fresh folder here)
#include "app/Shell.h"
#include "app/records/LessonTexts.h"
#include "app/records/RecordsWindow.h"
#include "data/AnswerRecorder.h"
#include "data/KyozaiSchema.h"
#include "data/untDTM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>
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

double msSince(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

AnswerRecord answer(int i, const QDateTime& at)
{
    AnswerRecord a;
    a.answeredAt = at;
    a.lesson = firstLesson + i % 15;
    a.subTopic = lessonItems(a.lesson).value(i % 4 % std::max<qsizetype>(1, lessonItems(a.lesson).size()));
    a.problem = u"%1 ÷ %2"_s.arg(100 + i * 7).arg(2 + i % 7);
    a.expected = QString::number((100 + i * 7) / (2 + i % 7));
    a.right = i % 3 != 0;
    a.given = a.right ? a.expected : a.expected + u'1';
    a.seconds = 2.0 + i % 13;
    return a;
}

int storing(const QString& folder, int count)
{
    TDataModule1 dm(folder);
    AnswerRecorder recorder(folder, dm.learningRecord());
    const QDateTime start(QDate(2026, 5, 17), QTime(16, 0));
    recorder.record(answer(0, start)); // the writer's first use opens the file
    if (!recorder.waitUntilStored(5000)) return 1;

    std::vector<double> handed, durable;
    for (int i = 1; i <= count; ++i) {
        QElapsedTimer t;
        t.start();
        recorder.record(answer(i, start.addSecs(i)));
        handed.push_back(msSince(t));
        if (!recorder.waitUntilStored(5000)) return 1;
        durable.push_back(msSince(t));
        QThread::msleep(50);
    }
    std::vector<double> inHandler;
    for (int i = 0; i < count; ++i) {
        AnswerRecord a = answer(i, start.addDays(1).addSecs(i));
        a.uid = newRowUid();
        a.childUid = dm.learningRecord().currentChildUid();
        QElapsedTimer t;
        t.start();
        if (!dm.store().append(u"answers"_s, LearningRecordStore::answerRow(a))) return 1;
        inHandler.push_back(msSince(t));
    }
    const Figures h = summarise(handed), d = summarise(durable), s = summarise(inHandler);
    std::printf("storing one answer, %d answers: handed on in the handler median %.3f ms, p99 %.3f ms, worst %.3f ms; "
                "on the disk after median %.1f ms, p99 %.1f ms, worst %.1f ms\n",
                count, h.median, h.p99, h.worst, d.median, d.p99, d.worst);
    std::printf("  (committed in the handler instead: median %.1f ms, p99 %.1f ms, worst %.1f ms)\n", s.median, s.p99,
                s.worst);
    return h.worst < 5.0 ? 0 : 2;
}

// 100,000 answers of three children over a year, every lesson and menu item, and drill runs.
bool fill(const QString& folder, QStringList& children)
{
    TDataModule1 dm(folder);
    QList<ChildProfile> family;
    if (dm.learningRecord().tryReadChildren(family)) return false;
    ChildProfile added;
    for (const QString& name : {u"はなこ"_s, u"じろう"_s})
        if (dm.learningRecord().tryAddChild(name, 1, added)) return false;
    if (dm.learningRecord().tryReadChildren(family)) return false;
    for (const ChildProfile& c : family)
        children << c.uid;
    if (!dm.store().database().transaction()) return false;
    QDateTime at(QDate(2025, 5, 1), QTime(16, 0));
    for (int i = 0; i < 100'000; ++i) {
        at = at.addSecs(i % 50 == 0 ? 86400 / 3 : 20);
        AnswerRecord a = answer(i * 7 / 3, at);
        a.uid = newRowUid();
        a.childUid = children[i % 3];
        if (!dm.store().append(u"answers"_s, LearningRecordStore::answerRow(a))) return false;
    }
    for (int i = 0; i < 600; ++i) {
        DrillRunRecord run;
        run.started = QDateTime(QDate(2025, 5, 1), QTime(17, 0)).addSecs(i * 3600 * 14);
        run.drill = i % 2 ? 8 : 12;
        run.subTopic = 1 + i % 3;
        run.problems = 10;
        run.rights = 5 + i % 6;
        run.score = run.rights * 10;
        run.seconds = 200;
        run.childUid = children[i % 3];
        if (dm.tryRecordRun(run)) return false;
    }
    return dm.store().database().commit();
}

int opening(const QString& folder)
{
    QStringList children;
    if (!fill(folder, children)) return 1;
    constexpr int opens = 9;
    std::vector<double> ms, read;
    for (int i = 0; i < opens; ++i) {
        QElapsedTimer t;
        t.start();
        TDataModule1 dm(folder);
        dm.learningRecord().setCurrentChildUid(children[i % 3]);
        RecordsWindow window(&dm, nullptr);
        window.reload();
        read.push_back(msSince(t));
        window.show();
        const QPixmap picture = window.grab();
        ms.push_back(msSince(t));
        if (picture.isNull() || window.childUid() != children[i % 3]) return 1;
    }
    const Figures all = summarise(ms), reading = summarise(read);
    std::printf("records window on 100,000 answers of 3 children, %d opens: median %.1f ms, worst %.1f ms "
                "(built and every page read: median %.1f ms, worst %.1f ms)\n",
                opens, all.median, all.worst, reading.median, reading.worst);
    return all.worst <= 300 ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyLook(app);
    const int count = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
    QTemporaryDir tmp(u"%1/bench-answers-XXXXXX"_s.arg(QDir::currentPath()));
    const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2]) : tmp.path();
    if (const int rc = storing(base + u"/store"_s, count)) return rc;
    return opening(base + u"/window"_s);
}
