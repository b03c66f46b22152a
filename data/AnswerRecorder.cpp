#include "data/AnswerRecorder.h"

#include "data/KyozaiSchema.h"
#include "data/LearningRecordStore.h"
#include "data/untDTM.h"
#include "store/TableStore.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

QString firstChild(const TableStore& store)
{
    QSqlQuery q(store.database());
    return q.exec(u"SELECT uid FROM children ORDER BY position, rowid LIMIT 1"_s) && q.next() ? q.value(0).toString()
                                                                                              : QString();
}

} // namespace

AnswerRecorder::AnswerRecorder(const QString& folder, LearningRecordStore& children, QObject* parent)
    : QObject(parent)
    , folder_(folder)
    , children_(children)
{
    writer_.reset(QThread::create([this] { writeLoop(); }));
    writer_->setObjectName(u"answer-writer"_s);
    writer_->start();
}

AnswerRecorder::~AnswerRecorder()
{
    {
        QMutexLocker lock(&mutex_);
        stopping_ = true;
        wake_.wakeAll();
    }
    writer_->wait();
}

void AnswerRecorder::setRetryInterval(int ms)
{
    QMutexLocker lock(&mutex_);
    retryMs_ = ms;
}

void AnswerRecorder::record(const AnswerRecord& answer)
{
    AnswerRecord row = answer;
    row.uid = newRowUid();
    row.childUid = children_.currentChildUid();
    QMutexLocker lock(&mutex_);
    line_.push_back(std::move(row));
    wake_.wakeAll();
}

bool AnswerRecorder::waitUntilStored(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&mutex_);
    while (!line_.empty() || writing_)
        if (!stored_.wait(&mutex_, deadline)) return line_.empty() && !writing_;
    return true;
}

int AnswerRecorder::waiting() const
{
    QMutexLocker lock(&mutex_);
    return int(line_.size());
}

bool AnswerRecorder::refusing() const
{
    QMutexLocker lock(&mutex_);
    return failing_;
}

void AnswerRecorder::forgetChild(const QString& childUid)
{
    QMutexLocker lock(&mutex_);
    std::erase_if(line_, [&](const AnswerRecord& a) { return a.childUid == childUid; });
    stored_.wakeAll();
}

void AnswerRecorder::writeLoop()
{
    // The writer's own connection, made, used and closed on this thread.
    TableStore store(folder_, {answersTable()}, kyozaiUpgrades());
    QMutexLocker lock(&mutex_);
    for (;;) {
        while (line_.empty() && !stopping_)
            wake_.wait(&mutex_);
        if (line_.empty()) break;
        AnswerRecord next = line_.front();
        writing_ = true;
        lock.unlock();
        // An answer judged while the store could not say who is studying belongs to the first
        // child, who studies when no one was chosen.
        if (next.childUid.isEmpty() && store.open()) next.childUid = firstChild(store);
        const bool stored =
            !next.childUid.isEmpty() && store.append(answersTable().name, LearningRecordStore::answerRow(next));
        lock.relock();
        writing_ = false;
        if (stored) {
            // The first in line may have gone meanwhile with a child who was removed.
            if (!line_.empty() && line_.front().uid == next.uid) line_.pop_front();
            failing_ = false;
            stored_.wakeAll();
            lock.unlock();
            Q_EMIT answerStored();
            lock.relock();
            continue;
        }
        if (!failing_) {
            failing_ = true;
            const QString plain = storeFaultAdvice(store.lastFault());
            const QString text = u"こたえの きろくを 書きこめませんでした。\n%1%2"_s.arg(
                plain.isEmpty() ? QString() : plain + u'\n', store.lastError());
            QMetaObject::invokeMethod(
                this, [this, text] { Q_EMIT storeFailed(text); }, Qt::QueuedConnection);
        }
        stored_.wakeAll();
        if (stopping_) break; // the last try was made
        wake_.wait(&mutex_, retryMs_);
    }
}

} // namespace kazemaru
