#include "app/Unit1.h"

#include "app/ChildPicker.h"
#include "app/ChildrenDialog.h"
#include "app/ClassLink.h"
#include "app/ClassServerDialog.h"
#include "app/HelpViewer.h"
#include "app/RecordsLoader.h"
#include "app/records/RecordsWindow.h" // the type alone: its functions are in the library
#include "data/untDTM.h"
#include "frame/Clock.h"
#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"
#include "frame/FrameFacts.h"
#include "frame/LessonScreen.h"
#include "frame/Windows.h"
#include "frame/widgets/Factory.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct LessonButton {
    int number; // CuteButtonN
    const char16_t* caption;
    int left, top, width;
    bool drill;
};

// The fifteen lesson buttons; CuteButtonN opens TForm(N - 1).
constexpr LessonButton lessonButtons[] = {
    {3, u"何千兆まで", 218, 92, 215, false},
    {4, u"何十、何百をわる", 218, 142, 215, false},
    {5, u"１けたでわる", 218, 182, 215, false},
    {6, u"何十、何百でわる", 218, 222, 215, false},
    {7, u"２けたでわる", 218, 262, 215, false},
    {8, u"３けたでわる", 218, 302, 215, false},
    {9, u"ドリル", 218, 342, 215, true},
    {10, u"小数のしくみ", 218, 392, 215, false},
    {11, u"たし算・ひき算１", 218, 432, 217, false},
    {12, u"たし算・ひき算２", 218, 472, 215, false},
    {13, u"ドリル", 218, 512, 215, true},
    {14, u"四捨五入", 674, 92, 215, false},
    {15, u"長方形や正方形", 674, 142, 215, false},
    {16, u"計算のきまり", 674, 192, 215, false},
    {17, u"分数について", 674, 242, 215, false},
};

struct Heading {
    int number; // LabelN
    const char16_t* text;
    int left, top;
};

constexpr Heading headings[] = {
    {6, u"１．数", 46, 97},      {7, u"２．わり算", 46, 147}, {8, u"３．小数", 46, 397},
    {9, u"４．がい数", 478, 97}, {10, u"５．面積", 478, 147}, {11, u"６．計算のきまり", 478, 197},
    {12, u"７．分数", 478, 247},
};

QTimer* makeTimer(QObject* parent, const QString& name, int interval)
{
    auto* t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
    , page_(new QWidget(this))
{
    setObjectName(u"TForm1"_s);
    setWindowTitle(u"Kazemaru"_s);
    setFixedSize(955, 716);
    setCentralWidget(page_);
    page_->setAutoFillBackground(true);
    QPalette pal = page_->palette();
    pal.setColor(QPalette::Window, colour::background);
    page_->setPalette(pal);

    // For parents and teachers; the child's screens have no way to it.
    auto* grownUps = menuBar()->addMenu(u"おうちのかたへ"_s);
    auto* records = grownUps->addAction(u"きろく"_s);
    records->setObjectName(u"Kiroku1"_s);
    connect(records, &QAction::triggered, this, &TForm1::Kiroku1Click);
    auto* names = grownUps->addAction(u"こどもの なまえ"_s);
    names->setObjectName(u"Namae1"_s);
    connect(names, &QAction::triggered, this, &TForm1::Namae1Click);
    auto* server = grownUps->addAction(u"クラスの サーバー"_s);
    server->setObjectName(u"Kurasu1"_s);
    connect(server, &QAction::triggered, this, &TForm1::Kurasu1Click);

    auto* help = menuBar()->addMenu(u"ヘルプ"_s);
    auto* tutorial = help->addAction(u"使い方"_s);
    tutorial->setObjectName(u"utorial1"_s);
    connect(tutorial, &QAction::triggered, this, &TForm1::utorial1Click);
    auto* about = help->addAction(u"バージョン情報"_s);
    about->setObjectName(u"About1"_s);
    connect(about, &QAction::triggered, this, &TForm1::About1Click);

    makeLabel(page_, u"Label4"_s, u"もくじ"_s, 424, 32, 27, true, colour::navy);
    for (const Heading& h : headings)
        makeLabel(page_, u"Label%1"_s.arg(h.number), QString::fromUtf16(h.text), h.left, h.top, 21, true, colour::navy);
    for (const LessonButton& b : lessonButtons) {
        const ButtonFact fact{u"CuteButton%1"_s.arg(b.number),
                              QString::fromUtf16(b.caption),
                              b.left,
                              b.top,
                              b.width,
                              30,
                              b.drill ? colour::skyBlue : colour::mint,
                              colour::navy};
        auto* button = makeButton(page_, fact, 21);
        const int form = b.number - 1;
        connect(button, &QAbstractButton::clicked, this, [this, form] { openLesson(form); });
    }
    auto* quit = makeButton(page_, {u"CuteButton2"_s, u"おわる"_s, 840, 592, 90, 30, colour::navy, colour::cream}, 15);
    connect(quit, &QAbstractButton::clicked, this, &TForm1::CuteButton2Click);
    // Brothers and sisters take turns without starting the program again.
    turn_ = makeButton(page_, {u"CuteButton18"_s, u"こうたい"_s, 736, 592, 90, 30, colour::pink, colour::navy}, 15);
    connect(turn_, &QAbstractButton::clicked, this, &TForm1::CuteButton18Click);
    turn_->hide();

    auto* picture = new Picture(u":/guide.svg"_s, page_);
    picture->setObjectName(u"Image1"_s);
    picture->setGeometry(0, 576, 64, 64);
    picture->hide();
    auto* prompt = makeLabel(page_, u"Label5"_s, QString(), 68, 606, 16, true, colour::red);

    status_ = new StatusBar({680, 50}, page_);
    status_->setObjectName(u"StatusBar1"_s);
    const int statusTop = 716 - menuBar()->sizeHint().height() - 22;
    status_->setGeometry(0, statusTop, 955, 22);

    auto* timer1 = makeTimer(this, u"Timer1"_s, 1000);
    connect(timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    timer1->start();
    auto* timer2 = makeTimer(this, u"Timer2"_s, 500);
    connect(timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    blink_ = PromptBlink(prompt, timer2);
    timer3_ = makeTimer(this, u"Timer3"_s, 1000);
    timer3_->setSingleShot(true);
    connect(timer3_, &QTimer::timeout, this, &TForm1::Timer3Timer);

    picker_ = new ChildPicker(page_);
    connect(picker_, &ChildPicker::chosen, this, &TForm1::childChosen);

    FormCreate();
}

void TForm1::FormCreate()
{
    setSoundEnabled(false);
    helpFile_ = programFolder() + u"Kazemaru.hlp"_s;
    page_->findChild<QWidget*>(u"Image1"_s)->show();
    blink_.start(u"「ボタン」を えらんで はじめてね！"_s);
    timer3_->start();
}

void TForm1::Timer1Timer()
{
    status_->setPanelText(1, clockText(currentDateTime()));
}

void TForm1::Timer2Timer()
{
    blink_.tick();
}

void TForm1::Timer3Timer()
{
    timer3_->stop();
    if (fanfarePlayed_) return;
    fanfarePlayed_ = true;
    setSoundEnabled(true);
    playCue(cue::fanfare);
}

void TForm1::openLesson(int form)
{
    if (form < 2 || form > 16 || !lessons_) return;
    QWidget* screen = lessons_(form);
    if (!screen) return;
    screen->show();
    bringToFront(screen);
}

void TForm1::CuteButton2Click()
{
    if (showDialog(DialogKind::Confirm, u"おわっても いいの？"_s) != DialogAnswer::No) Q_EMIT quitRequested();
}

void TForm1::utorial1Click()
{
    if (!helpViewer_) helpViewer_ = new HelpViewer(this);
    static_cast<HelpViewer*>(helpViewer_)->showContents(helpFile_);
}

QWidget* TForm1::helpViewer() const
{
    return helpViewer_;
}

void TForm1::About1Click()
{
    showDialog(DialogKind::Information, u"Kazemaru\nVersion 1.1"_s);
}

void TForm1::openRecord()
{
    if (!data_) return;
    QList<ChildProfile> children;
    // The class's roster as last kept here is offered from the first asking; the sender, which
    // opens the record on a thread of its own, starts once this first opening is through.
    if (class_) class_->readSettings();
    if (StoreError error = readPickable(children)) {
        if (data_->store().lastFault() == StoreFault::Newer) {
            // The file stays as it is: a later release may still read it.
            reportError(
                u"べんきょうの きろくの ファイルは、この Kazemaru より あたらしい Kazemaru で つくられました。\n"
                u"この Kazemaru では つかえないので、Kazemaru を おわります。"
                u"ファイルは そのままに してあります。あたらしい Kazemaru を つかってください。\n%1"_s.arg(
                    data_->store().filePath()));
            Q_EMIT quitRequested();
            return;
        }
        reportError(*error);
        return;
    }
    if (class_) class_->start(); // the record is open: what waits may go to the class server now
    turn_->setVisible(children.size() > 1);
    if (children.size() > 1) {
        picker_->ask(children);
        return;
    }
    showChild();
}

StoreError TForm1::readPickable(QList<ChildProfile>& children)
{
    if (!data_) return u"no store"_s;
    return class_ ? class_->tryReadPickable(children) : data_->learningRecord().tryReadChildren(children);
}

void TForm1::setClassLink(ClassLink* link)
{
    class_ = link;
    connect(link, &ClassLink::statusChanged, this, &TForm1::showStatus);
    connect(link, &ClassLink::rosterChanged, this, &TForm1::rosterChanged);
}

void TForm1::childChosen(const QString& uid)
{
    if (class_) {
        if (StoreError error = class_->tryAdopt(uid)) reportError(*error);
    }
    if (data_) data_->learningRecord().setCurrentChildUid(uid);
    showChild();
    playCue(cue::choice);
}

void TForm1::showChild()
{
    QList<ChildProfile> local, children;
    if (!data_ || data_->learningRecord().tryReadChildren(local) || readPickable(children)) return;
    const QString current = data_->learningRecord().currentChildUid();
    for (const ChildProfile& child : local)
        if (child.uid == current) childText_ = u"べんきょうする人： %1"_s.arg(child.name);
    turn_->setVisible(children.size() > 1);
    showStatus();
}

void TForm1::showStatus()
{
    // Comes with every change of the class server's state, twice for each answer sent: the store
    // is not read for it.
    const QString server = class_ ? class_->statusText() : QString();
    status_->setPanelText(0, server.isEmpty() ? childText_ : childText_ + u"　　　"_s + server);
}

void TForm1::rosterChanged()
{
    QList<ChildProfile> children;
    if (!data_ || readPickable(children)) return;
    const QString current = data_->learningRecord().currentChildUid();
    const bool shown =
        std::any_of(children.cbegin(), children.cend(), [&](const ChildProfile& c) { return c.uid == current; });
    // Asks again while asking, and asks when the child studying now is not on the list any more
    // (the unused first child gives way to the class's roster).
    if (picker_->isVisible() || (!shown && children.size() > 1))
        picker_->ask(children);
    else
        showChild();
}

void TForm1::CuteButton18Click()
{
    QList<ChildProfile> children;
    if (!data_) return;
    if (StoreError error = readPickable(children)) {
        reportError(*error);
        return;
    }
    picker_->ask(children);
}

void TForm1::Namae1Click()
{
    if (!data_) return;
    if (!children_) {
        children_ = new ChildrenDialog(data_->learningRecord(), answers_, this);
        connect(children_, &ChildrenDialog::childrenChanged, this, [this] {
            if (class_) class_->wake(); // a child added here goes on the class's roster
            showChild();
            if (records_ && records_->isVisible()) reloadRecordsWindow(records_);
            if (picker_->isVisible()) CuteButton18Click(); // asks again, with the names as they are now
        });
    }
    children_->reload();
    children_->show();
    bringToFront(children_);
}

void TForm1::Kurasu1Click()
{
    if (!server_) {
        server_ = new ClassServerDialog(class_, this);
        connect(server_, &ClassServerDialog::saved, this, [this] {
            if (class_) class_->start();
            showChild();
        });
    }
    server_->reload();
    server_->show();
    bringToFront(server_);
}

void TForm1::practise(const QString& childUid, int lesson, int subTopic)
{
    if (lesson < 2 || lesson > 16 || !lessons_) return;
    auto* screen = qobject_cast<LessonScreen*>(lessons_(lesson));
    if (!screen) return;
    if (data_ && !childUid.isEmpty()) data_->learningRecord().setCurrentChildUid(childUid);
    showChild();
    if (records_) records_->close();
    picker_->hide();
    openLesson(lesson);
    if (const MenuFact& menu = screen->facts().menu; !menu.name.isEmpty() && subTopic >= 1)
        if (auto* box = screen->findChild<SimpleComboBox*>(menu.name)) box->choose(subTopic - 1);
    for (const ButtonFact& b : screen->facts().buttons)
        if (b.name == u"CuteButton3"_s && b.caption == u"べんきょう"_s && screen->lessonMode() == Study)
            if (auto* mode = screen->findChild<QAbstractButton*>(b.name)) mode->click();
}

void TForm1::Kiroku1Click()
{
    // Its charts come from a library of their own, loaded only when a grown-up first opens it.
    const RecordsRequest request{
        data_, answers_, this, records_,
        [this](const QString& child, int lesson, int subTopic) { practise(child, lesson, subTopic); }};
    if (RecordsWindow* window = openRecordsWindow(request)) records_ = window;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing the contents window by its frame ends the program without asking.
    event->accept();
    Q_EMIT quitRequested();
}

} // namespace kazemaru
