#include "data/ClassSender.h"

#include "data/ClassQueue.h"
#include "data/ClassRoster.h"
#include "data/KyozaiSchema.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// A refusal that is about the rows sent (a value out of the server's bounds, a child the class
// does not have), not about this computer's right to send at all: only those rows are refused.
bool aboutTheRows(const ServerError& e)
{
    return e.fault == ServerFault::Rejected && (e.sqlState.startsWith(u"22"_s) || e.sqlState.startsWith(u"23"_s));
}

template <typename Row> QStringList uidsOf(const QList<Row>& rows)
{
    QStringList uids;
    uids.reserve(rows.size());
    for (const Row& r : rows)
        uids << r.uid;
    return uids;
}

} // namespace

// One round: connect if need be, the roster when it is due, then everything that waits.
struct ClassSender::Round {
    ClassSender& sender;
    ClassQueue& queue;
    ClassRoster& roster;
    ClassServer& server;
    SenderState state;
    bool again = false; // something failed: try again after the wait

    // Ends the round: the server is not reached (or refuses this computer as a whole).
    void lost(const ServerError& e)
    {
        state.link = SenderState::Unreachable;
        state.problem = e.message;
        again = true;
    }
    // The local store failed; the rows stay as they are and go in a later round.
    void storeFailed(const QString& message)
    {
        state.problem = message;
        again = true;
    }
    void count()
    {
        QueueCounts counts;
        if (StoreError e = queue.tryCount(counts)) return storeFailed(*e);
        state.waiting = counts.waiting;
        state.refused = counts.refused;
    }

    // Sends `rows`, marking them sent; a batch the server refuses for its values is halved until
    // the rows it refuses are found, and those are marked refused. False when the round must end.
    template <typename Row>
    bool send(QueueTable table, const QList<Row>& rows, const std::function<ServerError(const QList<Row>&)>& deliver)
    {
        const ServerError e = deliver(rows);
        if (!e) {
            if (StoreError s = queue.tryMarkSent(table, uidsOf(rows), QDateTime::currentSecsSinceEpoch())) {
                storeFailed(*s);
                return false;
            }
            return true;
        }
        if (!aboutTheRows(e)) {
            lost(e);
            return false;
        }
        if (rows.size() == 1) {
            if (StoreError s = queue.tryMarkRefused(table, uidsOf(rows), e.message)) {
                storeFailed(*s);
                return false;
            }
            sender.tellRefused(1, e.message);
            return true;
        }
        const qsizetype half = rows.size() / 2;
        return send(table, rows.mid(0, half), deliver) && send(table, rows.mid(half), deliver);
    }

    // Every waiting row of one table, a batch at a time, until none waits or the round must end.
    template <typename Row>
    bool sendAll(QueueTable table, const std::function<StoreError(QList<Row>&)>& read,
                 const std::function<ServerError(const QList<Row>&)>& deliver)
    {
        for (;;) {
            if (sender.stopRequested()) return false;
            QList<Row> rows;
            if (StoreError e = read(rows)) {
                storeFailed(*e);
                return false;
            }
            if (rows.isEmpty()) return true;
            if (!send(table, rows, deliver)) return false;
            count();
            sender.publish(state);
        }
    }

    void run(bool rosterDue, bool& rosterRead)
    {
        count();
        if (!server.isOpen()) {
            if (sender.state().link == SenderState::Off) sender.publish(state); // connecting, at first
            if (const ServerError e = server.open()) return lost(e);
        }
        state.link = SenderState::Reached;
        sender.publish(state);

        if (rosterDue) {
            QList<ChildProfile> children;
            if (const ServerError e = server.readRoster(children)) return lost(e);
            bool changed = false;
            if (StoreError s = roster.tryKeep(server.settings().classCode, children, changed)) return storeFailed(*s);
            rosterRead = true;
            if (changed) QMetaObject::invokeMethod(&sender, [s = &sender] { Q_EMIT s->rosterChanged(); });
        }

        // The children first: an answer or a run names a child on the class's roster.
        const bool sent =
            sendAll<ChildProfile>(
                QueueTable::Children, [&](QList<ChildProfile>& rows) { return queue.tryReadChildren(rows); },
                [&](const QList<ChildProfile>& rows) {
                    for (const ChildProfile& c : rows)
                        if (const ServerError e = server.addChild(c)) return e;
                    return ServerError{};
                }) &&
            sendAll<AnswerRecord>(
                QueueTable::Answers, [&](QList<AnswerRecord>& rows) { return queue.tryReadAnswers(batchRows, rows); },
                [&](const QList<AnswerRecord>& rows) { return server.sendAnswers(rows); }) &&
            sendAll<DrillRunRecord>(
                QueueTable::Runs, [&](QList<DrillRunRecord>& rows) { return queue.tryReadRuns(batchRows, rows); },
                [&](const QList<DrillRunRecord>& rows) { return server.sendRuns(rows); });
        if (sent) count();
    }
};

ClassSender::ClassSender(const QString& folder, const ClassServerSettings& settings, QObject* parent)
    : QObject(parent)
    , folder_(folder)
    , settings_(settings)
{
    qRegisterMetaType<SenderState>();
    thread_.reset(QThread::create([this] { loop(); }));
    thread_->setObjectName(u"class-sender"_s);
    thread_->start();
}

ClassSender::~ClassSender()
{
    {
        QMutexLocker lock(&mutex_);
        stopping_ = true;
        wake_.wakeAll();
    }
    thread_->wait();
}

void ClassSender::wake()
{
    QMutexLocker lock(&mutex_);
    ++asked_;
    woken_ = true;
    wake_.wakeAll();
}

void ClassSender::setSettings(const ClassServerSettings& settings)
{
    QMutexLocker lock(&mutex_);
    settings_ = settings;
    settingsChanged_ = true;
    ++asked_;
    woken_ = true;
    wake_.wakeAll();
}

void ClassSender::retryRefused()
{
    QMutexLocker lock(&mutex_);
    retry_ = true;
    ++asked_;
    woken_ = true;
    wake_.wakeAll();
}

SenderState ClassSender::state() const
{
    QMutexLocker lock(&mutex_);
    return state_;
}

bool ClassSender::stopRequested() const
{
    QMutexLocker lock(&mutex_);
    return stopping_;
}

void ClassSender::publish(const SenderState& state)
{
    QMutexLocker lock(&mutex_);
    if (state == state_) return;
    state_ = state;
    QMetaObject::invokeMethod(this, [this, state] { Q_EMIT stateChanged(state); });
}

void ClassSender::tellRefused(int rows, const QString& reason)
{
    {
        QMutexLocker lock(&mutex_);
        if (std::exchange(toldRefused_, true)) return;
    }
    QMetaObject::invokeMethod(this, [this, rows, reason] { Q_EMIT rowsRefused(rows, reason); });
}

bool ClassSender::waitUntilSent(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&mutex_);
    quint64 wanted = ++asked_;
    woken_ = true;
    wake_.wakeAll();
    for (;;) {
        while (done_ < wanted)
            if (!rounds_.wait(&mutex_, deadline)) return false;
        if (state_.link == SenderState::Reached && state_.waiting == 0 && state_.problem.isEmpty()) return true;
        wanted = done_ + 1; // the next round may do it (the server is back, the store takes the marks)
    }
}

void ClassSender::loop()
{
    // The sender's own connection to the database, made, used and closed on this thread.
    TableStore store(folder_, {answersTable(), drillHistoryTable(), childrenTable(), rosterTable()}, kyozaiUpgrades());
    ClassQueue queue(store);
    ClassRoster roster(store);
    std::unique_ptr<ClassServer> server;
    QDeadlineTimer rosterDue(0);
    QDeadlineTimer next(QDeadlineTimer::Forever);
    int retryMs = 0;

    QMutexLocker lock(&mutex_);
    for (;;) {
        while (!stopping_ && !woken_ && !next.hasExpired())
            wake_.wait(&mutex_, next);
        if (stopping_) break;
        woken_ = false;
        const quint64 round = asked_;
        const ClassServerSettings settings = settings_;
        const bool fresh = std::exchange(settingsChanged_, false);
        const bool retry = std::exchange(retry_, false);
        lock.unlock();

        if (fresh || (server && !settings.isSet())) {
            server.reset();
            rosterDue = QDeadlineTimer(0);
        }
        SenderState result;
        bool again = false;
        if (settings.isSet()) {
            if (!server) server = std::make_unique<ClassServer>(settings);
            if (retry) queue.tryRetryRefused(); // when it fails, the rows stay refused
            Round r{*this, queue, roster, *server, {SenderState::Connecting, 0, 0, {}}};
            bool rosterRead = false;
            r.run(rosterDue.hasExpired(), rosterRead);
            if (rosterRead) rosterDue = QDeadlineTimer(rosterEveryMs);
            result = r.state;
            again = r.again;
        }
        publish(result);

        lock.relock();
        done_ = round;
        rounds_.wakeAll();
        if (result.link == SenderState::Off) {
            next = QDeadlineTimer(QDeadlineTimer::Forever);
        } else if (!again) {
            retryMs = 0;
            next = rosterDue.hasExpired() ? QDeadlineTimer(rosterEveryMs) : rosterDue;
        } else {
            retryMs = retryMs == 0 ? firstRetryMs : std::min(retryMs * 2, longestRetryMs);
            next = QDeadlineTimer(retryMs);
        }
    }
    lock.unlock();
    server.reset(); // its connection goes on the thread that made it
}

} // namespace kazemaru
