#pragma once
// "クラスの サーバー", under おうちのかたへ: where the class server is (server, port, database),
// this computer's class and login, its password (kept only in libpq's password file, never in
// the settings), how the connection is encrypted, a test of the connection with its result in
// plain words, and what still waits to be sent. The settings go into the user's settings file;
// what a school's system-wide file sets is marked as the school's, and cannot be changed here
// when the school's file locks it.
#include "data/ClassServer.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kazemaru {

class ClassLink;
class ServerThread;

// What went wrong with the class server, in words for a parent or a teacher, with the server's
// own words after them.
QString plainServerError(const ServerError& error);

class ClassServerDialog : public QDialog {
    Q_OBJECT
  public:
    // `link` (optional) tells what waits to be sent and takes the refused rows back.
    ClassServerDialog(ClassLink* link, QWidget* parent);
    ~ClassServerDialog() override;

    // The settings as the files say now, the school's marks, and what waits.
    void reload();

    // Where the school's root certificate is chosen; by default a file dialog asks.
    using FileChooser = std::function<QString(QWidget* parent, const QString& current)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  public Q_SLOTS:
    void CheckBox1Click();   // the class server used or not
    void ComboBox1Change();  // how the connection is encrypted
    void CuteButton1Click(); // "つないでみる"
    void CuteButton2Click(); // "ほぞん"
    void CuteButton3Click(); // "とじる"
    void CuteButton4Click(); // "もういちど おくる": the refused rows wait again
    void CuteButton5Click(); // the root certificate's file

  Q_SIGNALS:
    void saved();
    void testFinished(); // the connection test's words are shown

  private:
    ClassServerSettings fromFields() const;
    void showQueue();
    void enableFields();
    void say(const QString& text, bool good);

    ClassLink* link_;
    FileChooser chooser_;
    QCheckBox* use_;
    QList<QLineEdit*> edits_; // host, port, database, class, login, certificate (by key order)
    QLineEdit* password_;
    QComboBox* tls_;
    QPushButton* certificate_;
    QMap<QString, QLabel*> schoolMarks_; // by settings key
    QLabel* schoolNote_;
    QLabel* result_;
    QLabel* queue_;
    QPushButton* test_;
    QPushButton* retry_;
    QStringList schoolKeys_;
    bool locked_ = false;
    int connectTimeout_ = 5;
    std::unique_ptr<ServerThread> tester_;
};

} // namespace kazemaru
