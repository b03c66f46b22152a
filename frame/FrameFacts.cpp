#include "frame/FrameFacts.h"

#include "frame/Palette.h"
#include "frame/Prompts.h"

namespace kazemaru::facts {

using namespace Qt::StringLiterals;
using namespace colour;

TextFact chapterTitle(const QString& text, int left)
{
    return {u"Label1"_s, text, left, 32, 27, true, navy};
}

TextFact lessonTitle(const QString& text, int left)
{
    return {u"Label2"_s, text, left, 80, 24, true, colour::lessonTitle};
}

TextFact promptLine(const QString& name, const QString& opening, int left, int top)
{
    return {name, opening, left, top, 16, true, red};
}

MenuFact menu(const QStringList& items, const QString& field)
{
    MenuFact m;
    m.field = field;
    m.items = items;
    return m;
}

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

ButtonFact next(int top, int left)
{
    return button(u"CuteButton4"_s, u"つぎへ"_s, left, top, pink, navy);
}

ButtonFact mode()
{
    return button(u"CuteButton3"_s, u"べんきょう"_s, 840, 616, green, cream);
}

ButtonFact back(int left)
{
    return button(u"CuteButton2"_s, u"もくじへ"_s, left, 616, olive, cream);
}

ButtonFact quit(int left)
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

} // namespace kazemaru::facts
