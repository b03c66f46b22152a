// The frame facts of the fifteen lesson screens: what every screen must have, what must not
// collide, and a few values that are easy to get wrong.
#include "app/Shell.h"
#include "frame/FrameFacts.h"

#include <QRect>
#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QSet<int> drills{8, 12};
const QSet<int> promptOnLabel2{2, 8, 12, 15};

const ButtonFact* findButton(const FrameFacts& f, const QString& caption)
{
    for (const ButtonFact& b : f.buttons)
        if (b.caption == caption) return &b;
    return nullptr;
}

QRect rectOf(const ButtonFact& b)
{
    return QRect(b.left, b.top, b.width, b.height);
}

} // namespace

class TestFrameFacts : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyScreenHasItsFrame()
    {
        for (int form = 2; form <= 16; ++form) {
            const FrameFacts& f = frameFacts(form);
            QCOMPARE(f.form, form);
            const ButtonFact* back = findButton(f, u"もくじへ"_s);
            const ButtonFact* quit = findButton(f, u"おわる"_s);
            QVERIFY2(back && back->name == u"CuteButton2", qPrintable(u"TForm%1"_s.arg(form)));
            QVERIFY2(quit && quit->name == u"CuteButton1", qPrintable(u"TForm%1"_s.arg(form)));
            QCOMPARE(f.prompt.name, promptOnLabel2.contains(form) ? u"Label2"_s : u"Label3"_s);
            QVERIFY(!f.prompt.text.isEmpty());
            QCOMPARE(f.prompt.colour, QColor(0xFF, 0x00, 0x00));
            QCOMPARE(f.prompt.pixelSize, 16);
            QVERIFY(!f.quitQuestion.isEmpty());
            // The prompt line never doubles as a title.
            for (const TextFact& t : f.titles)
                QVERIFY(t.name != f.prompt.name);
        }
    }

    void onlyDrillsAndAreaLackTheModeButton()
    {
        for (int form = 2; form <= 16; ++form) {
            const FrameFacts& f = frameFacts(form);
            const ButtonFact* mode = findButton(f, u"べんきょう"_s);
            const bool expected = !drills.contains(form) && form != 14;
            QCOMPARE(mode != nullptr, expected);
            if (mode) QCOMPARE(mode->name, u"CuteButton3"_s);
            QCOMPARE(findButton(f, u"つぎへ"_s) != nullptr, form != 14);
            // A point button exactly where there is a point memo to open.
            const ButtonFact* point = findButton(f, u"ポイント"_s);
            QCOMPARE(point != nullptr, f.memoTop.has_value());
            if (point) QCOMPARE(point->name, u"CuteButton6"_s);
        }
    }

    void buttonsNeitherOverlapNorLeaveTheWindow()
    {
        for (int form = 2; form <= 16; ++form) {
            const FrameFacts& f = frameFacts(form);
            const QRect window(0, 0, f.width, f.height);
            QSet<QString> names;
            for (qsizetype i = 0; i < f.buttons.size(); ++i) {
                const ButtonFact& b = f.buttons[i];
                QVERIFY2(!names.contains(b.name), qPrintable(u"TForm%1 %2"_s.arg(form).arg(b.name)));
                names.insert(b.name);
                QVERIFY(window.contains(rectOf(b)));
                for (qsizetype j = i + 1; j < f.buttons.size(); ++j)
                    QVERIFY2(!rectOf(b).intersects(rectOf(f.buttons[j])),
                             qPrintable(u"TForm%1: %2 and %3"_s.arg(form).arg(b.name, f.buttons[j].name)));
            }
            if (!f.menu.name.isEmpty())
                QVERIFY(window.contains(QRect(f.menu.left, f.menu.top, f.menu.width, f.menu.height)));
            QVERIFY(window.contains(QRect(f.pictureLeft, f.pictureTop, 64, 64)));
            QVERIFY(window.contains(QPoint(f.prompt.left, f.prompt.top)));
            for (const TextFact& t : f.titles)
                QVERIFY(window.contains(QPoint(t.left, t.top)));
        }
    }

    void menusOfferDistinctItems()
    {
        for (int form = 2; form <= 16; ++form) {
            const MenuFact& m = frameFacts(form).menu;
            if (form == 5) { // its ComboBox1 is a digit selector
                QVERIFY(m.name.isEmpty() && m.items.isEmpty());
                continue;
            }
            QCOMPARE(m.name, u"ComboBox1"_s);
            QVERIFY(m.field.endsWith(u"メニュー"_s));
            QVERIFY(m.items.size() >= 2);
            QCOMPARE(QSet<QString>(m.items.begin(), m.items.end()).size(), m.items.size());
            for (const QString& item : m.items)
                QVERIFY(!item.trimmed().isEmpty());
        }
    }

    void titlesNameTheirContentsButton()
    {
        // The contents screen's lesson buttons, TForm2 … TForm16.
        const QStringList contents{
            u"何千兆まで"_s,   u"何十、何百をわる"_s, u"１けたでわる"_s,   u"何十、何百でわる"_s, u"２けたでわる"_s,
            u"３けたでわる"_s, u"ドリル"_s,           u"小数のしくみ"_s,   u"たし算・ひき算１"_s, u"たし算・ひき算２"_s,
            u"ドリル"_s,       u"四捨五入"_s,         u"長方形や正方形"_s, u"計算のきまり"_s,     u"分数について"_s};
        for (int form = 2; form <= 16; ++form) {
            bool named = false;
            for (const TextFact& t : frameFacts(form).titles)
                named = named || QString(t.text).remove(u' ').contains(contents[form - 2]);
            QVERIFY2(named, qPrintable(u"TForm%1"_s.arg(form)));
        }
    }

    void spotChecks()
    {
        QCOMPARE(QSize(frameFacts(2).width, frameFacts(2).height), QSize(955, 716));
        QCOMPARE(frameFacts(16).height, 708);

        const FrameFacts& drill = frameFacts(8);
        QCOMPARE(rectOf(*findButton(drill, u"おわる"_s)), QRect(736, 616, 90, 30));
        QCOMPARE(findButton(drill, u"けっか"_s)->name, u"CuteButton6"_s);
        QCOMPARE(drill.menu.field, u"　メニュー"_s);
        QCOMPARE(drill.showCue, 17);
        QCOMPARE(frameFacts(12).showCue, 12);
        QCOMPARE(frameFacts(12).menu.field, u"　         メニュー"_s);
        const MenuFact& decimalDrill = frameFacts(12).menu;
        QCOMPARE(QRect(decimalDrill.left, decimalDrill.top, decimalDrill.width, decimalDrill.height),
                 QRect(696, 32, 234, 113));

        QCOMPARE(frameFacts(5).prompt.text, u"「つぎへ」ボタンで すすめてね！"_s);
        QCOMPARE(frameFacts(10).prompt.text, u"「メニュー」をえらんでね！"_s);
        QCOMPARE(frameFacts(15).quitQuestion, u"終わっても いいの？"_s);
        QCOMPARE(frameFacts(10).promptAfterJudging, u"「つぎへ」ボタンですすめてね！"_s);
        QVERIFY(frameFacts(14).promptAfterJudging.isEmpty());
        QCOMPARE(frameFacts(4).memoTop, std::optional<int>(128));
        QCOMPARE(frameFacts(15).memoTop, std::optional<int>(168));
        QCOMPARE(QPoint(frameFacts(4).pictureLeft, frameFacts(4).pictureTop), QPoint(8, 584));

        for (int form = 2; form <= 16; ++form) {
            const FrameFacts& f = frameFacts(form);
            QCOMPARE(f.blinkInterval, (form == 2 || drills.contains(form)) ? 1000 : 500);
            QCOMPARE(f.runsShowAtCreation, form == 3 || form == 4 || form == 14);
            QCOMPARE(f.statusPanel0, 600);
        }
    }
};

QTEST_APPLESS_MAIN(TestFrameFacts)
#include "tst_framefacts.moc"
