#include "frame/PromptBlink.h"

#include "frame/widgets/Label.h"

#include <QTimer>

namespace kazemaru {

void PromptBlink::start(const QString& text)
{
    line_->setText(text);
    ticks_ = 0;
    if (!timer_->isActive()) timer_->start();
}

void PromptBlink::tick()
{
    ++ticks_;
    if (ticks_ >= 3) {
        timer_->stop();
        return;
    }
    // Setting the interval restarts the period from now.
    if (ticks_ % 2 == 1) {
        line_->hide();
        timer_->setInterval(50);
    } else {
        line_->show();
        timer_->setInterval(500);
    }
}

} // namespace kazemaru
