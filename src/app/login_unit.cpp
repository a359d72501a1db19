#include "app/login_unit.h"

#include "app/about_unit.h"
#include "app/main_unit.h"
#include "data/database.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace app {

Tlogin_frm::Tlogin_frm(ui::App& app, Tmain_frm* main)
    : Window(app, QStringLiteral("login_frm"), QStringLiteral("Login"), 325, 346,
             Reload::AtCreation),
      query(app.db()), m_main(main)
{
    // Owned by the application, not by the main window it disables.
    setParent(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Username"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Password"));
    u_name = edit(QStringLiteral("u_name"), 16);
    u_pass = edit(QStringLiteral("u_pass"), 16);
    u_pass->setEchoMode(QLineEdit::Password);
    descripton = new QPlainTextEdit(this);
    descripton->setObjectName(QStringLiteral("descripton"));
    descripton->setReadOnly(true);
    descripton->setStyleSheet(QStringLiteral("color: blue;"));
    descripton->setPlainText(noticeLines().join(QLatin1Char('\n')));
    ok_btn = button(QStringLiteral("ok_btn"), QStringLiteral("ตกลง"), &Tlogin_frm::ok_btnClick);
    can_btn = button(QStringLiteral("can_btn"), QStringLiteral("ยกเลิก"), &Tlogin_frm::can_btnClick);
    ok_btn->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(u_name, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(u_pass, 1, 1, 1, 2);
    grid->addWidget(descripton, 2, 0, 1, 3);
    grid->addWidget(ok_btn, 3, 1);
    grid->addWidget(can_btn, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

QStringList Tlogin_frm::noticeLines()
{
    return {
        QStringLiteral("ใช้งานครั้งแรก "),
        QStringLiteral("Username : ") + data::firstUseUser,
        QStringLiteral("Password : ") + data::firstUsePassword,
        QStringLiteral("Username/Password นี้หลังจากใช้แล้ว"),
        QStringLiteral("กรุณาลบทิ้งเพื่อความปลอดภัยของข้อมูลท่าน"),
        QString(),
        QString(30, QLatin1Char('=')),
        QString(),
        QStringLiteral("โปรแกรมระบบบริหารพัสดุสำหรับหน่วยราชการ "),
        QStringLiteral("TAVU2004 verion 1.0 beta"),
        QStringLiteral("หากท่านพบข้อผิดพลาดของการใช้โปรแกรม"),
        QStringLiteral("หรือต้องการฟังก์ชั่นการใช้งานเพิ่มเติม กรุณาแจ้งกลับที่"),
        QStringLiteral("E-mail : ") + maker::email,
        QStringLiteral("หรือที่ส่วน \"ถาม-ตอบ\" ") + maker::web,
        QStringLiteral("และ Dowload รุ่นล่าสุดได้ที่ ") + maker::web,
        QString(),
        QString(),
    };
}

void Tlogin_frm::FormCreate()
{
    query.set(QStringLiteral("select * from user_login")).open();
    m_main->setEnabled(false);
}

void Tlogin_frm::ok_btnClick()
{
    const QString name = u_name->text();
    const QString pass = u_pass->text();
    if (name.isEmpty() || pass.isEmpty()) {
        app.msg().info(QStringLiteral("กรุณากรอก Username และ Password "));
        return;
    }
    bool found = false;
    QString kind;
    // The user name compares ignoring letter case (its column is NOCASE), the password
    // exactly.
    if (!app.handle([&] {
            query.set(QStringLiteral("select * from user_login\nwhere userid = ? and u_pass = ?"),
                      {name, pass})
                .open();
            found = !query.isEmpty();
            kind = query.field(QStringLiteral("u_type_id"));
        }))
        return;
    if (found) {
        m_main->setEnabled(true);
        m_main->user_info_menu->setEnabled(kind != QLatin1String("2"));
        closeWindow();
        return;
    }
    if (m_remaining == 0) {
        app.endProgram();
        return;
    }
    --m_remaining;
    u_name->clear();
    u_pass->clear();
    app.msg().info(QStringLiteral("Username หรือ Password ไม่ถูกต้อง"));
}

void Tlogin_frm::can_btnClick() { app.endProgram(); }

void Tlogin_frm::reject() { can_btnClick(); }

} // namespace app
