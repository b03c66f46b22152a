#include "data/ServerThread.h"

#include <QAtomicInteger>

namespace kazemaru {

// Lives on the thread; the server and its connection are made, used and closed there.
class ServerThread::Worker : public QObject {
  public:
    explicit Worker(const ClassServerSettings& settings)
        : settings_(settings)
    {
    }
    void run(const std::function<void(ClassServer&)>& job)
    {
        if (stopping.loadRelaxed()) return;
        if (!server_) server_ = std::make_unique<ClassServer>(settings_);
        job(*server_);
    }
    void finish() { server_.reset(); }

    QAtomicInteger<int> stopping = 0;

  private:
    ClassServerSettings settings_;
    std::unique_ptr<ClassServer> server_;
};

ServerThread::ServerThread(const ClassServerSettings& settings, QObject* parent)
    : QObject(parent)
    , worker_(new Worker(settings))
{
    thread_.setObjectName(QStringLiteral("class-server"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

ServerThread::~ServerThread()
{
    worker_->stopping.storeRelaxed(1);
    // The jobs still queued return at once; the connection closes on its own thread.
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->finish(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void ServerThread::postJob(std::function<void(ClassServer&)> job)
{
    QMetaObject::invokeMethod(worker_, [w = worker_, job = std::move(job)] { w->run(job); });
}

} // namespace kazemaru
