#include "app/ClassLink.h"

#include "data/AnswerRecorder.h"
#include "data/ClassRoster.h"
#include "data/untDTM.h"
#include "frame/Dialogs.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

ClassLink::ClassLink(TDataModule1* data, AnswerRecorder* answers, const QString& databaseFolder, QObject* parent)
    : QObject(parent)
    , data_(data)
    , answers_(answers)
    , folder_(databaseFolder)
{
}

ClassLink::~ClassLink() = default;

void ClassLink::readSettings()
{
    settings_ = ClassServerSettings::read();
}

void ClassLink::start()
{
    readSettings();
    // A sender once made stays (idle without settings) until the answer writer that wakes it is gone.
    if (sender_) {
        sender_->setSettings(settings_);
        Q_EMIT statusChanged();
        return;
    }
    if (!settings_.isSet()) return;
    sender_ = std::make_unique<ClassSender>(folder_, settings_);
    connect(sender_.get(), &ClassSender::stateChanged, this, &ClassLink::statusChanged);
    connect(sender_.get(), &ClassSender::rosterChanged, this, &ClassLink::rosterChanged);
    connect(sender_.get(), &ClassSender::rowsRefused, this, &ClassLink::tellRefused);
    // The answer writer's thread wakes the sender directly: wake() may be called from any thread.
    ClassSender* sender = sender_.get();
    if (answers_)
        connect(
            answers_, &AnswerRecorder::answerStored, sender, [sender] { sender->wake(); }, Qt::DirectConnection);
    if (data_) connect(data_, &TDataModule1::runRecorded, sender, &ClassSender::wake);
    Q_EMIT statusChanged();
}

SenderState ClassLink::state() const
{
    return sender_ ? sender_->state() : SenderState{};
}

QString ClassLink::statusText() const
{
    return isSet() ? statusText(settings_.classCode, state()) : QString();
}

QString ClassLink::statusText(const QString& classCode, const SenderState& state)
{
    const QString head = u"クラス %1： "_s.arg(classCode);
    switch (state.link) {
    case SenderState::Off: return {};
    case SenderState::Connecting: return head + u"つないでいます"_s;
    case SenderState::Reached:
        return head + (state.waiting > 0 ? u"つながっています（おくっています のこり %1）"_s.arg(state.waiting)
                                         : u"つながっています"_s);
    case SenderState::Unreachable:
        return head + (state.waiting > 0 ? u"つながっていません（あとで おくります：%1）"_s.arg(state.waiting)
                                         : u"つながっていません"_s);
    }
    return {};
}

StoreError ClassLink::tryReadPickable(QList<ChildProfile>& children)
{
    if (!data_) return u"no store"_s;
    if (!isSet()) return data_->learningRecord().tryReadChildren(children);
    return ClassRoster(data_->store()).tryReadPickable(settings_.classCode, children);
}

StoreError ClassLink::tryAdopt(const QString& uid)
{
    if (!data_ || !isSet()) return std::nullopt;
    return ClassRoster(data_->store()).tryAdopt(settings_.classCode, uid);
}

void ClassLink::wake()
{
    if (sender_) sender_->wake();
}

void ClassLink::retryRefused()
{
    if (sender_) sender_->retryRefused();
}

void ClassLink::tellRefused(int, const QString& reason)
{
    // Once a run, for a grown-up; the child's lesson goes on and the rows stay on this computer.
    reportError(u"クラスの サーバーが うけとらなかった きろくが あります。\n"
                u"その きろくは この コンピューターに のこっていて、ほかの きろくは このまま おくります。"
                u"おうちのかたへ →「クラスの サーバー」で、もういちど おくることが できます。\n%1"_s.arg(reason));
}

} // namespace kazemaru
