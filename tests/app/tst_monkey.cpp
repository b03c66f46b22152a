// A child who clicks anything, in any order: long random action sequences over the whole program
// for fixed seeds, with the program's invariants checked after every action. Widgets are found by
// their classes at run time, so every screen is covered the moment it exists.
//   KAZEMARU_MONKEY_SEEDS=1,2,3  KAZEMARU_MONKEY_ACTIONS=100000  tst_monkey
#include "app/Unit1.h"
#include "frame/LessonScreen.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

QRandomGenerator programDraws; // the program's own Random(n), seeded per run

int drawForProgram(int n)
{
    return n > 0 ? static_cast<int>(programDraws.bounded(n)) : 0;
}

QStringList warnings; // Qt warnings of the current run
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The headless platform's own remarks (no raise(), no runtime folder) are not the program's.
    const bool platform = text.startsWith(u"This plugin does not support"_s) || text.startsWith(u"QStandardPaths:"_s);
    if (type != QtDebugMsg && type != QtInfoMsg && !platform) warnings.append(text);
    if (type == QtFatalMsg) previousHandler(type, context, text);
}

template <typename T> QList<T*> usable(QWidget* screen)
{
    QList<T*> found;
    for (T* w : screen->findChildren<T*>())
        if (w->isVisibleTo(screen) && w->isEnabled()) found.append(w);
    return found;
}

bool isDigitSelector(const SimpleComboBox* box)
{
    return box->items().size() == 10 && box->items().first() == u"０"_s;
}

struct Latency {
    std::vector<qint64> ns;
};

class Monkey {
  public:
    Monkey(test::Program& program, quint32 seed)
        : program_(program)
        , seed_(seed)
        , rng_(seed)
    {
        programDraws.seed(seed * 7919u + 1u);
        program_.harness.fallbackDraw = drawForProgram;
        contents_ = static_cast<TForm1*>(program_.shell.form(1));
        contents_->show();
    }

    // Runs `count` actions; returns the first broken invariant, or an empty string.
    QString run(int count, std::map<QString, Latency>& latency)
    {
        for (step_ = 0; step_ < count; ++step_) {
            QWidget* screen = current();
            program_.harness.confirmAnswer = rng_.bounded(4) == 0 ? DialogAnswer::Yes : DialogAnswer::No;
            const QString judgeBefore = judgeText(screen);
            const int rightBefore = screen->property("rightCount").toInt();
            const size_t dialogsBefore = program_.harness.dialogs.size();
            QElapsedTimer clock;
            clock.start();
            const QString action = act(screen);
            latency[screen->objectName()].ns.push_back(clock.nsecsElapsed());
            remember(screen->objectName() + u": "_s + action);
            if (action == u"answer right"_s) ++answeredRight;
            if (QString broken = check(screen, action, judgeBefore, rightBefore, dialogsBefore); !broken.isEmpty())
                return u"seed %1, step %2: %3\nlast actions:\n  %4"_s.arg(seed_).arg(step_).arg(
                    broken, recent_.join(u"\n  "_s));
            // Now and then, from wherever the child left the screen, a new problem must be one probe away.
            if (step_ % 250 == 249 && qobject_cast<LessonScreen*>(screen)) {
                if (QString stuck = probePosing(static_cast<LessonScreen*>(screen)); !stuck.isEmpty())
                    return u"seed %1, step %2: %3\nlast actions:\n  %4"_s.arg(seed_).arg(step_).arg(
                        stuck, recent_.join(u"\n  "_s));
            }
        }
        return {};
    }

  private:
    QWidget* current() const
    {
        for (int form = 2; form <= 16; ++form)
            if (QWidget* s = program_.shell.form(form); s->isVisible()) return s;
        return contents_;
    }

    static QString judgeText(QWidget* screen)
    {
        auto* lesson = qobject_cast<LessonScreen*>(screen);
        QString marks;
        if (lesson)
            for (QLabel* l : lesson->findChildren<QLabel*>())
                if (l->isVisibleTo(lesson) && (l->text() == u"○"_s || l->text() == u"×"_s)) marks += l->text();
        return marks;
    }

    QString act(QWidget* screen)
    {
        if (screen == contents_) {
            const int form = 2 + static_cast<int>(rng_.bounded(15));
            contents_->openLesson(form);
            return u"open TForm%1"_s.arg(form);
        }
        auto* lesson = static_cast<LessonScreen*>(screen);
        const int roll = static_cast<int>(rng_.bounded(100));
        if (roll < 35) return chooseSomething(lesson);
        if (roll < 70) return clickSomething(lesson);
        if (roll < 82) return tickTimers(lesson);
        if (roll < 90) return answerRight(lesson);
        if (roll < 95) return typeSomething(lesson);
        if (roll < 97) {
            QTest::keyClick(lesson, Qt::Key_Escape);
            return u"Escape"_s;
        }
        if (roll < 99) {
            lesson->close();
            return u"window frame"_s;
        }
        return tickTimers(lesson);
    }

    // From whatever state the monkey left, a lesson poses a new test problem within a few actions:
    // a menu choice, test mode, the next button, and a digit selector is open for the answer.
    QString probePosing(LessonScreen* screen)
    {
        auto* menu = screen->findChild<SimpleComboBox*>(u"ComboBox1"_s);
        auto* mode = screen->findChild<QAbstractButton*>(u"CuteButton3"_s);
        auto* next = screen->findChild<QAbstractButton*>(u"CuteButton4"_s);
        const bool lesson = mode && (mode->text() == u"べんきょう"_s || mode->text() == u"テスト"_s);
        if (!screen->isVisible() || !lesson || !next || !mode->isEnabled() ||
            screen->property("rightCount").isValid() ||
            screen->findChild<QLabel*>(screen->facts().prompt.name)->text().contains(u"じゅんびちゅう"_s))
            return {};
        if (menu && !isDigitSelector(menu)) {
            const int item = static_cast<int>(rng_.bounded(menu->items().size()));
            menu->choose(item);
            remember(u"probe: menu %1"_s.arg(item));
        }
        if (mode->text() == u"べんきょう"_s) mode->click();
        // A second menu (the kind of problem) may open only now.
        QList<SimpleComboBox*> menus{menu};
        for (SimpleComboBox* box : usable<SimpleComboBox>(screen)) {
            if (box == menu || isDigitSelector(box)) continue;
            menus.append(box);
            const int item = static_cast<int>(rng_.bounded(box->items().size()));
            box->choose(item);
            remember(u"probe: %1 %2"_s.arg(box->objectName()).arg(item));
        }
        if (mode->text() == u"べんきょう"_s) mode->click();
        if (mode->text() == u"べんきょう"_s) return {}; // this sub-topic has no test
        const bool stillToCome =
            screen->findChild<QLabel*>(screen->facts().prompt.name)->text().contains(u"じゅんびちゅう"_s);
        if (stillToCome) return {};
        const auto answerOpen = [&] {
            for (SimpleComboBox* box : usable<SimpleComboBox>(screen))
                if (!menus.contains(box)) return true;
            return false;
        };
        if (!next->isEnabled()) // a problem may be waiting for its answer
            return answerOpen() ? QString() : u"test mode, but nothing to answer and the next button is off"_s;
        next->click();
        remember(u"probe: next"_s);
        return answerOpen() ? QString() : u"the next button posed no problem to answer"_s;
    }

    QString chooseSomething(LessonScreen* screen)
    {
        const QList<SimpleComboBox*> boxes = usable<SimpleComboBox>(screen);
        if (boxes.isEmpty()) return clickSomething(screen);
        SimpleComboBox* box = boxes[static_cast<int>(rng_.bounded(boxes.size()))];
        const int index = static_cast<int>(rng_.bounded(box->items().size()));
        box->choose(index);
        return u"%1 = %2"_s.arg(box->objectName()).arg(index);
    }

    QString clickSomething(LessonScreen* screen)
    {
        const QList<QAbstractButton*> buttons = usable<QAbstractButton>(screen);
        if (buttons.isEmpty()) return u"nothing to click"_s;
        QAbstractButton* b = buttons[static_cast<int>(rng_.bounded(buttons.size()))];
        const QString name = b->objectName() + u" ("_s + b->text() + u")"_s;
        b->click();
        return u"click "_s + name;
    }

    // Every running timer fires once, as a second passes on the clocks.
    QString tickTimers(LessonScreen* screen)
    {
        program_.harness.now = program_.harness.now.addSecs(1);
        program_.harness.monotonic += 1000;
        QStringList fired;
        for (QTimer* t : screen->findChildren<QTimer*>()) {
            if (!t->isActive() || t->objectName().isEmpty()) continue;
            screen->invokeHandler((t->objectName() + u"Timer"_s).toLatin1().constData());
            fired.append(t->objectName());
        }
        return u"timers "_s + fired.join(u',');
    }

    QString answerRight(LessonScreen* screen)
    {
        const QList<QPair<int, int>> key = test::Probe::answerKey(*screen);
        if (key.isEmpty()) return chooseSomething(screen);
        // A written calculation opens its selectors column by column as the answer is entered:
        // once the first choice is taken, every later one must find its selector open.
        for (qsizetype i = 0; i < key.size(); ++i) {
            auto* box = screen->findChild<SimpleComboBox*>(u"ComboBox%1"_s.arg(key[i].first));
            const bool open = box && box->isVisibleTo(screen) && box->isEnabled();
            if (!open) return i == 0 ? u"answer not open"_s : u"answer key broken at ComboBox%1"_s.arg(key[i].first);
            box->choose(key[i].second);
        }
        return u"answer right"_s;
    }

    // Typing into a selector's field: a half-width digit, a full-width digit, or a letter.
    QString typeSomething(LessonScreen* screen)
    {
        const QList<SimpleComboBox*> boxes = usable<SimpleComboBox>(screen);
        if (boxes.isEmpty()) return clickSomething(screen);
        SimpleComboBox* box = boxes[static_cast<int>(rng_.bounded(boxes.size()))];
        const int digit = static_cast<int>(rng_.bounded(10));
        switch (rng_.bounded(3)) {
        case 0:
            QTest::keyClicks(box->field(), QString::number(digit));
            return u"type %1 into "_s.arg(digit) + box->objectName();
        case 1: {
            QInputMethodEvent event;
            event.setCommitString(QString(QChar(0xFF10 + digit)));
            QCoreApplication::sendEvent(box->field(), &event);
            return u"type full-width %1 into "_s.arg(digit) + box->objectName();
        }
        default: QTest::keyClicks(box->field(), u"a"_s); return u"type a into "_s + box->objectName();
        }
    }

    QString check(QWidget* screen, const QString& action, const QString& judgeBefore, int rightBefore,
                  size_t dialogsBefore)
    {
        const auto& dialogs = program_.harness.dialogs;
        for (size_t i = dialogsBefore; i < dialogs.size(); ++i)
            if (dialogs[i].kind == DialogKind::Error) return u"an error box: "_s + dialogs[i].text;
        for (const QString& w : std::as_const(warnings))
            return u"a warning: "_s + w;
        auto* lesson = qobject_cast<LessonScreen*>(screen);
        if (!lesson) return {};
        if (lesson->isVisible()) {
            const QString prompt = lesson->findChild<QLabel*>(lesson->facts().prompt.name)->text();
            if (prompt.isEmpty()) return u"the prompt line is empty"_s;
        }
        static const QRegularExpression badNumber(u"(^|\\s)-\\d|\\b(nan|inf)\\b"_s,
                                                  QRegularExpression::CaseInsensitiveOption);
        for (QLabel* l : lesson->findChildren<QLabel*>())
            if (l->isVisibleTo(lesson) && badNumber.match(l->text()).hasMatch())
                return u"%1 shows \"%2\""_s.arg(l->objectName(), l->text());
        const QString judgeAfter = judgeText(lesson);
        const bool entered = action.contains(u" = "_s) || action.startsWith(u"type"_s) || action == u"answer right"_s;
        if (judgeAfter != judgeBefore && !judgeAfter.isEmpty() && !entered)
            return u"a judge mark \"%1\" without an answer"_s.arg(judgeAfter);
        if (action.startsWith(u"answer key broken"_s)) return action;
        if (action == u"answer right"_s) {
            const bool drill = lesson->property("rightCount").isValid();
            if (drill ? lesson->property("rightCount").toInt() != rightBefore + 1 : !judgeAfter.contains(u"○"_s))
                return u"the right answer was not counted right"_s;
        }
        if (QString drill = drillCheck(lesson); !drill.isEmpty()) return drill;
        return {};
    }

    // A drill never counts more right answers than problems, and its score never passes 100.
    static QString drillCheck(LessonScreen* lesson)
    {
        const QVariant posed = lesson->property("problemCounter");
        const QVariant right = lesson->property("rightCount");
        if (!posed.isValid() || !right.isValid()) return {};
        if (right.toInt() > posed.toInt()) return u"%1 right out of %2 posed"_s.arg(right.toInt()).arg(posed.toInt());
        static const QRegularExpression score(u"(\\d+) てん"_s);
        for (QLabel* l : lesson->findChildren<QLabel*>())
            if (const auto m = score.match(l->text()); m.hasMatch() && m.captured(1).toInt() > 100)
                return u"a score over 100: "_s + l->text();
        return {};
    }

    void remember(const QString& action)
    {
        recent_.append(action);
        if (recent_.size() > 12) recent_.removeFirst();
    }

    test::Program& program_;
    quint32 seed_;
    QRandomGenerator rng_;
    TForm1* contents_ = nullptr;
    int step_ = 0;
    QStringList recent_;

  public:
    int answeredRight = 0; // problems the monkey answered knowing the answer
};

QList<quint32> seeds()
{
    QList<quint32> list;
    for (const QString& s : qEnvironmentVariable("KAZEMARU_MONKEY_SEEDS", u"1,2,3"_s).split(u','))
        if (bool ok = false; s.trimmed().toUInt(&ok), ok) list.append(s.trimmed().toUInt());
    return list;
}

int actionsPerSeed()
{
    return qEnvironmentVariableIntValue("KAZEMARU_MONKEY_ACTIONS") > 0
               ? qEnvironmentVariableIntValue("KAZEMARU_MONKEY_ACTIONS")
               : 4000;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { previousHandler = qInstallMessageHandler(recordMessage); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void randomChildNeverBreaksTheProgram()
    {
        std::map<QString, Latency> latency;
        QElapsedTimer wall;
        wall.start();
        const int actions = actionsPerSeed();
        int answeredRight = 0;
        for (quint32 seed : seeds()) {
            warnings.clear();
            test::Program program;
            Monkey monkey(program, seed);
            const QString broken = monkey.run(actions, latency);
            QVERIFY2(broken.isEmpty(), qPrintable(broken));
            answeredRight += monkey.answeredRight;
        }
        std::printf("monkey: %lld actions per seed, seeds %s, %.1f s\n", static_cast<long long>(actions),
                    qPrintable(qEnvironmentVariable("KAZEMARU_MONKEY_SEEDS", u"1,2,3"_s)), wall.elapsed() / 1000.0);
        std::printf("answered right knowing the answer: %d\n", answeredRight);
        // A run of any length gets to answer some problems right, so the ○ path is exercised.
        if (actions >= 2000) QVERIFY(answeredRight > 0);
        std::printf("%-8s %8s %10s %10s %10s\n", "screen", "actions", "median us", "p99 us", "worst us");
        for (auto& [screen, l] : latency) {
            std::sort(l.ns.begin(), l.ns.end());
            const auto at = [&](double q) {
                return l.ns[static_cast<size_t>(q * static_cast<double>(l.ns.size() - 1))] / 1000.0;
            };
            std::printf("%-8s %8zu %10.1f %10.1f %10.1f\n", qPrintable(screen), l.ns.size(), at(0.5), at(0.99),
                        at(1.0));
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
