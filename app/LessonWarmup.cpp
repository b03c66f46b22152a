#include "app/LessonWarmup.h"

#include "frame/LessonScreen.h"
#include "frame/widgets/Factory.h"
#include "frame/widgets/Label.h"

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSet>

using namespace Qt::StringLiterals;

namespace kazemaru {

void prepareLessonFrames(const QList<FrameFacts>& lessons)
{
    if (lessons.isEmpty()) return;
    // The first lesson's frame, with a title in every other size and weight the lessons use. Its
    // form number is none of the lessons', so nothing mistakes it for a lesson screen.
    FrameFacts sample = lessons.first();
    sample.form = 0;
    sample.memoTop = 96;
    QSet<QPair<int, bool>> faces;
    for (const TextFact& t : sample.titles)
        faces.insert({t.pixelSize, t.bold});
    for (const FrameFacts& lesson : lessons) {
        QList<TextFact> texts = lesson.titles;
        texts.append(lesson.prompt);
        for (TextFact t : texts) {
            if (faces.contains({t.pixelSize, t.bold})) continue;
            faces.insert({t.pixelSize, t.bold});
            if (t.text.isEmpty()) t.text = u"つぎの もんだいを とこう 0.1 1/2"_s;
            sample.titles.append(t);
        }
    }
    LessonScreen frame(sample, nullptr);
    makeDigitSelector(&frame, u"ComboBox0"_s, 104, 560, u"一"_s);
    if (auto* memo = frame.findChild<QPlainTextEdit*>(u"Memo1"_s)) {
        memo->setPlainText(u"０．１ｃｍ の １０こ分は １ｃｍ です。\n3.47 + 6.58 = 10.05"_s);
        memo->show();
    }
    if (auto* prompt = frame.findChild<Label*>(sample.prompt.name)) prompt->setText(sample.prompt.text);

    // Drawn as the window's own backing store is: opaque, at the screen's pixel ratio.
    const qreal ratio = frame.devicePixelRatioF();
    QImage image(frame.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    frame.render(&painter);
}

} // namespace kazemaru
