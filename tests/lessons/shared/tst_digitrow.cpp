// Digits of a written calculation stand in fixed cells, a decimal point in a narrower one.
#include "lessons/shared/DigitRow.h"

#include <QImage>
#include <QtTest>

using namespace kazemaru::written;
using namespace Qt::StringLiterals;

class DigitRowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cells_data();
    void cells();
};

void DigitRowTest::cells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("pointWidth");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QList<int>>("cellLefts");

    QTest::newRow("digits from the left") << u"436"_s << 20 << 0 << false << QList<int>{0, 20, 40};
    QTest::newRow("digits from the right") << u"13"_s << 20 << 0 << true << QList<int>{60, 80};
    QTest::newRow("wider pitch") << u"72"_s << 24 << 0 << false << QList<int>{0, 24};
    QTest::newRow("narrow point") << u"3.14"_s << 20 << 8 << false << QList<int>{0, 20, 28, 48};
    QTest::newRow("narrow point from the right") << u"0.5"_s << 20 << 8 << true << QList<int>{52, 72, 80};
    QTest::newRow("point in a full cell") << u"2.5"_s << 20 << 0 << false << QList<int>{0, 20, 40};
}

void DigitRowTest::cells()
{
    QFETCH(QString, text);
    QFETCH(int, pitch);
    QFETCH(int, pointWidth);
    QFETCH(bool, right);
    QFETCH(QList<int>, cellLefts);

    DigitRow row(nullptr, pitch, pointWidth);
    row.setText(text);
    row.setAlignment(right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    row.setGeometry(0, 0, 100, 32);
    QFont f = row.font();
    f.setPixelSize(20);
    row.setFont(f);
    QList<int> lefts;
    for (qsizetype i = 0; i < text.size(); ++i)
        lefts << row.cell(i).left();
    QCOMPARE(lefts, cellLefts);
    QCOMPARE(row.cellsWidth(), cellsWidth(text, pitch, pointWidth));

    // Every character's ink stays inside its own cell.
    QImage image(row.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    row.render(&image);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                bool inside = false;
                for (qsizetype i = 0; i < text.size(); ++i)
                    inside = inside || (x >= row.cell(i).left() && x <= row.cell(i).right());
                QVERIFY2(inside, qPrintable(u"ink at %1"_s.arg(x)));
            }
}

QTEST_MAIN(DigitRowTest)
#include "tst_digitrow.moc"
