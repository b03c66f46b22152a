#include "app/ClassServerDialog.h"

#include "app/ClassLink.h"
#include "app/GrownUpWindow.h"
#include "data/ServerThread.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSettings>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

// The fields typed in, by their settings key, with their design names and captions.
struct Field {
    const char16_t* key;
    const char16_t* name;
    const char16_t* caption;
};
constexpr Field fields[] = {
    {u"host", u"Edit1", u"サーバー"},         {u"port", u"Edit2", u"ポート"},
    {u"database", u"Edit3", u"データベース"}, {u"class", u"Edit4", u"クラス"},
    {u"user", u"Edit5", u"ログイン名"},       {u"rootCertificate", u"Edit7", u"ルート証明書"},
};

struct TlsChoice {
    const char16_t* mode;
    const char16_t* text;
};
constexpr TlsChoice tlsChoices[] = {
    {u"prefer", u"サーバーが できれば あんごうか する（prefer）"},
    {u"require", u"かならず あんごうか する（require）"},
    {u"verify-full", u"あんごうか して、がっこうの サーバーか たしかめる（verify-full）"},
};

// What the connection test found.
struct TestResult {
    ServerError error;
    bool encrypted = false;
    QString classTitle;
};

QString defaultChooser(QWidget* parent, const QString& current)
{
    return QFileDialog::getOpenFileName(parent, u"がっこうの ルート証明書"_s, current,
                                        u"証明書 (*.crt *.pem *.cer);;すべて (*)"_s);
}

} // namespace

QString plainServerError(const ServerError& e)
{
    QString plain;
    switch (e.fault) {
    case ServerFault::None: return {};
    case ServerFault::NotSet: plain = u"サーバー、クラス、ログイン名を 入れてください。"_s; break;
    case ServerFault::NoDriver:
        plain = u"この コンピューターには、PostgreSQL の サーバーに つなぐ ための ぶひん（Debian の パッケージ "
                u"libqt6sql6-psql）が 入っていません。コンピューターの かんりしゃに たのんでください。"_s;
        break;
    case ServerFault::BadSettings: plain = u"せっていに まちがいが あります。"_s; break;
    case ServerFault::Connect:
        plain = e.message.contains(u"password"_s)
                    ? u"サーバーは ありましたが、ログイン名か パスワードが ちがいます。"_s
                    : u"サーバーに つながりませんでした。サーバーの なまえ、ポート、あんごうかの せっていと、"
                      u"ネットワークに つながっているかを たしかめてください。"_s;
        break;
    case ServerFault::NoSchema:
        plain = u"サーバーは ありましたが、Kazemaru の データベースが ありません。"
                u"データベースの なまえを たしかめてください。"_s;
        break;
    case ServerFault::NotInClass:
        plain =
            u"この ログイン名では、この クラスの きろくは あつかえません。クラスと ログイン名を たしかめてください。"_s;
        break;
    case ServerFault::Lost: plain = u"とちゅうで サーバーとの つながりが きれました。"_s; break;
    case ServerFault::Rejected: plain = u"サーバーが ことわりました。"_s; break;
    }
    return e.message.isEmpty() ? plain : plain + u"\n（サーバーの ことば： %1）"_s.arg(e.message.trimmed());
}

ClassServerDialog::ClassServerDialog(ClassLink* link, QWidget* parent)
    : QDialog(parent)
    , link_(link)
    , chooser_(defaultChooser)
{
    setObjectName(u"ClassServerDialog"_s);
    QLabel* title = setUpGrownUpWindow(this, u"クラスの サーバー"_s, 720, 600, 16);

    auto* intro = new QLabel(u"がっこうで、クラスの みんなの きろくを 1つの サーバーに あつめます。"
                             u"きろくは いつも まず この コンピューターに のこします。"_s,
                             this);
    intro->setWordWrap(true);
    use_ = new QCheckBox(u"クラスの サーバーを つかう"_s, this);
    use_->setObjectName(u"CheckBox1"_s);
    use_->setFont(programFont(17, true));
    connect(use_, &QCheckBox::clicked, this, &ClassServerDialog::CheckBox1Click);
    schoolNote_ = new QLabel(this);
    schoolNote_->setObjectName(u"Label2"_s);
    schoolNote_->setWordWrap(true);
    schoolNote_->setStyleSheet(u"color: #505050;"_s);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(1, 1);
    const auto addRow = [&](int row, const QString& key, const QString& caption, QWidget* field) {
        grid->addWidget(new QLabel(caption + u"："_s, this), row, 0, Qt::AlignRight);
        grid->addWidget(field, row, 1);
        if (key.isEmpty()) return;
        auto* mark = new QLabel(u"がっこうの せってい"_s, this);
        mark->setObjectName(u"School_"_s + key);
        mark->setStyleSheet(u"color: #FFFFFF; background-color: #6060A0; padding: 1px 6px; border-radius: 4px;"_s);
        grid->addWidget(mark, row, 2);
        schoolMarks_.insert(key, mark);
    };
    int row = 0;
    for (const Field& f : fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf16(f.name));
        edits_ << edit;
        if (QStringView(f.key) == u"rootCertificate") {
            auto* holder = new QWidget(this);
            auto* line = new QHBoxLayout(holder);
            line->setContentsMargins(0, 0, 0, 0);
            certificate_ =
                makeButton(holder, {u"CuteButton5"_s, u"えらぶ"_s, 0, 0, 80, 28, colour::skyBlue, colour::navy}, 14);
            certificate_->setMinimumSize(certificate_->size());
            connect(certificate_, &QAbstractButton::clicked, this, &ClassServerDialog::CuteButton5Click);
            line->addWidget(edit, 1);
            line->addWidget(certificate_);
            tls_ = new QComboBox(this);
            tls_->setObjectName(u"ComboBox1"_s);
            for (const TlsChoice& c : tlsChoices)
                tls_->addItem(QString::fromUtf16(c.text), QString::fromUtf16(c.mode));
            connect(tls_, &QComboBox::activated, this, &ClassServerDialog::ComboBox1Change);
            addRow(row++, u"tls"_s, u"あんごうか（TLS）"_s, tls_);
            addRow(row++, QString::fromUtf16(f.key), QString::fromUtf16(f.caption), holder);
            continue;
        }
        addRow(row++, QString::fromUtf16(f.key), QString::fromUtf16(f.caption), edit);
        if (QStringView(f.key) == u"port") edit->setValidator(new QIntValidator(1, 65535, edit));
        if (QStringView(f.key) == u"user") {
            password_ = new QLineEdit(this);
            password_->setObjectName(u"Edit6"_s);
            password_->setEchoMode(QLineEdit::Password);
            password_->setPlaceholderText(u"かえる ときだけ 入れてください"_s);
            addRow(row++, {}, u"パスワード"_s, password_);
        }
    }

    result_ = new QLabel(this);
    result_->setObjectName(u"Label3"_s);
    result_->setWordWrap(true);
    result_->setMinimumHeight(64);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    queue_ = new QLabel(this);
    queue_->setObjectName(u"Label4"_s);
    queue_->setWordWrap(true);

    test_ = makeButton(this, {u"CuteButton1"_s, u"つないでみる"_s, 0, 0, 140, 34, colour::skyBlue, colour::navy});
    auto* save = makeButton(this, {u"CuteButton2"_s, u"ほぞん"_s, 0, 0, 110, 34, colour::mint, colour::navy});
    auto* close = makeButton(this, {u"CuteButton3"_s, u"とじる"_s, 0, 0, 90, 34, colour::navy, colour::cream});
    retry_ =
        makeButton(this, {u"CuteButton4"_s, u"もういちど おくる"_s, 0, 0, 170, 30, colour::pink, colour::navy}, 15);
    for (QPushButton* b : std::initializer_list<QPushButton*>{test_, save, close, retry_})
        b->setMinimumSize(b->size());
    connect(test_, &QAbstractButton::clicked, this, &ClassServerDialog::CuteButton1Click);
    connect(save, &QAbstractButton::clicked, this, &ClassServerDialog::CuteButton2Click);
    connect(close, &QAbstractButton::clicked, this, &ClassServerDialog::CuteButton3Click);
    connect(retry_, &QAbstractButton::clicked, this, &ClassServerDialog::CuteButton4Click);
    if (link_) connect(link_, &ClassLink::statusChanged, this, &ClassServerDialog::showQueue);

    auto* queueRow = new QHBoxLayout;
    queueRow->addWidget(queue_, 1);
    queueRow->addWidget(retry_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(test_);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addWidget(use_);
    layout->addWidget(schoolNote_);
    layout->addLayout(grid);
    layout->addWidget(result_);
    layout->addLayout(queueRow);
    layout->addStretch();
    layout->addLayout(buttons);
}

ClassServerDialog::~ClassServerDialog() = default;

void ClassServerDialog::reload()
{
    const ClassServerSettings s = ClassServerSettings::read();
    const SchoolSettings school = SchoolSettings::read();
    schoolKeys_ = school.keys;
    locked_ = school.locked;
    connectTimeout_ = s.connectTimeoutSeconds;
    for (qsizetype i = 0; i < edits_.size(); ++i) {
        const QString key = QString::fromUtf16(fields[i].key);
        // The port and the database show their defaults while the class server is not used.
        edits_[i]->setText(s.value(key).toString());
    }
    if (tls_->findData(s.tls) < 0) tls_->addItem(s.tls, s.tls); // a mode the school's file names
    tls_->setCurrentIndex(tls_->findData(s.tls));
    use_->setChecked(!s.host.isEmpty());
    password_->clear();
    for (auto mark = schoolMarks_.cbegin(); mark != schoolMarks_.cend(); ++mark)
        mark.value()->setVisible(schoolKeys_.contains(mark.key()));
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::SystemScope, u"Kazemaru"_s, u"Kazemaru"_s).fileName();
    if (schoolKeys_.isEmpty())
        schoolNote_->clear();
    else if (locked_)
        schoolNote_->setText(u"「がっこうの せってい」は、がっこうが きめたので ここでは かえられません（%1）。"
                             u"パスワードは この コンピューターで 入れます。"_s.arg(file));
    else
        schoolNote_->setText(u"「がっこうの せってい」は、がっこうの せっていファイル（%1）から です。"
                             u"ここで かえると、この コンピューターでは こちらが つかわれます。"_s.arg(file));
    schoolNote_->setVisible(!schoolKeys_.isEmpty());
    result_->clear();
    enableFields();
    showQueue();
}

void ClassServerDialog::enableFields()
{
    const bool used = use_->isChecked();
    use_->setEnabled(!(locked_ && schoolKeys_.contains(u"host"_s)));
    for (qsizetype i = 0; i < edits_.size(); ++i)
        edits_[i]->setEnabled(used && !(locked_ && schoolKeys_.contains(QString::fromUtf16(fields[i].key))));
    tls_->setEnabled(used && !(locked_ && schoolKeys_.contains(u"tls"_s)));
    const bool verifying = tls_->currentData().toString().startsWith(u"verify"_s);
    edits_.last()->setEnabled(edits_.last()->isEnabled() && verifying);
    certificate_->setEnabled(edits_.last()->isEnabled());
    password_->setEnabled(used);
    test_->setEnabled(used && !tester_);
}

ClassServerSettings ClassServerDialog::fromFields() const
{
    ClassServerSettings s;
    for (qsizetype i = 0; i < edits_.size(); ++i)
        s.setValue(QString::fromUtf16(fields[i].key), edits_[i]->text());
    s.tls = tls_->currentData().toString();
    if (!s.tls.startsWith(u"verify"_s)) s.rootCertificate.clear();
    s.connectTimeoutSeconds = connectTimeout_;
    if (!use_->isChecked()) s.host.clear();
    return s;
}

void ClassServerDialog::showQueue()
{
    const SenderState state = link_ ? link_->state() : SenderState{};
    if (!link_ || !link_->isSet()) {
        queue_->setText(u"いまは この コンピューターだけに きろくを のこしています。"_s);
        retry_->hide();
        return;
    }
    QString text = ClassLink::statusText(link_->settings().classCode, state);
    text += u"\nまだ おくっていない きろく： %1"_s.arg(state.waiting);
    if (state.refused > 0) text += u"　／　サーバーが うけとらなかった きろく： %1"_s.arg(state.refused);
    queue_->setText(text);
    retry_->setVisible(state.refused > 0);
}

void ClassServerDialog::say(const QString& text, bool good)
{
    result_->setStyleSheet(good ? u"color: #006000;"_s : u"color: #C00000;"_s);
    result_->setText(text);
}

void ClassServerDialog::CheckBox1Click()
{
    enableFields();
}

void ClassServerDialog::ComboBox1Change()
{
    enableFields();
}

void ClassServerDialog::CuteButton1Click()
{
    if (tester_) return;
    const ClassServerSettings s = fromFields();
    if (!s.isSet()) {
        say(plainServerError({ServerFault::NotSet, {}, {}}), false);
        Q_EMIT testFinished();
        return;
    }
    say(u"つないでいます…"_s, true);
    tester_ = std::make_unique<ServerThread>(s);
    test_->setEnabled(false);
    const QString password = password_->text(); // tried as typed, kept nowhere
    tester_->post<TestResult>(
        [password](ClassServer& server) {
            TestResult r;
            r.error = server.open(password);
            if (r.error) return r;
            r.encrypted = server.encrypted();
            QList<ServerClass> classes;
            r.error = server.readClasses(classes);
            for (const ServerClass& c : classes)
                if (c.code == server.settings().classCode) r.classTitle = c.title;
            return r;
        },
        this,
        [this, code = s.classCode](TestResult r) {
            tester_.reset();
            if (r.error)
                say(plainServerError(r.error), false);
            else
                say(u"つながりました。クラス「%1」（%2）の きろくを おくれます。\n%3"_s.arg(
                        r.classTitle, code,
                        r.encrypted ? u"つながりは あんごうか されています（TLS）。"_s
                                    : u"つながりは あんごうか されていません。"_s),
                    true);
            enableFields();
            Q_EMIT testFinished();
        });
}

void ClassServerDialog::CuteButton2Click()
{
    const ClassServerSettings s = fromFields();
    if (use_->isChecked() && !s.isSet()) {
        say(plainServerError({ServerFault::NotSet, {}, {}}), false);
        return;
    }
    if (use_->isChecked() && !password_->text().isEmpty()) {
        if (const QString problem = PasswordFile::store(s, password_->text()); !problem.isEmpty()) {
            say(u"パスワードを ほぞんできませんでした。\n%1"_s.arg(problem), false);
            return;
        }
    }
    password_->clear();
    if (!s.writeForUser()) {
        say(u"せっていを ほぞんできませんでした。せっていの ファイルに 書きこめるか、ディスクに あきが あるか、"
            u"たしかめてください。"_s,
            false);
        return;
    }
    say(use_->isChecked() ? u"ほぞんしました。これからの きろくは クラスの サーバーにも おくります。"_s
                          : u"ほぞんしました。きろくは この コンピューターだけに のこします。"_s,
        true);
    Q_EMIT saved();
    showQueue();
}

void ClassServerDialog::CuteButton3Click()
{
    close();
}

void ClassServerDialog::CuteButton4Click()
{
    if (link_) link_->retryRefused();
}

void ClassServerDialog::CuteButton5Click()
{
    const QString path = chooser_ ? chooser_(this, edits_.last()->text()) : QString();
    if (!path.isEmpty()) edits_.last()->setText(path);
}

} // namespace kazemaru
