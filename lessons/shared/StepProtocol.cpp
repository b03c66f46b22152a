#include "lessons/shared/StepProtocol.h"

#include "frame/CuePlayer.h"
#include "frame/Prompts.h"
#include "frame/widgets/Label.h"

#include <QAbstractButton>
#include <QStringList>

namespace kazemaru::written {

using namespace Qt::StringLiterals;

QString stepCaption(int n)
{
    static const QStringList digits{u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s};
    return u"ステップ"_s + digits.value(n - 1);
}

StepReaction showStep(const StepShown& shown, const StepWidgets& widgets)
{
    widgets.text->setText(shown.text);
    widgets.step->setText(shown.caption);
    if (!shown.answer.isEmpty()) widgets.problemLine->setText(shown.answer);
    if (!shown.ends) return {prompt::goOnStep, cue::digit, false};
    widgets.next->setEnabled(true);
    widgets.step->setEnabled(false);
    return {prompt::goOnTight, cue::choice, true};
}

} // namespace kazemaru::written
