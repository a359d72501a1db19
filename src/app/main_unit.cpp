#include "app/main_unit.h"

#include "app/login_unit.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace app {

namespace {
// Which window each menu item and button opens.
const QHash<QString, QString>& targets()
{
    static const QHash<QString, QString> t{
        {"rec_inv_btn", "rec_list_frm"},    {"pay_inv_btn", "pay_list_frm"},
        {"rec_dur_btn", "rec_dur_frm"},     {"bor_dur_btn", "bor_list_frm"},
        {"inv_info", "inv_info_frm"},       {"dur_info", "dur_info_frm"},
        {"comp_info", "comp_info_frm"},     {"land_info", "land_info_frm"},
        {"building_info", "building_info_frm"}, {"emp_info", "emp_info_frm"},
        {"user_info_menu", "user_info_frm"}, {"pay_inv", "pay_list_frm"},
        {"rec_inv", "rec_list_frm"},        {"rec_dur_menu", "rec_dur_frm"},
        {"bor_menu", "bor_list_frm"},       {"rep_info_menu", "rep_info_frm"},
        {"rep_menu", "dur_rep_frm"},        {"N1", "about_frm"},
        {"back_up", "backup_frm"},          {"rollback_btn", "rollback_frm"},
    };
    return t;
}
} // namespace

Tmain_frm::Tmain_frm(ui::App& app) : app(app)
{
    setObjectName(QStringLiteral("main_frm"));
    setWindowTitle(QStringLiteral("ระบบบริหารงานพัสดุสำหรับหน่วยราชการ"));
    resize(800, 570);
    move(0, 0);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 8, 8, 8);
    rec_inv_btn = quick(QStringLiteral("rec_inv_btn"), QStringLiteral("รายการรับวัสดุ"),
                        &Tmain_frm::rec_inv_btnClick);
    pay_inv_btn = quick(QStringLiteral("pay_inv_btn"), QStringLiteral("รายการเบิกวัสดุ"),
                        &Tmain_frm::pay_inv_btnClick);
    rec_dur_btn = quick(QStringLiteral("rec_dur_btn"), QStringLiteral("รายการรับครุภัณฑ์"),
                        &Tmain_frm::rec_dur_btnClick);
    bor_dur_btn = quick(QStringLiteral("bor_dur_btn"), QStringLiteral("รายการยืมคืนครุภัณฑ์"),
                        &Tmain_frm::bor_dur_btnClick);
    for (QPushButton* b : {rec_inv_btn, pay_inv_btn, rec_dur_btn, bor_dur_btn})
        column->addWidget(b, 0, Qt::AlignLeft);
    column->addStretch();
    setCentralWidget(central);
    setTabOrder(rec_inv_btn, pay_inv_btn);
    setTabOrder(pay_inv_btn, rec_dur_btn);
    setTabOrder(rec_dur_btn, bor_dur_btn);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menu"));
    info_menu = bar->addMenu(QStringLiteral("ข้อมูลพื้นฐาน"));
    info_menu->setObjectName(QStringLiteral("info_menu"));
    inv_info = item(info_menu, "inv_info", "ข้อมูลวัสดุ", &Tmain_frm::inv_infoClick);
    dur_info = item(info_menu, "dur_info", "ข้อมูลครุภัณฑ์", &Tmain_frm::dur_infoClick);
    comp_info = item(info_menu, "comp_info", "ข้อมูลบริษัท", &Tmain_frm::comp_infoClick);
    land_info = item(info_menu, "land_info", "ข้อมูลที่ดิน", &Tmain_frm::land_infoClick);
    building_info = item(info_menu, "building_info", "ข้อมูลสิ่งปลูกสร้าง",
                         &Tmain_frm::building_infoClick);
    emp_info = item(info_menu, "emp_info", "ข้อมูลเจ้าหน้าที่", &Tmain_frm::emp_infoClick);
    user_info_menu = item(info_menu, "user_info_menu", "ข้อมูลผู้ใช้ระบบ",
                          &Tmain_frm::user_info_menuClick);
    inventory = bar->addMenu(QStringLiteral("วัสดุ"));
    inventory->setObjectName(QStringLiteral("inventory"));
    pay_inv = item(inventory, "pay_inv", "เบิกวัสดุ", &Tmain_frm::pay_invClick);
    rec_inv = item(inventory, "rec_inv", "รับวัสดุ", &Tmain_frm::rec_invClick);
    durable = bar->addMenu(QStringLiteral("ครุภัณฑ์"));
    durable->setObjectName(QStringLiteral("durable"));
    rec_dur_menu = item(durable, "rec_dur_menu", "รับครุภัณฑ์", &Tmain_frm::rec_dur_menuClick);
    bor_menu = item(durable, "bor_menu", "ยืม-คืน ครุภัณฑ์", &Tmain_frm::bor_menuClick);
    rep_info_menu = item(durable, "rep_info_menu", "แจ้งซ่อมครุภัณฑ์",
                         &Tmain_frm::rep_info_menuClick);
    rep_menu = item(durable, "rep_menu", "รายการส่งซ่อม", &Tmain_frm::rep_menuClick);
    ut_01 = bar->addMenu(QStringLiteral("อรรถประโยชน์"));
    ut_01->setObjectName(QStringLiteral("ut_01"));
    N1 = item(ut_01, "N1", "เกี่ยวกับโปรแกรม", &Tmain_frm::N1Click);
    back_up = item(ut_01, "back_up", "สำรองข้อมูล", &Tmain_frm::back_upClick);
    rollback_btn = item(ut_01, "rollback_btn", "เรียกข้อมูล", &Tmain_frm::rollback_btnClick);
    close_menu = item(ut_01, "close_menu", "ออกจากโปรแกรม", &Tmain_frm::close_menuClick);
}

QAction* Tmain_frm::item(QMenu* menu, const QString& name, const QString& caption,
                         void (Tmain_frm::*handler)())
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, handler);
    if (targets().contains(name))
        m_opens.insert(a, targets().value(name));
    return a;
}

QPushButton* Tmain_frm::quick(const QString& name, const QString& caption,
                              void (Tmain_frm::*handler)())
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setMinimumWidth(190);
    connect(b, &QPushButton::clicked, this, handler);
    m_opens.insert(b, targets().value(name));
    return b;
}

void Tmain_frm::FormCreate()
{
    auto* login = new Tlogin_frm(app, this);
    app.add(login);
    login->show();
}

void Tmain_frm::showBuiltWindows()
{
    for (auto it = m_opens.cbegin(); it != m_opens.cend(); ++it) {
        const bool built = app.window(it.value()) != nullptr;
        if (auto* a = qobject_cast<QAction*>(it.key()))
            a->setVisible(built);
        else if (auto* w = qobject_cast<QWidget*>(it.key()))
            w->setVisible(built);
    }
    for (QMenu* m : {info_menu, inventory, durable, ut_01}) {
        bool any = false;
        for (QAction* a : m->actions())
            any = any || a->isVisible();
        m->menuAction()->setVisible(any);
    }
}

void Tmain_frm::open(const QString& window) { app.showModal(window); }

void Tmain_frm::closeEvent(QCloseEvent* event)
{
    event->accept();
    app.endProgram();
}

} // namespace app
