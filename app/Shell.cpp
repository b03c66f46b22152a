#include "app/Shell.h"

#include "app/LessonScreen.h"
#include "app/Unit1.h"
#include "data/untDTM.h"
#include "lessons/division/Unit3.h"
#include "lessons/division/Unit4.h"
#include "lessons/division/Unit5.h"
#include "lessons/division/Unit8.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

using namespace Qt::StringLiterals;

// The pictures live in the static core library; nothing else pulls them into the program.
static void loadPictures()
{
    Q_INIT_RESOURCE(kazemaru);
}

namespace kazemaru {
namespace {

LessonScreen* makeLessonScreen(int form, TDataModule1* data, QWidget* parent)
{
    switch (form) {
    case 3: return new TForm3(parent);
    case 4: return new TForm4(parent);
    case 5: return new TForm5(parent);
    case 8: return new TForm8(data, parent);
    default: {
        // A lesson whose content is still to come: only its frame works, and its own buttons stay off.
        auto* screen = new LessonScreen(form, parent);
        for (const ButtonFact& b : screen->facts().buttons) {
            const bool frame = b.name == u"CuteButton1"_s || b.name == u"CuteButton2"_s ||
                               (b.name == u"CuteButton3"_s && b.caption == u"べんきょう"_s);
            if (!frame) screen->findChild<QWidget*>(b.name)->setEnabled(false);
        }
        return screen;
    }
    }
}

// The start-up order of the lesson screens (the second decimal lesson before the first).
constexpr int creationOrder[] = {2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13, 14, 15, 16};

} // namespace

Shell::Shell(const QString& databaseFolder)
{
    loadPictures();
    QApplication::setApplicationName(u"Kazemaru"_s);
    data_ = std::make_unique<TDataModule1>(databaseFolder);
    contents_ = std::make_unique<TForm1>();
    connect(contents_.get(), &TForm1::quitRequested, this, &Shell::end);

    lessons_.resize(15);
    for (int form : creationOrder) {
        LessonScreen* screen = makeLessonScreen(form, data_.get(), contents_.get());
        screen->setWindowFlag(Qt::Window);
        lessons_[form - 2] = screen;
        connect(screen, &LessonScreen::quitRequested, this, &Shell::end);
        if (screen->facts().runsShowAtCreation) screen->FormCreate();
    }
    contents_->setLessonScreens(lessons_);
}

Shell::~Shell() = default;

QWidget* Shell::form(int n)
{
    if (n == 1) return contents_.get();
    return n >= 2 && n <= 16 ? lessons_[n - 2] : nullptr;
}

TDataModule1* Shell::dataModule()
{
    return data_.get();
}

void Shell::end()
{
    if (ended_) return;
    ended_ = true;
    for (QWidget* screen : lessons_)
        screen->hide();
    Q_EMIT ended();
}

int Shell::run()
{
    connect(this, &Shell::ended, qApp, &QApplication::quit, Qt::QueuedConnection);
    contents_->show();
    centreOnScreen(contents_.get());
    return QApplication::exec();
}

void applyLook(QApplication& app)
{
    QApplication::setApplicationName(u"Kazemaru"_s);
    QFont font = app.font();
    font.setFamilies({u"HG丸ｺﾞｼｯｸM-PRO"_s, u"MotoyaLMaru"_s, u"Noto Sans CJK JP"_s});
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
    app.setWindowIcon(QIcon(u":/kazemaru.svg"_s));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/kyozai"_s;
    Shell shell(folder);
    return shell.run();
}

} // namespace kazemaru
