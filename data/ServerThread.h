#pragma once
// A class server connection on a thread of its own, for a window that asks the server things
// (the teacher's view, the settings' connection test) without waiting for the network: each job
// runs on that thread, one after another, on one ClassServer, and its result is handed to a
// function on the thread of a receiver object (not at all once the receiver is gone).
#include "data/ClassServer.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>

namespace kazemaru {

class ServerThread : public QObject {
    Q_OBJECT
  public:
    explicit ServerThread(const ClassServerSettings& settings, QObject* parent = nullptr);
    // Waits for the job on its way (at most the connection's time-outs), drops the others, and
    // closes the connection.
    ~ServerThread() override;

    // Runs work(server) on the thread, then done(result) on `receiver`'s thread.
    template <typename Result>
    void post(std::function<Result(ClassServer&)> work, QObject* receiver, std::function<void(Result)> done)
    {
        postJob([work = std::move(work), receiver = QPointer<QObject>(receiver),
                 done = std::move(done)](ClassServer& server) {
            Result result = work(server);
            if (receiver)
                QMetaObject::invokeMethod(receiver.data(), [done, result = std::move(result)] { done(result); });
        });
    }

  private:
    class Worker;
    void postJob(std::function<void(ClassServer&)> job);

    QThread thread_;
    Worker* worker_;
};

} // namespace kazemaru
