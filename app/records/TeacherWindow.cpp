#include "app/records/TeacherWindow.h"

#include "app/ClassServerDialog.h"
#include "app/GrownUpWindow.h"
#include "app/records/ClassTable.h"
#include "app/records/LearningPages.h"
#include "app/records/LessonTexts.h"
#include "data/LearningRecordStore.h"
#include "data/ServerThread.h"
#include "frame/FrameFacts.h"
#include "frame/widgets/Factory.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace kazemaru {

// What the server gave for one class.
struct TeacherWindow::ClassLoad {
    ServerError error;
    QList<ServerClass> classes; // filled at the login only
    QString code;
    QList<ChildProfile> roster;
    QList<ClassViewCell> cells;
};

namespace {

struct ChildLoad {
    ServerError error;
    QList<WeakItem> recent;
    QList<AnswerRecord> answers;
    int lesson = 0;
};

struct AnswersLoad {
    ServerError error;
    QList<AnswerRecord> answers;
};

QString defaultChooser(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, u"CSVファイルに ほぞん"_s, suggested, u"CSV (*.csv)"_s);
}

// The roster and the class's cells, read for the class `code`.
ServerError readClass(ClassServer& server, const QString& code, QList<ChildProfile>& roster,
                      QList<ClassViewCell>& cells)
{
    server.setClassCode(code);
    if (const ServerError e = server.readRoster(roster)) return e;
    return server.readClassView(cells);
}

} // namespace

TeacherWindow::TeacherWindow(const ClassServerSettings& settings, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , chooser_(defaultChooser)
{
    setObjectName(u"TeacherWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose); // the password goes with the window
    QLabel* title = setUpGrownUpWindow(this, u"クラスの きろく（せんせい）"_s, 955, 716, 15);

    // The login.
    auto* loginPage = new QWidget(this);
    login_ = new QLineEdit(loginPage);
    login_->setObjectName(u"Edit1"_s);
    password_ = new QLineEdit(loginPage);
    password_->setObjectName(u"Edit2"_s);
    password_->setEchoMode(QLineEdit::Password);
    for (QLineEdit* e : {login_, password_}) {
        e->setFont(programFont(18));
        e->setMinimumWidth(280);
    }
    loginButton_ =
        makeButton(loginPage, {u"CuteButton1"_s, u"ログイン"_s, 0, 0, 130, 36, colour::mint, colour::navy}, 17);
    loginButton_->setMinimumSize(loginButton_->size());
    connect(loginButton_, &QAbstractButton::clicked, this, &TeacherWindow::CuteButton1Click);
    connect(password_, &QLineEdit::returnPressed, this, &TeacherWindow::CuteButton1Click);
    loginNote_ = new QLabel(loginPage);
    loginNote_->setObjectName(u"Label2"_s);
    loginNote_->setWordWrap(true);
    loginNote_->setMinimumHeight(80);
    auto* where = new QLabel(u"サーバー： %1:%2（%3）\nせんせいの ログイン名と パスワードを 入れてください。"
                             u"パスワードは この まどを とじると わすれます。"_s.arg(settings_.host)
                                 .arg(settings_.port)
                                 .arg(settings_.database),
                             loginPage);
    where->setWordWrap(true);
    auto* form = new QGridLayout;
    form->addWidget(new QLabel(u"ログイン名："_s, loginPage), 0, 0, Qt::AlignRight);
    form->addWidget(login_, 0, 1);
    form->addWidget(new QLabel(u"パスワード："_s, loginPage), 1, 0, Qt::AlignRight);
    form->addWidget(password_, 1, 1);
    form->addWidget(loginButton_, 2, 1, Qt::AlignLeft);
    auto* loginLayout = new QVBoxLayout(loginPage);
    loginLayout->setContentsMargins(120, 60, 120, 40);
    loginLayout->addWidget(where);
    loginLayout->addSpacing(16);
    loginLayout->addLayout(form);
    loginLayout->addWidget(loginNote_);
    loginLayout->addStretch();

    // The class.
    auto* classPage = new QWidget(this);
    classBox_ = new QComboBox(classPage);
    classBox_->setObjectName(u"ComboBox1"_s);
    classBox_->setFont(programFont(17, true));
    connect(classBox_, &QComboBox::activated, this, &TeacherWindow::ComboBox1Change);
    childBox_ = new QComboBox(classPage);
    childBox_->setObjectName(u"ComboBox2"_s);
    childBox_->setFont(programFont(17, true));
    childBox_->setMinimumWidth(180);
    connect(childBox_, &QComboBox::activated, this, &TeacherWindow::ComboBox2Change);
    export_ = makeButton(
        classPage,
        {u"CuteButton2"_s, u"クラスの こたえを CSVで ほぞん"_s, 0, 0, 270, 32, colour::skyBlue, colour::navy}, 16);
    export_->setMinimumSize(export_->size());
    connect(export_, &QAbstractButton::clicked, this, &TeacherWindow::CuteButton2Click);

    model_ = new ClassTableModel(this);
    model_->setBoldFont(programFont(14, true));
    grid_ = new QTableView(classPage);
    grid_->setObjectName(u"ClassGrid"_s);
    grid_->setModel(model_);
    grid_->setFont(programFont(14));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setStyleSheet(u"QTableView { background-color: #FFFBF0; gridline-color: #D8D8E8; }"_s);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->verticalHeader()->setFont(programFont(14));
    grid_->horizontalHeader()->setDefaultSectionSize(76);
    grid_->horizontalHeader()->setFont(programFont(14, true));
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    grid_->horizontalHeader()->setMinimumHeight(44);
    grid_->horizontalHeader()->setToolTip(u"なまえを ダブルクリックすると、その子の きろくを ひらきます。"_s);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        childBox_->setCurrentIndex(column);
        ComboBox2Change();
        tabs_->setCurrentWidget(lessonTable_);
    });

    lessonTable_ = new LessonTablePage(classPage);
    weakItems_ = new WeakItemsPage(classPage);
    weakItems_->setPractiseShown(false);
    answersPage_ = new AnswersPage(classPage);
    connect(answersPage_, &AnswersPage::lessonChosen, this, &TeacherWindow::loadAnswers);
    tabs_ = new QTabWidget(classPage);
    tabs_->setObjectName(u"PageControl1"_s);
    tabs_->setFont(programFont(16, true));
    for (QWidget* page :
         {static_cast<QWidget*>(lessonTable_), static_cast<QWidget*>(weakItems_), static_cast<QWidget*>(answersPage_)})
        page->setFont(programFont(16));
    tabs_->addTab(grid_, u"クラス"_s);
    tabs_->addTab(lessonTable_, u"べんきょうの きろく"_s);
    tabs_->addTab(weakItems_, u"にがて"_s);
    tabs_->addTab(answersPage_, u"こたえ"_s);

    auto* choosers = new QHBoxLayout;
    choosers->addWidget(new QLabel(u"クラス："_s, classPage));
    choosers->addWidget(classBox_);
    choosers->addSpacing(24);
    choosers->addWidget(new QLabel(u"こども："_s, classPage));
    choosers->addWidget(childBox_);
    choosers->addStretch();
    choosers->addWidget(export_);
    auto* classLayout = new QVBoxLayout(classPage);
    classLayout->setContentsMargins(0, 0, 0, 0);
    classLayout->addLayout(choosers);
    classLayout->addWidget(tabs_, 1);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(loginPage);
    pages_->addWidget(classPage);

    auto* close = makeButton(this, {u"CuteButton3"_s, u"とじる"_s, 0, 0, 90, 32, colour::navy, colour::cream}, 16);
    close->setMinimumSize(close->size());
    connect(close, &QAbstractButton::clicked, this, &TeacherWindow::CuteButton3Click);
    status_ = new QLabel(this);
    status_->setObjectName(u"Label3"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    layout->addWidget(status_);
}

TeacherWindow::~TeacherWindow() = default;

void TeacherWindow::fail(const ServerError& error)
{
    const QString text = plainServerError(error);
    if (pages_->currentIndex() == 0) {
        loginNote_->setStyleSheet(u"color: #C00000;"_s);
        loginNote_->setText(text);
        loginButton_->setEnabled(true);
        server_.reset(); // a new login starts afresh
    } else {
        status_->setStyleSheet(u"color: #C00000;"_s);
        status_->setText(text);
    }
    Q_EMIT failed();
}

void TeacherWindow::CuteButton1Click()
{
    if (server_) return;
    if (login_->text().trimmed().isEmpty()) {
        loginNote_->setStyleSheet(u"color: #C00000;"_s);
        loginNote_->setText(u"ログイン名を 入れてください。"_s);
        return;
    }
    ClassServerSettings teacher = settings_;
    teacher.user = login_->text().trimmed();
    teacher.classCode.clear(); // chosen among the teacher's classes once logged in
    server_ = std::make_unique<ServerThread>(teacher);
    loginButton_->setEnabled(false);
    loginNote_->setStyleSheet(u"color: #000080;"_s);
    loginNote_->setText(u"つないでいます…"_s);
    const QString password = password_->text();
    password_->clear(); // from now on only the connection's own object keeps it, in memory
    server_->post<ClassLoad>(
        [password, wanted = settings_.classCode](ClassServer& server) {
            ClassLoad load;
            if ((load.error = server.open(password))) return load;
            if ((load.error = server.readClasses(load.classes))) return load;
            if (load.classes.isEmpty()) {
                load.error = {ServerFault::NotInClass, u"no class was given to this login"_s, {}};
                return load;
            }
            const bool has = std::any_of(load.classes.cbegin(), load.classes.cend(),
                                         [&](const ServerClass& c) { return c.code == wanted; });
            load.code = has ? wanted : load.classes.first().code;
            load.error = readClass(server, load.code, load.roster, load.cells);
            return load;
        },
        this, [this](ClassLoad load) { showClass(load); });
}

void TeacherWindow::loadClass(const QString& code)
{
    if (!server_) return;
    status_->setStyleSheet({});
    status_->setText(u"よみこんでいます…"_s);
    server_->post<ClassLoad>(
        [code](ClassServer& server) {
            ClassLoad load;
            load.code = code;
            load.error = readClass(server, code, load.roster, load.cells);
            return load;
        },
        this, [this](ClassLoad load) { showClass(load); });
}

void TeacherWindow::showClass(const ClassLoad& load)
{
    if (load.error) return fail(load.error);
    if (!load.classes.isEmpty()) {
        classBox_->clear();
        for (const ServerClass& c : load.classes)
            classBox_->addItem(c.title.isEmpty() ? c.code : u"%1（%2）"_s.arg(c.title, c.code), c.code);
    }
    classBox_->setCurrentIndex(classBox_->findData(load.code));
    classBox_->setEnabled(classBox_->count() > 1);
    classTitle_ = classBox_->currentText();
    model_->setClass(load.roster, load.cells);
    childBox_->clear();
    for (const ChildProfile& c : load.roster)
        childBox_->addItem(c.name, c.uid);
    int answers = 0;
    for (const ClassViewCell& c : load.cells)
        answers += c.answers;
    status_->setStyleSheet({});
    status_->setText(u"%1 ─ %2人、こたえ %3"_s.arg(classTitle_).arg(load.roster.size()).arg(answers));
    pages_->setCurrentIndex(1);
    tabs_->setCurrentWidget(grid_);
    export_->setEnabled(!load.roster.isEmpty());
    Q_EMIT classShown();
    loadChild();
}

QString TeacherWindow::childUid() const
{
    return childBox_->currentData().toString();
}

void TeacherWindow::ComboBox1Change()
{
    loadClass(classBox_->currentData().toString());
}

void TeacherWindow::ComboBox2Change()
{
    loadChild();
}

void TeacherWindow::loadChild()
{
    const QString child = childUid();
    const QList<ItemSummary> items = model_->childItems(child);
    lessonTable_->showItems(items);
    if (child.isEmpty() || !server_) {
        weakItems_->showItems({});
        answersPage_->showAnswers({});
        return;
    }
    // The lesson the child answered last, else the first.
    const auto latest = std::max_element(items.cbegin(), items.cend(),
                                         [](const ItemSummary& a, const ItemSummary& b) { return a.last < b.last; });
    answersPage_->chooseLesson(latest == items.cend() ? firstLesson : latest->lesson);
    server_->post<ChildLoad>(
        [child, lesson = answersPage_->lesson()](ClassServer& server) {
            ChildLoad load;
            load.lesson = lesson;
            load.error = server.readRecentMarks(child, LearningRecordStore::weakWindow, load.recent);
            if (!load.error) load.error = server.readLastAnswers(child, lesson, AnswersPage::latestCount, load.answers);
            return load;
        },
        this,
        [this, child](ChildLoad load) {
            if (child != childUid()) return; // another child was chosen meanwhile
            if (load.error) return fail(load.error);
            weakItems_->showItems(LearningRecordStore::rankWeakItems(load.recent));
            answersPage_->showAnswers(load.answers);
            Q_EMIT childShown();
        });
}

void TeacherWindow::loadAnswers(int lesson)
{
    const QString child = childUid();
    if (child.isEmpty() || !server_) return;
    server_->post<AnswersLoad>(
        [child, lesson](ClassServer& server) {
            AnswersLoad load;
            load.error = server.readLastAnswers(child, lesson, AnswersPage::latestCount, load.answers);
            return load;
        },
        this,
        [this, child, lesson](AnswersLoad load) {
            if (child != childUid() || lesson != answersPage_->lesson()) return;
            if (load.error) return fail(load.error);
            answersPage_->showAnswers(load.answers);
            Q_EMIT childShown();
        });
}

void TeacherWindow::CuteButton2Click()
{
    if (!server_) return;
    QHash<QString, QString> names;
    for (const ChildProfile& c : model_->children())
        names.insert(c.uid, c.name);
    export_->setEnabled(false);
    server_->post<AnswersLoad>(
        [](ClassServer& server) {
            AnswersLoad load;
            load.error = server.readClassAnswers(load.answers);
            return load;
        },
        this,
        [this, names](AnswersLoad load) {
            export_->setEnabled(true);
            if (load.error) return fail(load.error);
            const QString path =
                chooser_ ? chooser_(this, suggestedCsvFile(u"こたえ-%1"_s.arg(classTitle_))) : QString();
            if (!path.isEmpty()) writeCsvFile(path, answersCsv(load.answers, names));
        });
}

void TeacherWindow::CuteButton3Click()
{
    close();
}

} // namespace kazemaru
