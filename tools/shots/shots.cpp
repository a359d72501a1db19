// Builds the application on a temporary database with a few sample rows, logs in and
// writes a PNG of every window into the folder given (default: shots/).
// Run it offscreen: QT_QPA_PLATFORM=offscreen build/tools/shots/shots shots

#include "app/login_unit.h"
#include "app/main_unit.h"
#include "app/startup.h"
#include "fakes.h"
#include "ui/app.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void sampleRows(QSqlDatabase db)
{
    const QStringList rows{
        "insert into invgroup(invgroupid,invgroupname) values('0001','วัสดุสำนักงาน'),"
        "('0002','วัสดุงานบ้านงานครัว')",
        "insert into invtype(invtypeid,invtypename,invgroupid) values('01','เครื่องเขียน','0001'),"
        "('02','กระดาษ','0001'),('03','น้ำยาทำความสะอาด','0002')",
        "insert into inv(invid,invname,unitname,unitprice,netqty,highpoint,lowpoint,invgroupid,"
        "invtypeid) values('000101000001','ปากกาลูกลื่น สีน้ำเงิน','ด้าม',12.5,120,500,20,'0001','01'),"
        "('000101000002','ดินสอดำ 2B','แท่ง',6,80,300,10,'0001','01'),"
        "('000102000003','กระดาษถ่ายเอกสาร A4','รีม',115,45,100,10,'0001','02'),"
        "('000203000004','น้ำยาล้างจาน','ขวด',35.75,12,50,5,'0002','03')",
        "insert into company(compid,compname,compaddress,compphone,compfax) values"
        "('0001','บริษัท ไทยเครื่องเขียน จำกัด','99 ถนนพหลโยธิน แขวงจตุจักร กรุงเทพฯ','021234567','021234568'),"
        "('0002','ห้างหุ้นส่วนจำกัด ศรีสยามพาณิชย์','12 ถนนมิตรภาพ อำเภอเมือง นครราชสีมา','044123456','')",
        "insert into invreceive(receiveid,receivedate,compid,purchaseno,invoiceno,totalprice,vat,"
        "netprice) values('R2569/001','2026-12-11','0001','PO-101','INV-555',254.125,16.625,237.5)",
        "insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) values"
        "('R2569/001','000101000001','ปากกาลูกลื่น สีน้ำเงิน',3,12.5,37.5),"
        "('R2569/001','000102000003','กระดาษถ่ายเอกสาร A4',2,100,200)",
        "insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) values"
        "('tmp','000101000002','ดินสอดำ 2B',10,6,60)",
    };
    QSqlQuery q(db);
    for (const QString& r : rows)
        if (!q.exec(r))
            std::fprintf(stderr, "sample row: %s\n", qPrintable(q.lastError().text()));
}

bool save(QWidget* w, const QString& folder)
{
    w->show();
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(w->objectName() + ".png");
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::applyOfficeLook();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    QTemporaryDir dir;
    testing::FakeMessages messages;
    testing::FakeModal modal;
    testing::FakeFiles files;
    ui::App app(dir.filePath("data/tavu2004.mdb"), messages, modal, files);
    app.setEndProgram([] {});
    if (!app.openDatabase()) {
        std::fprintf(stderr, "%s\n", qPrintable(app.databaseError()));
        return 1;
    }
    sampleRows(app.db());
    app::Tmain_frm* main = app::createWindows(app);
    main->show();

    bool ok = true;
    auto* login = app.window("login_frm");
    ok = save(login, folder) && ok;
    ok = save(main, folder) && ok; // disabled, under the login
    auto& l = app.get<app::Tlogin_frm>("login_frm");
    l.u_name->setText("admin");
    l.u_pass->setText("admin");
    l.ok_btnClick();
    main->setObjectName("main_frm_logged_in");
    ok = save(main, folder) && ok;
    main->setObjectName("main_frm");
    for (const QString& name : app.windowNames()) {
        if (name == "login_frm")
            continue;
        ui::Window* w = app.window(name);
        ok = save(w, folder) && ok;
        w->hide();
    }
    return ok ? 0 : 1;
}
