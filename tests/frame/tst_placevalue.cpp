// The place-value type that composes a number from digit selectors.
#include "frame/PlaceValue.h"

#include <QtTest>

using kazemaru::PlaceValue;
using Entries = QList<QPair<int, int>>; // (weight, digit) in the order chosen

class PlaceValueTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void composes_data()
    {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<int>("value");
        QTest::newRow("nothing") << Entries{} << 0;
        QTest::newRow("highest first") << Entries{{100, 3}, {10, 0}, {1, 7}} << 307;
        QTest::newRow("any order") << Entries{{1, 7}, {100, 3}} << 307;
        QTest::newRow("a place chosen again") << Entries{{10, 4}, {10, 9}, {1, 1}} << 91;
        QTest::newRow("eight places") << Entries{{10000000, 9}, {1000, 5}, {1, 2}} << 90005002;
    }
    void composes()
    {
        QFETCH(Entries, entries);
        QFETCH(int, value);
        PlaceValue number;
        for (const auto& [weight, digit] : entries)
            number.set(weight, digit);
        QCOMPARE(number.value(), value);
        QCOMPARE(number.isEmpty(), entries.isEmpty());
        number.clear();
        QCOMPARE(number.value(), 0);
        QVERIFY(!number.digit(1));
    }

    void readsEachPlace()
    {
        PlaceValue number;
        number.set(10, 0);
        QCOMPARE(number.digit(10), 0); // a chosen 0 is a digit, not an empty place
        QVERIFY(!number.digit(100));
        number.set(100, 6);
        QCOMPARE(number.contribution(100), 600);
        QCOMPARE(number.contribution(1), 0);
    }
};

QTEST_APPLESS_MAIN(PlaceValueTest)
#include "tst_placevalue.moc"
