// The area lesson's step walks: order, restart, captions and where the cut figures come in.
#include "lessons/area/AreaWalk.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

class TestAreaWalk : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void walks_data()
    {
        QTest::addColumn<int>("subTopic");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("rectangles") << 1 << QList<int>{1, 2, 1, 2, 1};
        QTest::newRow("notched") << 2 << QList<int>{1, 2, 3, 4, 1, 2, 3, 4, 1};
        QTest::newRow("units") << 3 << QList<int>{0, 0};
    }
    void walks()
    {
        QFETCH(int, subTopic);
        QFETCH(QList<int>, steps);
        AreaWalk walk(subTopic);
        QCOMPARE(walk.caption(), u"ステップ１"_s);
        for (int step : steps) {
            walk.advance();
            QCOMPARE(walk.step(), step);
            // The caption names the step the next press shows.
            const int coming = step == walk.stepCount() ? 1 : step + 1;
            QCOMPARE(walk.caption(), u"ステップ"_s + QChar(u'０' + coming));
            QCOMPARE(walk.atLastStep(), step > 0 && step == walk.stepCount());
            QCOMPARE(walk.bringsCutFigures(), subTopic == 2 && step == 1);
            // Every step after the first carries the second step's heading.
            if (step > 0)
                QVERIFY(walk.text().startsWith(step == 1 ? u"【ステップ１】\n\n"_s : u"【ステップ２】\n\n"_s));
        }
        QCOMPARE(areaOpening(subTopic).isEmpty(), false);
    }
};

QTEST_MAIN(TestAreaWalk)
#include "tst_areawalk.moc"
