#include "app/FrameFacts.h"

#include "app/Palette.h"
#include "app/Prompts.h"

#include <QtGlobal>
#include <array>

namespace kazemaru {

namespace {

using namespace Qt::StringLiterals;

using namespace colour;

// Prompts and questions whose spacing differs from screen to screen.
const QString mayQuit = u"おわっても いいの？"_s;
const QString mayQuitTight = u"おわってもいいの？"_s;
const QString mayQuitKanji = u"終わっても いいの？"_s;

// Titles without a designed left edge take the one of the division screens' titles.
TextFact chapterTitle(const QString& text, int left = 416)
{
    return {u"Label1"_s, text, left, 32, 27, true, navy};
}

TextFact lessonTitle(const QString& text, int left = 360)
{
    return {u"Label2"_s, text, left, 80, 24, true, colour::lessonTitle};
}

TextFact promptLine(const QString& name, const QString& opening, int left = 72, int top = 624)
{
    return {name, opening, left, top, 16, true, red};
}

MenuFact menu(const QStringList& items, const QString& field = u"     メニュー"_s)
{
    MenuFact m;
    m.field = field;
    m.items = items;
    return m;
}

// A menu whose items are too long for the usual box grows to the left, keeping its right edge,
// and shows every item without scrolling, so a child can read each sub-topic whole.
MenuFact wideMenu(const QStringList& items, int width, int height)
{
    MenuFact m = menu(items);
    m.left += m.width - width;
    m.width = width;
    m.height = height;
    return m;
}

ButtonFact button(const QString& name, const QString& caption, int left, int top, const QColor& face,
                  const QColor& text)
{
    return {name, caption, left, top, 90, 30, face, text};
}

ButtonFact next(int top = 568, int left = 840)
{
    return button(u"CuteButton4"_s, u"つぎへ"_s, left, top, pink, navy);
}

ButtonFact mode()
{
    return button(u"CuteButton3"_s, u"べんきょう"_s, 840, 616, green, cream);
}

ButtonFact back(int left = 736)
{
    return button(u"CuteButton2"_s, u"もくじへ"_s, left, 616, olive, cream);
}

ButtonFact quit(int left = 632)
{
    return button(u"CuteButton1"_s, u"おわる"_s, left, 616, navy, cream);
}

ButtonFact point()
{
    return button(u"CuteButton6"_s, u"ポイント"_s, 840, 568, purple, cream);
}

ButtonFact step(const QString& name, int left, int top)
{
    return button(name, u"ステップ１"_s, left, top, teal, cream);
}

ButtonFact restore(const QString& name, int left, int top)
{
    return button(name, u"もどす"_s, left, top, maroon, cream);
}

ButtonFact answer(int left, int top)
{
    return button(u"CuteButton5"_s, u"答え"_s, left, top, skyBlue, navy);
}

// The two drills share one button block: start, next, stop and results beside the back and quit
// buttons, which swap places there.
QList<ButtonFact> drillButtons()
{
    return {button(u"CuteButton3"_s, u"スタート"_s, 736, 520, skyBlue, navy),
            next(520),
            button(u"CuteButton5"_s, u"ストップ"_s, 736, 568, stopGreen, navy),
            button(u"CuteButton6"_s, u"けっか"_s, 840, 568, resultGreen, navy),
            quit(736),
            back(840)};
}

// The written long-division screens: next, step, point and restore above the usual bottom row.
// The restore button stands over the quit button, under the figure's left part: below the
// lowest row (its box ends at 540), left of the judge mark (from 752) and of the remainder, and
// right of the step text; the point memo covers it whole on all three screens.
QList<ButtonFact> longDivisionButtons()
{
    return {next(472), step(u"CuteButton5"_s, 840, 520), point(), restore(u"CuteButton7"_s, 632, 544), mode(), back(),
            quit()};
}

// The column addition screens: the step button takes the next button's usual place.
QList<ButtonFact> columnButtons()
{
    return {next(472), step(u"CuteButton5"_s, 840, 520), point(), mode(), back(), quit()};
}

std::array<FrameFacts, 15> buildAll()
{
    return {{
        {
            // large numbers
            .form = 2,
            .titles = {chapterTitle(u"何千兆まで"_s)},
            .menu = menu({u"数の表し方"_s, u"10、100倍"_s, u"10、100でわる"_s}),
            .prompt = promptLine(u"Label2"_s, prompt::chooseMenuQuoted),
            .picture = u"Image1"_s,
            .blinkInterval = 1000,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(520), restore(u"CuteButton5"_s, 840, 568), mode(), back(), quit()},
            .memoTop = std::nullopt,
        },
        {
            // dividing tens and hundreds
            .form = 3,
            .titles = {chapterTitle(u"わり算"_s), lessonTitle(u"何十、何百をわる"_s)},
            .menu = menu({u"何十をわる"_s, u"何百をわる"_s, u"何百何十をわる"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(), mode(), back(), quit()},
            .memoTop = std::nullopt,
            .runsShowAtCreation = true,
        },
        {
            // long division by a one-digit divisor
            .form = 4,
            .titles = {chapterTitle(u"わり算"_s), lessonTitle(u"１けたで わる（筆算）"_s)},
            .menu = menu({u"２けた ÷ １けた"_s, u"３けた ÷ １けた"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu),
            .picture = u"Image1"_s,
            .pictureLeft = 8,
            .pictureTop = 584,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = longDivisionButtons(),
            .memoTop = 128,
            .runsShowAtCreation = true,
        },
        {
            // dividing by tens and hundreds; ComboBox1 is a remainder digit here, so no menu
            .form = 5,
            .titles = {chapterTitle(u"わり算"_s), lessonTitle(u"何十、何百でわる（暗算）"_s, 328)},
            .menu = {.name = QString(), .field = QString(), .items = {}},
            .prompt = promptLine(u"Label3"_s, prompt::goOn),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(), mode(), back(), quit()},
            .memoTop = std::nullopt,
        },
        {
            // long division by a two-digit divisor
            .form = 6,
            .titles = {chapterTitle(u"わり算"_s), lessonTitle(u"２けたで わる（筆算）"_s)},
            .menu = menu({u"２けた ÷ ２けた"_s, u"３けた ÷ ２けた"_s, u"４けた ÷ ２けた"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu, 80, 608),
            .picture = u"Image1"_s,
            .pictureLeft = 8,
            .pictureTop = 584,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = longDivisionButtons(),
            .memoTop = 144,
        },
        {
            // long division by a three-digit divisor
            .form = 7,
            .titles = {chapterTitle(u"わり算"_s), lessonTitle(u"３けたで わる（筆算）"_s)},
            .menu = menu({u"４けた ÷ ３けた"_s, u"５けた ÷ ３けた"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu, 80, 608),
            .picture = u"Image1"_s,
            .pictureLeft = 8,
            .pictureTop = 584,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = longDivisionButtons(),
            .memoTop = 152,
        },
        {
            // division drill
            .form = 8,
            .titles = {chapterTitle(u"わり算のドリル"_s, 360)},
            .menu = {.field = u"　メニュー"_s,
                     .items = {u"１けたでわる"_s, u"２けたでわる"_s, u"３けたでわる"_s},
                     .left = 800,
                     .width = 130},
            .prompt = promptLine(u"Label2"_s, prompt::chooseMenuTight, 72, 608),
            .picture = u"Image1"_s,
            .blinkInterval = 1000,
            .promptAfterJudging = prompt::goOnTight,
            .quitQuestion = mayQuitTight,
            .buttons = drillButtons(),
            .memoTop = std::nullopt,
            .showCue = cue::digit,
        },
        {
            // structure of decimals
            .form = 9,
            .titles = {chapterTitle(u"小数のしくみ"_s)},
            .menu = menu({u"小数の表し方"_s, u"小数のしくみ"_s}, u"   メニュー"_s),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenuQuoted),
            .picture = u"Image1"_s,
            .pictureLeft = 8,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(520), answer(840, 568), mode(), back(), quit()},
            .memoTop = std::nullopt,
        },
        {
            // decimal addition and subtraction, one place
            .form = 10,
            .titles = {chapterTitle(u"小数のたし算・ひき算１"_s), lessonTitle(u"ひっ算"_s, 448)},
            .menu = menu({u"たし算"_s, u"ひき算"_s}, u"メニュー"_s),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenuTight),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOnTight,
            .quitQuestion = mayQuitTight,
            .buttons = columnButtons(),
            .memoTop = 136,
        },
        {
            // decimal addition and subtraction, up to three places
            .form = 11,
            .titles = {chapterTitle(u"小数のたし算・ひき算２"_s), lessonTitle(u"ひっ算"_s, 448)},
            .menu = menu({u"たし算"_s, u"ひき算"_s}, u"メニュー"_s),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenuTight),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOnTight,
            .quitQuestion = mayQuitTight,
            .buttons = columnButtons(),
            .memoTop = 136,
        },
        {
            // decimal drill
            .form = 12,
            .titles = {chapterTitle(u"小数の計算のドリル"_s, 360)},
            .menu = {.field = u"　         メニュー"_s,
                     .items = {u"たし算（小数第一位）"_s, u"たし算（小数第二・三位）"_s, u"ひき算（小数第一位）"_s,
                               u"ひき算（小数第二・三位）"_s},
                     .left = 696,
                     .width = 234,
                     .height = 113},
            .prompt = promptLine(u"Label2"_s, prompt::chooseMenuTight, 72, 608),
            .picture = u"Image1"_s,
            .blinkInterval = 1000,
            .promptAfterJudging = prompt::goOnTight,
            .quitQuestion = mayQuitTight,
            .buttons = drillButtons(),
            .memoTop = std::nullopt,
        },
        {
            // rounding
            .form = 13,
            .titles = {chapterTitle(u"がい数"_s), lessonTitle(u"四捨五入"_s)},
            .menu = wideMenu(
                {u"がい数と四捨五入"_s, u"○の位までのがい数"_s, u"○の位で四捨五入"_s, u"上から○けたのがい数"_s}, 165,
                89),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(), mode(), back(), quit()},
            .memoTop = std::nullopt,
        },
        {
            // area: study only, so a step button instead of next and mode
            .form = 14,
            .titles = {chapterTitle(u"面積"_s), lessonTitle(u"長方形や正方形"_s)},
            .menu = menu({u"凸凹なしの形"_s, u"凸凹ありの形"_s, u"単位の関係"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu),
            .picture = u"Image3"_s,
            .promptAfterJudging = QString(), // nothing is judged here
            .quitQuestion = mayQuitTight,
            .buttons = {step(u"CuteButton3"_s, 840, 568), back(), quit()},
            .memoTop = std::nullopt,
            .runsShowAtCreation = true,
        },
        {
            // rules of calculation
            .form = 15,
            .titles = {chapterTitle(u"計算のきまり"_s)},
            .menu = wideMenu({u"（　）のある計算"_s, u"＋－×÷のある計算"_s, u"×÷のある計算"_s,
                              u"たし算とひき算の関係"_s, u"かけ算とわり算の関係"_s},
                             175, 104),
            .prompt = promptLine(u"Label2"_s, prompt::chooseMenu),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuitKanji,
            // The answer button stands under the next button, clear of the judge mark at 736, 536.
            .buttons = {next(472), answer(840, 520), point(), mode(), back(), quit()},
            .memoTop = 168,
        },
        {
            // fractions; CuteButton5 is the answer button or the step button by sub-topic
            .form = 16,
            .height = 708,
            .titles = {chapterTitle(u"分数"_s), lessonTitle(u"分数について"_s)},
            .menu = menu({u"分数のしくみ"_s, u"分数の大小"_s, u"分数の種類"_s, u"仮分数と帯分数"_s}),
            .prompt = promptLine(u"Label3"_s, prompt::chooseMenu, 72, 600),
            .picture = u"Image3"_s,
            .promptAfterJudging = prompt::goOn,
            .quitQuestion = mayQuit,
            .buttons = {next(520), answer(840, 568), mode(), back(), quit()},
            .memoTop = std::nullopt,
        },
    }};
}

} // namespace

const FrameFacts& frameFacts(int form)
{
    static const std::array<FrameFacts, 15> all = buildAll();
    if (form < 2 || form > 16) qFatal("frameFacts: no lesson screen TForm%d", form);
    return all[static_cast<std::size_t>(form - 2)];
}

} // namespace kazemaru
