#pragma once
// Keeps every judged answer. The judging handler gives the answer to record(), which stamps it
// with a new id and the child studying now and hands it on in microseconds: a writer thread with
// its own connection commits each answer durably (WAL, synchronous=FULL), one transaction per
// answer, in the order they were judged. A commit waits for the disk (about 4 ms here, far more
// under load), which the child's handler must not wait for.
//
// An answer the store cannot take stays first in line and is tried again when the next answer
// comes, and every few seconds, until the store takes it; those behind it wait, so the order is
// kept. The first failure of such a spell is told once through storeFailed(); the screen shows
// it, the lesson goes on. Nothing here opens a box.
#include "data/LearningRecord.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <deque>
#include <memory>

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class LearningRecordStore;

class AnswerRecorder : public QObject {
    Q_OBJECT
  public:
    // Answers go into the database folder `folder`; `children` says who is studying now.
    AnswerRecorder(const QString& folder, LearningRecordStore& children, QObject* parent = nullptr);
    // Writes what waits (one more try for answers the store refused), then stops the writer.
    ~AnswerRecorder() override;

    // Waits until every answer handed on is stored (or forgotten) and none is being written, at
    // most `timeoutMs`; false when some are still waiting then (the store refuses them, or the
    // disk is slow).
    bool waitUntilStored(int timeoutMs);
    // Answers handed on and not stored yet.
    int waiting() const;
    // Whether the store refused the last try (and no answer was stored since).
    bool refusing() const;
    // Forgets the waiting answers of a child who is being removed.
    void forgetChild(const QString& childUid);

  public Q_SLOTS:
    // A judged answer from a lesson: every field but uid and childUid filled.
    void record(const kazemaru::AnswerRecord& answer);

  Q_SIGNALS:
    // The store refused an answer: what went wrong, in words for a parent. Once a spell.
    void storeFailed(const QString& text);
    // An answer is on the disk. Emitted on the writer's thread: connect it directly only to what
    // may be called from any thread.
    void answerStored();

  private:
    void writeLoop();

    QString folder_;
    LearningRecordStore& children_;
    mutable QMutex mutex_;
    QWaitCondition wake_;   // an answer came, or the recorder is stopping
    QWaitCondition stored_; // the line grew shorter
    std::deque<AnswerRecord> line_;
    bool stopping_ = false;
    bool writing_ = false; // the first in line is being written
    bool failing_ = false; // a failure was told and no answer stored since
    int retryMs_ = 3000;
    std::unique_ptr<QThread> writer_;

    friend struct test::Probe; // the tests shorten it; the program keeps the default
    // How long a refused answer waits before it is tried again without a new answer.
    void setRetryInterval(int ms);
};

} // namespace kazemaru
