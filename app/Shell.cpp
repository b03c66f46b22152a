#include "app/Shell.h"

#include "app/ClassLink.h"
#include "app/LessonWarmup.h"
#include "app/ProgramStyle.h"
#include "app/ScreenFit.h"
#include "app/ScreenHost.h"
#include "app/Unit1.h"
#include "data/AnswerRecorder.h"
#include "data/untDTM.h"
#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"
#include "frame/LessonScreen.h"
#include "frame/widgets/Factory.h"
#include "lessons/area/Unit14.h"
#include "lessons/decimals/Unit10.h"
#include "lessons/decimals/Unit11.h"
#include "lessons/decimals/Unit12.h"
#include "lessons/decimals/Unit9.h"
#include "lessons/division/Unit3.h"
#include "lessons/division/Unit4.h"
#include "lessons/division/Unit5.h"
#include "lessons/division/Unit6.h"
#include "lessons/division/Unit7.h"
#include "lessons/division/Unit8.h"
#include "lessons/fractions/Unit16.h"
#include "lessons/numbers/Unit2.h"
#include "lessons/rounding/Unit13.h"
#include "lessons/rules/Unit15.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

// The pictures live in the static core library; nothing else pulls them into the program.
static void loadPictures()
{
    Q_INIT_RESOURCE(kazemaru);
}

namespace kazemaru {
namespace {

// The window icon, drawn from its SVG by the renderer the pictures use at the sizes window
// managers ask for. A QIcon made from the SVG file itself would load the icon-engine plugin and,
// through it, every image-format plugin before the contents screen could be painted.
QIcon programIcon()
{
    QSvgRenderer svg(u":/kazemaru.svg"_s);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Runs `then` once the contents screen has been painted the first time: what the child does not
// need to see the screen (the window icon, the learning record on disk, the lessons' shared
// frame) does not delay it.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(TForm1* contents, std::function<void()> then)
        : QObject(contents)
        , contents_(contents)
        , then_(std::move(then))
    {
        contents->installEventFilter(this);
        if (QWidget* page = contents->centralWidget()) page->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            contents_->removeEventFilter(this);
            if (QWidget* page = contents_->centralWidget()) page->removeEventFilter(this);
            QTimer::singleShot(0, contents_, then_);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    TForm1* contents_;
    std::function<void()> then_;
};

// One lesson of the registry: its frame facts and how its screen is made.
struct ScreenEntry {
    const FrameFacts& (*facts)();
    LessonScreen* (*make)(TDataModule1* data, QWidget* parent);
};

template <typename Screen> constexpr ScreenEntry lesson()
{
    return {Screen::frameFacts, [](TDataModule1*, QWidget* parent) -> LessonScreen* { return new Screen(parent); }};
}
template <typename Drill> constexpr ScreenEntry drill()
{
    return {Drill::frameFacts,
            [](TDataModule1* data, QWidget* parent) -> LessonScreen* { return new Drill(data, parent); }};
}

// The lesson screens, in the order start-up once built them all (the second decimal lesson before
// the first).
// clang-format off
constexpr ScreenEntry screens[] = {
    lesson<TForm2>(),  // large numbers
    lesson<TForm3>(),  // dividing tens and hundreds
    lesson<TForm4>(),  // long division, one digit
    lesson<TForm5>(),  // dividing by tens and hundreds
    lesson<TForm6>(),  // long division, two digits
    lesson<TForm7>(),  // long division, three digits
    drill<TForm8>(),   // division drill
    lesson<TForm9>(),  // structure of decimals
    lesson<TForm11>(), // decimal columns, up to three places
    lesson<TForm10>(), // decimal columns, one place
    drill<TForm12>(),  // decimal drill
    lesson<TForm13>(), // rounding
    lesson<TForm14>(), // area
    lesson<TForm15>(), // rules of calculation
    lesson<TForm16>(), // fractions
};
// clang-format on

} // namespace

const FrameFacts& frameFacts(int form)
{
    for (const ScreenEntry& entry : screens)
        if (entry.facts().form == form) return entry.facts();
    qFatal("frameFacts: no lesson screen TForm%d", form);
}

Shell::Shell(const QString& databaseFolder, double scale)
    : scale_(scale)
{
    loadPictures();
    QApplication::setApplicationName(u"Kazemaru"_s);
    data_ = std::make_unique<TDataModule1>(databaseFolder);
    answers_ = std::make_unique<AnswerRecorder>(databaseFolder, data_->learningRecord());
    connect(answers_.get(), &AnswerRecorder::storeFailed, this, &Shell::answerStoreFailed);
    contents_ = new TForm1();
    if (scale_ < 1.0) {
        auto* host = new ScreenHost(contents_, scale_);
        hosts_.append(host);
        contentsWindow_.reset(host);
    } else {
        contentsWindow_.reset(contents_);
    }
    connect(contents_, &TForm1::quitRequested, this, &Shell::end);
    contents_->setLessonSource([this](int n) { return form(n); });
    contents_->setDataModule(data_.get(), answers_.get());
    class_ = std::make_unique<ClassLink>(data_.get(), answers_.get(), databaseFolder);
    contents_->setClassLink(class_.get());
}

Shell::~Shell() = default;

QWidget* Shell::form(int n)
{
    if (n == 1) return contents_;
    if (n < 2 || n > 16) return nullptr;
    QWidget*& screen = lessons_[n - 2];
    if (!screen) screen = build(n);
    return screen;
}

QWidget* Shell::build(int form)
{
    const auto entry = std::find_if(std::begin(screens), std::end(screens),
                                    [form](const ScreenEntry& e) { return e.facts().form == form; });
    LessonScreen* screen = entry->make(data_.get(), hosted() ? nullptr : contents_);
    if (hosted())
        hosts_.append(new ScreenHost(screen, scale_, contentsWindow_.get()));
    else
        screen->setWindowFlag(Qt::Window);
    connect(screen, &LessonScreen::quitRequested, this, &Shell::end);
    connect(screen, &LessonScreen::answerJudged, answers_.get(), &AnswerRecorder::record);

    // What start-up once did for every screen before the child could open one. The screens that
    // run their show handler at creation run it now, unheard, as it was while sound was still off.
    if (screen->facts().runsShowAtCreation) {
        const bool sound = soundEnabled();
        setSoundEnabled(false);
        screen->FormCreate();
        setSoundEnabled(sound);
    }
    // Its clock would have ticked with the contents screen's since start-up: once that one shows
    // the time, so does the new screen, instead of an empty panel for its first second.
    if (const auto* status = contents_->findChild<StatusBar*>(u"StatusBar1"_s);
        status && !status->panelText(1).isEmpty())
        screen->Timer1Timer();
    return screen;
}

TDataModule1* Shell::dataModule()
{
    return data_.get();
}

void Shell::answerStoreFailed(const QString& text)
{
    // Shown over the lesson, once until the store takes answers again; the lesson goes on.
    reportError(text + u"\nレッスンは このまま つづけられます。きろくできなかった こたえは、"
                       u"書きこめるように なったら 書きこみます。"_s);
}

void Shell::end()
{
    if (ended_) return;
    ended_ = true;
    for (QWidget* screen : lessons_)
        if (screen) screen->hide();
    Q_EMIT ended();
}

void Shell::showContents()
{
    new AfterFirstPaint(contents_, [this] { afterFirstPaint(); });
    // Placed before it is shown: a window moved once it is on the screen waits for the window
    // system to move it before its first paint (some 15 ms), and may be seen to jump.
    centreOnScreen(contents_);
    contents_->show();
}

void Shell::afterFirstPaint()
{
    // The window system tells the contents window's real frame once it is on the screen; the scale
    // chosen with an assumed frame is chosen again from it.
    if (hosted()) refit();
    QApplication::setWindowIcon(programIcon());
    contents_->openRecord();
    if (ended_) return; // the record could not be read and the program is ending
    QList<FrameFacts> facts;
    for (const ScreenEntry& entry : screens)
        facts.append(entry.facts());
    prepareLessonFrames(facts);
}

int Shell::run()
{
    connect(this, &Shell::ended, qApp, &QApplication::quit, Qt::QueuedConnection);
    showContents();
    return QApplication::exec();
}

void Shell::refit()
{
    ScreenHost* host = hosts_.first();
    const double scale = scaleForScreen(host->QWidget::screen(), frameOf(host));
    if (scale == scale_) return;
    scale_ = scale;
    for (ScreenHost* h : hosts_)
        h->setScale(scale);
    centreOnScreen(contents_);
}

void applyLook(QApplication& app)
{
    QApplication::setApplicationName(u"Kazemaru"_s);
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    // The contents screen's menu bar stays in its window, above the status bar placed under it,
    // on desktops with a global menu bar too. It also spares start-up the session-bus query for
    // such a menu bar.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QFont font = app.font();
    font.setFamilies(programFamilies());
    font.setPixelSize(14);
    app.setFont(font);

    // Dialog buttons read はい / いいえ / OK whatever the machine's locale.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

int startProgram(QApplication& app)
{
    applyLook(app);
    loadPictures();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/kyozai"_s;
    // Chosen before any window is shown, with the frame a window manager usually draws; corrected
    // from the real frame once the contents window is up.
    Shell shell(folder, scaleForScreen(nullptr, assumedFrame()));
    return shell.run();
}

} // namespace kazemaru
