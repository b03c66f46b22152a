// The simple-style drop-down and the auto-size label.
#include "frame/widgets/Factory.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

class WidgetsTest : public QObject {
    Q_OBJECT
  private:
    QWidget page;
    SimpleComboBox* box = nullptr;

  private Q_SLOTS:
    void init()
    {
        delete box;
        box = makeDigitSelector(&page, u"ComboBox2"_s, 10, 10, u"一"_s);
        box->show();
    }

    void programmaticChangesFireNothing()
    {
        QSignalSpy spy(box, &SimpleComboBox::changed);
        box->setItemIndex(4);
        QCOMPARE(box->itemIndex(), 4);
        QCOMPARE(box->list()->currentRow(), 4);
        box->setItemIndex(-1);
        QCOMPARE(box->itemIndex(), -1);
        QVERIFY(box->list()->selectedItems().isEmpty());
        box->setText(u"十"_s);
        QCOMPARE(box->text(), u"十"_s);
        QCOMPARE(spy.count(), 0);
    }

    void chooseActsOnceAndAgainOnTheSameItem()
    {
        QSignalSpy spy(box, &SimpleComboBox::changed);
        box->choose(7);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(box->itemIndex(), 7);
        QCOMPARE(box->text(), u"７"_s);
        box->choose(7);
        QCOMPARE(spy.count(), 2);
    }

    void chooseIgnoresDisabledHiddenAndOutOfRange()
    {
        QSignalSpy spy(box, &SimpleComboBox::changed);
        box->setEnabled(false);
        box->choose(1);
        box->setEnabled(true);
        box->hide();
        box->choose(1);
        box->show();
        box->choose(-1);
        box->choose(10);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(box->itemIndex(), -1);
        QCOMPARE(box->text(), u"一"_s);
    }

    void mouseClicksChooseIncludingTheSelectedItem()
    {
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy spy(box, &SimpleComboBox::changed);
        QListWidget* list = box->list();
        const QPoint row3 = list->visualItemRect(list->item(3)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(box->itemIndex(), 3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3);
        QCOMPARE(spy.count(), 2);
        const QPoint row5 = list->visualItemRect(list->item(5)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row5);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(box->itemIndex(), 5);
    }

    void typedDigitsChooseAndOtherTypingIsIgnored()
    {
        QSignalSpy spy(box, &SimpleComboBox::changed);
        QTest::keyClick(box->field(), Qt::Key_6, {}, 20);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(box->itemIndex(), 6);
        QCOMPARE(box->text(), u"６"_s);

        QInputMethodEvent fullWidth(QString(), {});
        fullWidth.setCommitString(u"２"_s);
        QCoreApplication::sendEvent(box->field(), &fullWidth);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(box->itemIndex(), 2);

        QTest::keyClicks(box->field(), u"ab-"_s);
        QTest::keyClick(box->field(), Qt::Key_Backspace);
        QInputMethodEvent kana(QString(), {});
        kana.setCommitString(u"あ"_s);
        QCoreApplication::sendEvent(box->field(), &kana);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(box->itemIndex(), 2);
        QCOMPARE(box->text(), u"２"_s);
    }

    void typedDigitMatchesAnItemWithTrailingSpace()
    {
        box->setItems({u"０"_s, u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６"_s, u"７　"_s, u"８"_s, u"９"_s});
        QTest::keyClick(box->field(), Qt::Key_7);
        QCOMPARE(box->itemIndex(), 7);
    }

    void menuIgnoresDigits()
    {
        SimpleComboBox menu({u"何十をわる"_s, u"何百をわる"_s}, &page);
        QSignalSpy spy(&menu, &SimpleComboBox::changed);
        QTest::keyClick(menu.field(), Qt::Key_1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(menu.itemIndex(), -1);
    }

    void rightAlignedLabelKeepsItsRightEdge()
    {
        Label* label = makeLabel(&page, u"Label15"_s, u"7"_s, 760, 508, 27, false, Qt::black);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->move(780 - label->width(), label->y());
        const int right = label->x() + label->width();
        label->setText(u"123"_s);
        QCOMPARE(label->x() + label->width(), right);
        QVERIFY(label->x() < 760);
        label->setText(u"1"_s);
        QCOMPARE(label->x() + label->width(), right);
    }

    void autoSizeLabelFitsItsLines()
    {
        Label* label = makeLabel(&page, u"Label5"_s, u"あ"_s, 10, 10, 16, true, Qt::red);
        const int lineHeight = label->fontMetrics().height();
        label->setText(u"あ\nい\nう"_s);
        QVERIFY(label->height() >= 3 * lineHeight + 2 * (lineHeight / 10)); // lines with air between them
        QCOMPARE(label->pos(), QPoint(10, 10));

        // Given a maximum height, the lines close up to fit it, but never overlap.
        const int roomy = label->height();
        label->setMaximumHeight(3 * lineHeight + 4);
        label->setText(u"か\nき\nく"_s);
        QVERIFY(label->height() < roomy);
        QVERIFY(label->height() <= 3 * lineHeight + 4);
        label->setMaximumHeight(2 * lineHeight);
        label->setText(u"さ\nし\nす"_s);
        QCOMPARE(label->sizeHint().height(), 3 * lineHeight + 2);
    }
};

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
