#pragma once
// Sends what this computer keeps to the class server, on a thread of its own with its own
// connections (one to the database kyozai, one to the server), so that no screen ever waits for
// the network. Every answer and drill run is stored here first (the answer writer, the drills);
// the sender then gives the server the children not on the class's roster yet, and the answers
// and runs not sent yet, oldest first, in batches of one transaction each, and marks them sent
// only after the server committed them. A row the server already has (the program was ended
// between the server's commit and the mark here) changes nothing there, so every row arrives
// exactly once.
//
// When the server cannot be reached the program goes on as ever; the sender tries again after
// a wait that doubles up to a minute, and at once when a new row is stored. A row the server
// refuses for its values (a bound it does not allow, a child it does not know) is marked refused
// with the server's reason and waits no more, so that the rows behind it go on; the first such
// refusal is told once through rowsRefused(). It also reads the class's roster from the server
// now and then and keeps it here for the child picker. Nothing here opens a dialog.
#include "data/ClassServer.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <memory>

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

struct SenderState {
    enum Link { Off, Connecting, Reached, Unreachable };
    Link link = Off;
    int waiting = 0; // answers and runs kept here that the server does not have yet
    int refused = 0; // rows the server refused, kept here with its reason
    QString problem; // why the server is not reached: the server's or the driver's words
    bool operator==(const SenderState&) const = default;
};

class ClassSender : public QObject {
    Q_OBJECT
  public:
    // Rows of the database folder `folder` go to the class server of `settings` (none while they
    // are not set).
    ClassSender(const QString& folder, const ClassServerSettings& settings, QObject* parent = nullptr);
    // Stops the thread; a batch on its way is finished (or fails) first.
    ~ClassSender() override;

    // Thread-safe: a row was stored, or a child added; sends at once, also while waiting to retry.
    void wake();
    // Thread-safe: the settings changed; the next round connects anew with them.
    void setSettings(const ClassServerSettings& settings);
    // Thread-safe: the rows the server refused wait again (the school mended what it refused).
    void retryRefused();
    SenderState state() const;

    static constexpr int batchRows = 500;
    static constexpr int firstRetryMs = 1000, longestRetryMs = 60000;
    static constexpr int rosterEveryMs = 60000; // the roster is read again after this long

  Q_SIGNALS:
    // On the thread that made the sender.
    void stateChanged(const kazemaru::SenderState& state);
    void rowsRefused(int rows, const QString& reason); // the first refusal of this run only
    void rosterChanged();

  private:
    struct Round;
    void loop();
    void publish(const SenderState& state);
    bool stopRequested() const;
    void tellRefused(int rows, const QString& reason);

    const QString folder_;
    mutable QMutex mutex_;
    QWaitCondition wake_;   // something to do, or stopping
    QWaitCondition rounds_; // a round ended
    ClassServerSettings settings_;
    bool settingsChanged_ = false;
    bool woken_ = true; // the first round starts at once
    bool retry_ = false;
    bool stopping_ = false;
    bool toldRefused_ = false;
    quint64 asked_ = 0, done_ = 0; // rounds asked for by wake() and rounds finished
    SenderState state_;
    std::unique_ptr<QThread> thread_;

    friend struct test::Probe; // the tests wait for it; the program never needs to
    // Wakes the sender and waits until a round that began after this call ends with nothing
    // waiting; false when rows still wait after `timeoutMs`.
    bool waitUntilSent(int timeoutMs);
};

} // namespace kazemaru

Q_DECLARE_METATYPE(kazemaru::SenderState)
