// Start-up, the main window and the login.

#include "app/about_unit.h"
#include "app/login_unit.h"
#include "app/main_unit.h"
#include "fixture.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using testing::Fixture;

namespace {
const QString wrongText = QStringLiteral("Username หรือ Password ไม่ถูกต้อง");
const QString emptyText = QStringLiteral("กรุณากรอก Username และ Password ");

app::Tlogin_frm& loginOf(Fixture& fx) { return fx.win<app::Tlogin_frm>("login_frm"); }
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void startsDisabledUnderLogin();
    void loginAttempt_data();
    void loginAttempt();
    void userKindDecidesUsersMenu_data();
    void userKindDecidesUsersMenu();
    void fourthFailureEndsProgram();
    void cancelAndCloseBoxEndProgram();
    void loginDatabaseErrorKeepsAttempts();
    void noticeText();
    void menuAndButtonsOpenTheirWindows();
    void unbuiltWindowsHidden();
    void exitEndsAtOnce();
    void aboutBox();
    void startupCreatesMissingDatabase();
    void startupRefusesForeignFile();
};

void TestApp::startsDisabledUnderLogin()
{
    Fixture fx(Fixture::Start::AtLogin);
    auto& main = fx.main();
    auto& login = loginOf(fx);
    QCOMPARE(main.windowTitle(), QString("ระบบบริหารงานพัสดุสำหรับหน่วยราชการ"));
    QCOMPARE(main.size(), QSize(800, 570));
    QCOMPARE(main.pos(), QPoint(0, 0));
    QVERIFY(main.isVisible());
    QVERIFY(!main.isEnabled());
    QVERIFY(!main.menuBar()->isEnabled());
    QVERIFY(!main.rec_inv_btn->isEnabled());
    QVERIFY(login.isVisible() && login.isEnabled());
    QVERIFY(login.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(login.parent() == nullptr);
    QCOMPARE(login.windowTitle(), QString("Login"));
    QCOMPARE(login.remainingAttempts(), 3);
    QCOMPARE(login.u_name->maxLength(), 16);
    QCOMPARE(login.u_pass->echoMode(), QLineEdit::Password);

    // the four buttons in one column at the left, in this order, which is also the tab order
    const QList<QPushButton*> buttons{main.rec_inv_btn, main.pay_inv_btn, main.rec_dur_btn,
                                      main.bor_dur_btn};
    auto* column = qobject_cast<QBoxLayout*>(main.centralWidget()->layout());
    QVERIFY(column && column->direction() == QBoxLayout::TopToBottom);
    for (int i = 1; i < buttons.size(); ++i) {
        QVERIFY(column->indexOf(buttons[i]) > column->indexOf(buttons[i - 1]));
        QCOMPARE(buttons[i - 1]->nextInFocusChain(), static_cast<QWidget*>(buttons[i]));
    }
    for (QPushButton* b : buttons)
        QCOMPARE(column->itemAt(column->indexOf(b))->alignment(), Qt::AlignLeft);

    fx.login("admin", "admin");
    QVERIFY(main.isEnabled());
    QVERIFY(!login.isVisible());
    TAVU_CHECK_BOXES(fx);
}

void TestApp::loginAttempt_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message"); // empty: the login succeeds
    QTest::addColumn<int>("attemptsLeft");
    QTest::newRow("first-use account") << "admin" << "admin" << "" << 3;
    QTest::newRow("user name in other case") << "ADMIN" << "admin" << "" << 3;
    QTest::newRow("password in other case") << "admin" << "ADMIN" << wrongText << 2;
    QTest::newRow("wrong password") << "admin" << "secret" << wrongText << 2;
    QTest::newRow("unknown user") << "nobody" << "admin" << wrongText << 2;
    QTest::newRow("quotes in password") << "admin" << "x\" or \"1\"=\"1" << wrongText << 2;
    QTest::newRow("single quotes in password") << "admin" << "x' or '1'='1" << wrongText << 2;
    QTest::newRow("empty password") << "admin" << "" << emptyText << 3;
    QTest::newRow("empty user name") << "" << "admin" << emptyText << 3;
}

void TestApp::loginAttempt()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(int, attemptsLeft);
    Fixture fx(Fixture::Start::AtLogin);
    auto& login = loginOf(fx);
    fx.login(user, password);
    QCOMPARE(login.remainingAttempts(), attemptsLeft);
    if (message.isEmpty()) {
        QVERIFY(fx.main().isEnabled());
        QVERIFY(!login.isVisible());
        fx.main().user_info_menu->setVisible(true); // a hidden item always reads disabled
        QVERIFY(fx.main().user_info_menu->isEnabled());
    } else {
        QCOMPARE(fx.msg.takeInfo(), message);
        QVERIFY(!fx.main().isEnabled());
        QVERIFY(login.isVisible());
        const bool cleared = message == wrongText;
        QCOMPARE(login.u_name->text().isEmpty(), cleared || user.isEmpty());
        QCOMPARE(login.u_pass->text().isEmpty(), cleared || password.isEmpty());
    }
    QVERIFY(!fx.ended);
    TAVU_CHECK_BOXES(fx);
}

void TestApp::userKindDecidesUsersMenu_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("usersMenu");
    QTest::newRow("kind 0") << 0 << true;
    QTest::newRow("kind 1") << 1 << true;
    QTest::newRow("kind 2") << 2 << false;
}

void TestApp::userKindDecidesUsersMenu()
{
    QFETCH(int, kind);
    QFETCH(bool, usersMenu);
    Fixture fx(Fixture::Start::AtLogin);
    // Two accounts with the same name and password: the first row decides the kind.
    fx.exec("insert into user_login(empid,userid,u_pass,u_type_id) values('x','clerk','pw',?)",
            {kind});
    fx.exec("insert into user_login(empid,userid,u_pass,u_type_id) values('y','clerk','pw',?)",
            {kind == 2 ? 1 : 2});
    fx.login("clerk", "pw");
    QVERIFY(fx.main().isEnabled());
    fx.main().user_info_menu->setVisible(true); // a hidden item always reads disabled
    QCOMPARE(fx.main().user_info_menu->isEnabled(), usersMenu);
    TAVU_CHECK_BOXES(fx);
}

void TestApp::fourthFailureEndsProgram()
{
    Fixture fx(Fixture::Start::AtLogin);
    auto& login = loginOf(fx);
    for (int left : {2, 1, 0}) {
        fx.login("admin", "wrong");
        QCOMPARE(fx.msg.takeInfo(), wrongText);
        QCOMPARE(login.remainingAttempts(), left);
        QVERIFY(!fx.ended);
    }
    fx.login("", ""); // a refused attempt does not count
    QCOMPARE(fx.msg.takeInfo(), emptyText);
    QVERIFY(!fx.ended);
    fx.login("admin", "wrong");
    QVERIFY(fx.ended);
    TAVU_CHECK_BOXES(fx); // no message at the fourth failure
}

void TestApp::cancelAndCloseBoxEndProgram()
{
    {
        Fixture fx(Fixture::Start::AtLogin);
        loginOf(fx).can_btn->click();
        QVERIFY(fx.ended);
    }
    {
        Fixture fx(Fixture::Start::AtLogin);
        fx.login("admin", "bad");
        QCOMPARE(fx.msg.takeInfo(), wrongText);
        QVERIFY(!fx.ended);
        loginOf(fx).close(); // the title bar's close box
        QVERIFY(fx.ended);
        TAVU_CHECK_BOXES(fx);
    }
}

void TestApp::loginDatabaseErrorKeepsAttempts()
{
    Fixture fx(Fixture::Start::AtLogin);
    fx.exec("alter table user_login rename to user_login_gone");
    fx.login("admin", "admin");
    QVERIFY(fx.msg.takeError().contains("user_login"));
    QCOMPARE(loginOf(fx).remainingAttempts(), 3);
    QVERIFY(!fx.main().isEnabled());
    QVERIFY(loginOf(fx).isVisible());
    TAVU_CHECK_BOXES(fx);
}

void TestApp::noticeText()
{
    Fixture fx(Fixture::Start::AtLogin);
    const QStringList lines = loginOf(fx).descripton->toPlainText().split('\n');
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0], QString("ใช้งานครั้งแรก "));
    QCOMPARE(lines[1], QString("Username : admin"));
    QCOMPARE(lines[2], QString("Password : admin"));
    QCOMPARE(lines[3], QString("Username/Password นี้หลังจากใช้แล้ว"));
    QCOMPARE(lines[4], QString("กรุณาลบทิ้งเพื่อความปลอดภัยของข้อมูลท่าน"));
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[6], QString(30, '='));
    QCOMPARE(lines[8], QString("โปรแกรมระบบบริหารพัสดุสำหรับหน่วยราชการ "));
    QCOMPARE(lines[9], QString("TAVU2004 verion 1.0 beta"));
    QCOMPARE(lines[12], "E-mail : " + app::maker::email);
    QCOMPARE(lines[13], "หรือที่ส่วน \"ถาม-ตอบ\" " + app::maker::web);
    QCOMPARE(lines[14], "และ Dowload รุ่นล่าสุดได้ที่ " + app::maker::web);
    QVERIFY(loginOf(fx).descripton->isReadOnly());
}

// Each menu item and the button beside it open the one window instance kept for the run.
void TestApp::menuAndButtonsOpenTheirWindows()
{
    Fixture fx;
    auto& m = fx.main();
    struct Opening {
        QString window;
        std::function<void()> open;
    };
    const QList<Opening> openings{
        {"rec_list_frm", [&] { m.rec_inv_btn->click(); }}, {"rec_list_frm", [&] { m.rec_inv->trigger(); }},
        {"pay_list_frm", [&] { m.pay_inv_btn->click(); }}, {"pay_list_frm", [&] { m.pay_inv->trigger(); }},
        {"rec_dur_frm", [&] { m.rec_dur_btn->click(); }}, {"rec_dur_frm", [&] { m.rec_dur_menu->trigger(); }},
        {"bor_list_frm", [&] { m.bor_dur_btn->click(); }}, {"bor_list_frm", [&] { m.bor_menu->trigger(); }},
        {"inv_info_frm", [&] { m.inv_info->trigger(); }}, {"dur_info_frm", [&] { m.dur_info->trigger(); }},
        {"comp_info_frm", [&] { m.comp_info->trigger(); }}, {"land_info_frm", [&] { m.land_info->trigger(); }},
        {"building_info_frm", [&] { m.building_info->trigger(); }},
        {"emp_info_frm", [&] { m.emp_info->trigger(); }},
        {"user_info_frm", [&] { m.user_info_menu->trigger(); }},
        {"rep_info_frm", [&] { m.rep_info_menu->trigger(); }}, {"dur_rep_frm", [&] { m.rep_menu->trigger(); }},
        {"about_frm", [&] { m.N1->trigger(); }}, {"backup_frm", [&] { m.back_up->trigger(); }},
        {"rollback_frm", [&] { m.rollback_btn->trigger(); }},
    };
    int built = 0;
    for (const Opening& o : openings) {
        ui::Window* w = fx.app().window(o.window);
        if (!w)
            continue;
        ++built;
        fx.modal.shown.clear();
        o.open();
        QCOMPARE(fx.modal.shown, QStringList{o.window});
        QVERIFY(w->isVisible());
        QCOMPARE(fx.app().window(o.window), w); // the same instance at every opening
        w->hide();
    }
    QVERIFY(built >= 1);
    fx.msg.reset(); // windows opened empty-handed may say so; this test is about the shell
}

void TestApp::unbuiltWindowsHidden()
{
    Fixture fx;
    auto& m = fx.main();
    const QList<QPair<QAction*, QString>> items{
        {m.dur_info, "dur_info_frm"}, {m.land_info, "land_info_frm"},
        {m.emp_info, "emp_info_frm"}, {m.rep_menu, "dur_rep_frm"},
        {m.back_up, "backup_frm"},    {m.N1, "about_frm"},
        {m.inv_info, "inv_info_frm"}, {m.rec_inv, "rec_list_frm"},
    };
    for (const auto& [action, window] : items)
        QCOMPARE(action->isVisible(), fx.app().window(window) != nullptr);
    QCOMPARE(m.pay_inv_btn->isVisible(), fx.app().window("pay_list_frm") != nullptr);
    QVERIFY(m.close_menu->isVisible());
    QVERIFY(m.ut_01->menuAction()->isVisible());
}

void TestApp::exitEndsAtOnce()
{
    Fixture fx;
    fx.main().close_menu->trigger();
    QVERIFY(fx.ended);
    TAVU_CHECK_BOXES(fx); // no question
}

void TestApp::aboutBox()
{
    Fixture fx;
    auto& about = fx.win<app::Tabout_frm>("about_frm");
    QCOMPARE(about.windowTitle(), QString("เกี่ยวกับโปรแกรม"));
    QCOMPARE(about.Label1->text(), QString("โปรแกรมจัดการงานพัสดุสำหรับหน่วยรายการ"));
    QCOMPARE(about.Label2->text(), QString("TAVU2004 V.1.0-Beta"));
    QCOMPARE(about.Label3->text(), QString("จัดทำโดย "));
    QCOMPARE(about.Label11->text(), QString("ที่อยู่"));
    QCOMPARE(about.Label5->text(), QString("โทรศัพท์"));
    QCOMPARE(about.Label9->text(), QString("Fax."));
    QCOMPARE(about.Label6->text(), QString("E-mail"));
    QCOMPARE(about.Label8->text(), app::maker::email);
    fx.main().N1->trigger();
    QVERIFY(about.isVisible());
    about.Button1->click();
    QVERIFY(!about.isVisible());
}

void TestApp::startupCreatesMissingDatabase()
{
    Fixture fx(Fixture::Start::Unopened);
    QVERIFY(!QFile::exists(fx.dbPath()));
    QVERIFY(!QDir(QFileInfo(fx.dbPath()).absolutePath()).exists());
    QVERIFY(fx.start());
    QVERIFY(QFile::exists(fx.dbPath()));
    QCOMPARE(fx.count("user_login"), 1);
    QCOMPARE(fx.count("dur_status"), 4);
    fx.login("admin", "admin");
    QVERIFY(fx.main().isEnabled());
}

void TestApp::startupRefusesForeignFile()
{
    Fixture fx(Fixture::Start::Unopened);
    QDir().mkpath(QFileInfo(fx.dbPath()).absolutePath());
    {
        QFile f(fx.dbPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("office notes, not a database");
    }
    QVERIFY(!fx.start());
    QVERIFY(fx.app().databaseError().contains("ไม่ใช่ฐานข้อมูลของโปรแกรมนี้"));
    QFile f(fx.dbPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("office notes, not a database"));
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
