#include "frame/LessonScreen.h"

#include "frame/Clock.h"
#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"
#include "frame/Prompts.h"

#include <QListWidget>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTimer>
#include <exception>

using namespace Qt::StringLiterals;

namespace kazemaru {

LessonScreen::LessonScreen(const FrameFacts& facts, QWidget* parent)
    : QDialog(parent)
    , facts_(facts)
{
    setObjectName(u"TForm%1"_s.arg(facts.form));
    setWindowTitle(u"Kazemaru"_s);
    setFixedSize(facts_.width, facts_.height);
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::background);
    setPalette(pal);

    for (const TextFact& t : facts_.titles)
        addLabel(t.name, t.text, t.left, t.top, t.pixelSize, t.bold, t.colour);

    if (const MenuFact& m = facts_.menu; !m.name.isEmpty()) menu_ = addMenu(m);

    const TextFact& p = facts_.prompt;
    prompt_ = addLabel(p.name, QString(), p.left, p.top, p.pixelSize, p.bold, p.colour);
    auto* picture = new Picture(u":/guide.svg"_s, this);
    picture->setObjectName(facts_.picture);
    picture->setGeometry(facts_.pictureLeft, facts_.pictureTop, 64, 64);

    for (const ButtonFact& b : facts_.buttons) {
        addButton(b);
        if (b.name == u"CuteButton3"_s && b.caption == u"べんきょう"_s) hasModeButton_ = true;
    }
    if (facts_.memoTop) {
        memo_ = makeMemo(this, u"Memo1"_s, QRect(104, *facts_.memoTop, 720, 440), {});
        if (auto* point = button(pointButton)) point->setEnabled(false); // until the lesson gives its memo
    }

    status_ = new StatusBar({facts_.statusPanel0, 50}, this);
    status_->setObjectName(u"StatusBar1"_s);
    status_->setGeometry(0, height() - 22, width(), 22);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setInterval(1000);
    wireTimer(timer1_);
    timer1_->start();
    timer2_ = new QTimer(this);
    timer2_->setObjectName(u"Timer2"_s);
    timer2_->setInterval(facts_.blinkInterval);
    wireTimer(timer2_);
    blink_ = PromptBlink(prompt_, timer2_);
}

QString LessonScreen::pendingPrompt()
{
    return u"この レッスンは まだ じゅんびちゅう だよ。"_s;
}

void LessonScreen::invokeHandler(const char* name)
{
    try {
        if (!QMetaObject::invokeMethod(this, name, Qt::DirectConnection))
            qWarning("%s has no handler %s", qPrintable(objectName()), name);
    } catch (const std::exception& e) {
        reportError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportError(u"よそうしない エラーが おきました。"_s);
    }
}

void LessonScreen::wire(QWidget* widget)
{
    const QString name = widget->objectName();
    if (auto* box = qobject_cast<SimpleComboBox*>(widget)) {
        const QByteArray handler = (name + u"Change"_s).toLatin1();
        connect(box, &SimpleComboBox::changed, this, [this, handler] { invokeHandler(handler.constData()); });
        wired_.append(handler);
    } else if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
        const QByteArray handler = (name + u"Click"_s).toLatin1();
        connect(b, &QAbstractButton::clicked, this, [this, handler] { invokeHandler(handler.constData()); });
        wired_.append(handler);
    }
}

void LessonScreen::wireTimer(QTimer* timer)
{
    const QByteArray handler = (timer->objectName() + u"Timer"_s).toLatin1();
    connect(timer, &QTimer::timeout, this, [this, handler] { invokeHandler(handler.constData()); });
    wired_.append(handler);
}

QStringList LessonScreen::missingHandlers() const
{
    // Checked once the screen is whole: while the frame is being built, the lesson's own handlers
    // are not part of the meta-object yet.
    QStringList missing;
    for (const QByteArray& handler : wired_)
        if (metaObject()->indexOfSlot(handler + "()") < 0) missing.append(QString::fromLatin1(handler));
    return missing;
}

Label* LessonScreen::addLabel(const QString& name, const QString& text, int left, int top, int pixelSize, bool bold,
                              const QColor& colour)
{
    return makeLabel(this, name, text, left, top, pixelSize, bold, colour);
}

SimpleComboBox* LessonScreen::addDigitSelector(const QString& name, int left, int top, const QString& heading,
                                               int width, int height)
{
    auto* box = makeDigitSelector(this, name, left, top, heading, width, height);
    box->hide();
    wire(box);
    return box;
}

CuteButton* LessonScreen::addButton(const ButtonFact& fact)
{
    auto* b = makeButton(this, fact);
    wire(b);
    return b;
}

SimpleComboBox* LessonScreen::addMenu(const MenuFact& m)
{
    auto* box = new SimpleComboBox(m.items, this);
    // Menu items such as "×÷のある計算" keep their signs as large as the kanji beside them.
    alignByCharacters(box);
    box->setObjectName(m.name);
    box->setGeometry(m.left, m.top, m.width, m.height);
    box->setText(m.field);
    wire(box);
    return box;
}

void LessonScreen::addLabels(std::span<const LabelDesign> table)
{
    for (const LabelDesign& l : table)
        addLabel(u"Label%1"_s.arg(l.number), QString(), l.left, l.top, l.pixelSize, l.bold, l.colour);
}

void LessonScreen::addDigitSelectors(std::span<const SelectorDesign> table, int top)
{
    for (const SelectorDesign& s : table) {
        const QString name = u"ComboBox%1"_s.arg(s.number);
        addDigitSelector(name, s.left, top, QString::fromUtf16(s.heading), s.width);
        declared_.insert(name, s);
    }
}

void LessonScreen::spaceTheSevens(std::span<const SelectorDesign> table)
{
    QStringList items = digitItems();
    items[7] = u"７　"_s;
    for (const SelectorDesign& s : table) {
        SimpleComboBox* box = selector(s.number);
        box->setItems(items);
        // The space after the 7 is wider than the list: keep the digit instead of an ellipsis.
        box->list()->setTextElideMode(Qt::ElideNone);
    }
}

QList<QPair<int, int>> LessonScreen::choicesFor(std::span<const SelectorDesign> table, int part, int value)
{
    QList<QPair<int, int>> choices;
    for (const SelectorDesign& s : table)
        if (s.part == part) choices.append({s.number, value / s.weight % 10});
    return choices;
}

void LessonScreen::hideSelectors(std::span<const SelectorDesign> table)
{
    for (const SelectorDesign& s : table)
        selector(s.number)->hide();
}

void LessonScreen::clearSelectors(std::span<const SelectorDesign> table)
{
    for (const SelectorDesign& s : table) {
        SimpleComboBox* box = selector(s.number);
        box->setItemIndex(-1);
        box->setText(QString::fromUtf16(s.heading));
    }
}

CuteButton* LessonScreen::button(int n) const
{
    return numbered<CuteButton>(this, u"CuteButton"_s, n);
}
SimpleComboBox* LessonScreen::selector(int n) const
{
    return numbered<SimpleComboBox>(this, u"ComboBox"_s, n);
}
Label* LessonScreen::label(int n) const
{
    return numbered<Label>(this, u"Label"_s, n);
}

void LessonScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOnScreen(this);
    if (!event->spontaneous()) invokeHandler("FormCreate");
}

void LessonScreen::setLessonMode(int mode)
{
    mode_ = mode;
    if (auto* b = button(modeButton); b && hasModeButton_) b->setText(mode == Study ? u"べんきょう"_s : u"テスト"_s);
}

void LessonScreen::promptBlink(const QString& text)
{
    blink_.start(text);
}

void LessonScreen::Timer2Timer()
{
    blink_.tick();
}

void LessonScreen::Timer1Timer()
{
    status_->setPanelText(1, clockText(currentDateTime()));
}

void LessonScreen::screenReset()
{
    entered_[0].clear();
    entered_[1].clear();
    if (judgeMark_) judgeMark_->clear();
    if (memo_) memo_->hide();
    overlay_ = false;
}

void LessonScreen::FormCreate()
{
    setLessonMode(Study);
    screenReset();
    resetCountersOnShow();
    if (auto* next = button(nextButton)) next->setEnabled(nextEnabledOnShow());
    promptBlink(openingPrompt());
    playCue(facts_.showCue);
}

void LessonScreen::ComboBox1Change()
{
    const int index = menu_ ? menu_->itemIndex() : -1;
    if (index < 0) return;
    screenReset();
    setLessonMode(Study);
    subTopic_ = index + 1;
    promptBlink(menuChosen());
    playCue(cue::choice);
}

void LessonScreen::CuteButton3Click()
{
    const bool memoWasShown = overlay_;
    screenReset();
    QString text;
    if (mode_ == Study) {
        setLessonMode(Test);
        text = testEntered();
    } else {
        setLessonMode(Study);
        text = studyEntered();
    }
    // A screen that leaves its prompt alone still drops the memo's own prompt: the reset has
    // closed the memo it speaks of, as the point button would.
    if (!text.isNull())
        promptBlink(text);
    else if (memoWasShown)
        promptBlink(prompt::chooseMenuQuoted);
    playCue(cue::choice);
}

void LessonScreen::CuteButton4Click()
{
    screenReset();
    if (auto* next = button(nextButton)) next->setEnabled(false);
    problemPosed();
    promptBlink(mode_ == Study ? nextInStudy() : nextInTest());
    playCue(cue::next);
}

void LessonScreen::CuteButton6Click()
{
    if (!memo_) return;
    if (overlay_) {
        overlay_ = false;
        memo_->hide();
        promptBlink(prompt::chooseMenuQuoted);
        playCue(cue::next);
    } else {
        memo_->move(memo_->x(), facts_.memoTop.value_or(memo_->y()));
        memo_->show();
        memo_->raise();
        promptBlink(u"もういちど「ポイント」ボタンを おせば きえるよ！"_s);
        overlay_ = true;
        playCue(cue::memo);
    }
}

void LessonScreen::CuteButton2Click()
{
    hide();
}

void LessonScreen::CuteButton1Click()
{
    if (showDialog(DialogKind::Confirm, facts_.quitQuestion) != DialogAnswer::No) Q_EMIT quitRequested();
}

// A screen whose lesson is not built yet keeps its next button off and says so.
QString LessonScreen::menuChosen()
{
    if (auto* next = button(nextButton)) next->setEnabled(false);
    return pendingPrompt();
}

QString LessonScreen::testEntered()
{
    return pendingPrompt();
}
QString LessonScreen::studyEntered()
{
    return pendingPrompt();
}
QString LessonScreen::nextInStudy()
{
    return pendingPrompt();
}
QString LessonScreen::nextInTest()
{
    return pendingPrompt();
}

void LessonScreen::setJudgeMark(Label* mark)
{
    judgeMark_ = mark;
    // "×" as large and round as "○": the Japanese face has both.
    alignByCharacters(mark);
}

void LessonScreen::problemPosed()
{
    posedMs_ = monotonicMs();
    tries_ = 0;
}

void LessonScreen::judge(bool right, const AnswerFacts& answer)
{
    if (judgeMark_) {
        judgeMark_->setText(right ? u"○"_s : u"×"_s);
        judgeMark_->show();
    }
    playCue(right ? cue::right : cue::wrong);
    if (auto* next = button(nextButton)) next->setEnabled(true);
    promptBlink(facts_.promptAfterJudging);
    // Reported last: whatever the receiver does, the child has seen the mark first.
    if (mode_ == Test) reportAnswer(right, answer);
}

void LessonScreen::reportAnswer(bool right, const AnswerFacts& answer)
{
    AnswerRecord r;
    r.answeredAt = currentDateTime();
    r.lesson = facts_.form;
    r.subTopic = subTopic_;
    r.kind = answer.kind;
    r.problem = oneLine(answer.problem);
    r.given = answer.given;
    r.expected = answer.expected;
    r.right = right;
    r.seconds = double(monotonicMs() - posedMs_) / 1000;
    r.attempt = ++tries_;
    Q_EMIT answerJudged(r);
}

bool LessonScreen::refusesTest()
{
    if (mode_ != Study || !facts_.untestedItems.contains(subTopic_)) return false;
    showDialog(DialogKind::Information, facts_.noTestNotice);
    return true;
}

bool LessonScreen::takeDigit(int number)
{
    const SimpleComboBox* box = selector(number);
    const auto design = declared_.constFind(box ? box->objectName() : QString());
    if (design == declared_.cend() || box->itemIndex() < 0) return false;
    entered_[design->part == 0 ? 0 : 1].set(design->weight, box->itemIndex());
    return true;
}

void LessonScreen::storePlace(int number, int cue)
{
    if (takeDigit(number)) playCue(cue);
}

int LessonScreen::contribution(const QString& selector) const
{
    const auto design = declared_.constFind(selector);
    if (design == declared_.cend()) return 0;
    return entered(design->part).contribution(design->weight);
}

void LessonScreen::setMemoLines(const QStringList& lines, const QRect& geometry, int pixelSize)
{
    if (!memo_) return;
    memo_->setPlainText(lines.join(u'\n'));
    memo_->setGeometry(geometry);
    if (pixelSize > 0) {
        QFont f = memo_->font();
        f.setPixelSize(pixelSize);
        memo_->setFont(f);
    }
    if (auto* point = button(pointButton)) point->setEnabled(true);
}

} // namespace kazemaru
