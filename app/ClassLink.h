#pragma once
// The program's side of the class server: reads the settings, runs the sender (data/ClassSender)
// while a class server is set, wakes it when an answer or a run is stored or a child is added,
// says for the contents screen's status bar whether the server is reached, gives the child picker
// the class's roster merged with this computer's children, and tells a grown-up once when the
// server refused rows. Without a class server it does nothing at all: no thread, no network.
#include "data/ClassSender.h"
#include "data/LearningRecordStore.h"

#include <QObject>
#include <memory>

namespace kazemaru {

namespace test {
struct Probe; // tests/support/Probe.h
}

class AnswerRecorder;
class TDataModule1;

class ClassLink : public QObject {
    Q_OBJECT
  public:
    ClassLink(TDataModule1* data, AnswerRecorder* answers, const QString& databaseFolder, QObject* parent = nullptr);
    ~ClassLink() override;

    // Reads the settings (again): which class's kept roster the picker offers.
    void readSettings();
    // Reads the settings (again) and starts, moves or stops the sender to match them.
    void start();
    const ClassServerSettings& settings() const { return settings_; }
    bool isSet() const { return settings_.isSet(); }
    SenderState state() const;

    // For the status bar: "クラス 4-1： つながっています", …; empty without a class server.
    QString statusText() const;
    static QString statusText(const QString& classCode, const SenderState& state);

    // The children the picker offers: with a class server, the class's roster (as last read from
    // it) merged with this computer's children; without, this computer's children.
    StoreError tryReadPickable(QList<ChildProfile>& children);
    // A child chosen in the picker studies here from now on (a roster child becomes one of this
    // computer's children with the same id).
    StoreError tryAdopt(const QString& uid);

    void wake();         // a child was added or changed
    void retryRefused(); // the rows the server refused go again

  Q_SIGNALS:
    void statusChanged();
    void rosterChanged();

  private:
    void tellRefused(int rows, const QString& reason);

    TDataModule1* data_;
    AnswerRecorder* answers_;
    QString folder_;
    ClassServerSettings settings_;
    std::unique_ptr<ClassSender> sender_;

    friend struct test::Probe; // the tests wait for it; the program never needs to
    ClassSender* sender() const { return sender_.get(); }
};

} // namespace kazemaru
