// The material catalogue: groups and types, the items, the new-material and edit windows,
// the search and the detail pane.

#include "data/values.h"
#include "fixture.h"
#include "materials/add_inv_unit.h"
#include "materials/edit_inv_unit.h"
#include "materials/inv_info_unit.h"
#include "materials/name_combo.h"
#include "ui/bound.h"
#include "ui/grid.h"

#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QToolButton>
#include <QtTest>

using materials::NameCombo;
using materials::Tadd_inv_frm;
using materials::Tedit_inv_frm;
using materials::Tinv_info_frm;
using testing::Fixture;

namespace {

// 30 characters as the office counts them (each น, tone mark and vowel sign is one), shown
// as 10 letters; one more makes 31.
const QString thai30 = QStringLiteral("น้ำ").repeated(10);
const QString thai31 = thai30 + QStringLiteral("ก");

// Two groups. In Thai order เครื่องเขียน (read from ค) comes before วัสดุสำนักงาน, and its
// type เครยอน before ดินสอ and ปากกา, though the code points order them the other way.
void seed(Fixture& fx)
{
    fx.exec("insert into invgroup(invgroupid,invgroupname) values"
            "('0001','วัสดุสำนักงาน'),('0002','เครื่องเขียน')");
    fx.exec("insert into invtype(invtypeid,invtypename,invgroupid) values"
            "('01','แฟ้ม','0001'),('02','กระดาษ','0001'),"
            "('03','ปากกา','0002'),('04','ดินสอ','0002'),('05','เครยอน','0002')");
    fx.exec("insert into inv(invid,invname,unitname,unitprice,netqty,highpoint,lowpoint,"
            "invgroupid,invtypeid) values"
            "('000203000001','ปากกาแดง','ด้าม',12.5,50,100,10,'0002','03'),"
            "('000203000002','ปากกาน้ำเงิน','ด้าม',12.5,20,100,10,'0002','03'),"
            "('000204000003','ดินสอ 2B','แท่ง',6,80,300,10,'0002','04'),"
            "('000205000004','เครยอน 12 สี','กล่อง',45,5,20,2,'0002','05'),"
            "('000101000005','แฟ้มเจาะ','แฟ้ม',30,10,50,5,'0001','01'),"
            "('000102000006','กระดาษ A4','รีม',115,45,100,10,'0001','02'),"
            "('000101000007','ซองปากกา','ซอง',3,100,200,20,'0001','01')");
    fx.win<Tinv_info_frm>("inv_info_frm").FormCreate();
}

// Every row of a table, to show that a refused operation left it as it was.
QString dump(Fixture& fx, const QString& table)
{
    QSqlQuery q(fx.app().db());
    q.exec("select * from " + table + " order by rowid");
    QStringList rows;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << q.value(i).toString();
        rows << fields.join('|');
    }
    return rows.join('\n');
}

QString catalogueRows(Fixture& fx)
{
    return dump(fx, "invgroup") + "\n--\n" + dump(fx, "invtype") + "\n--\n" + dump(fx, "inv");
}

// The user picks a name from the list, or types a text.
void pick(NameCombo* box, const QString& text)
{
    box->setEditText(text);
    emit box->textActivated(text);
}

void typeInto(NameCombo* box, const QString& text)
{
    box->lineEdit()->setText(text);
    emit box->lineEdit()->textEdited(text);
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setText(text);
    emit box->textEdited(text);
}

QStringList names(const NameCombo* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList listed(data::ListQuery& list, const QString& field)
{
    QStringList out;
    const int rows = list.rowCount();
    for (int r = 0; r < rows; ++r)
        out << list.value(r, field).toString();
    return out;
}

bool moveTo(data::ListQuery& list, const QString& invname)
{
    const int rows = list.rowCount();
    for (int r = 0; r < rows; ++r) {
        if (list.value(r, "invname").toString() == invname)
            return list.setCurrentRow(r);
    }
    return false;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void menuOpensTheCatalogue();
    void opensOnFirstGroupAndTypeInThaiOrder();
    void groupAndTypeNames_data();
    void groupAndTypeNames();
    void nothingChosenChangesNothing();
    void groupDeleteTakesItsTypesAndItems();
    void typeDeleteTakesItsItems();
    void idsFollowTheBoxes();
    void newItemIdEmbedsGroupAndType();
    void addRefusals_data();
    void addRefusals();
    void editLoadsAndSaves();
    void editRefusals_data();
    void editRefusals();
    void search();
    void paneEditsInPlace();
    void paneChecks_data();
    void paneChecks();
    void paneFailedWriteLeavesRow();
};

void TestCatalogue::menuOpensTheCatalogue()
{
    Fixture fx;
    QVERIFY(fx.main().inv_info->isVisible());
    QVERIFY(fx.main().info_menu->menuAction()->isVisible());
    fx.main().inv_info->trigger();
    QCOMPARE(fx.modal.shown, QStringList{"inv_info_frm"});
    QCOMPARE(fx.win<Tinv_info_frm>("inv_info_frm").windowTitle(), QString("ข้อมูลวัสดุ"));
}

void TestCatalogue::opensOnFirstGroupAndTypeInThaiOrder()
{
    Fixture fx;
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    // no groups at all
    QCOMPARE(w.invgr_cbx->text(), QString());
    QCOMPARE(w.invtype_cbx->text(), QString());
    QCOMPARE(w.cur_invgroupid, QString());
    QVERIFY(w.inv_query.isEmpty());

    seed(fx);
    QCOMPARE(w.invgr_cbx->text(), QString("เครื่องเขียน"));
    QCOMPARE(w.cur_invgroupid, QString("0002"));
    QCOMPARE(names(w.invgr_cbx), QStringList({"เครื่องเขียน", "วัสดุสำนักงาน"}));
    QCOMPARE(w.invtype_cbx->text(), QString("เครยอน"));
    QCOMPARE(w.cur_invtypeid, QString("05"));
    QCOMPARE(names(w.invtype_cbx), QStringList({"เครยอน", "ดินสอ", "ปากกา"}));
    QCOMPARE(listed(w.inv_query, "invid"), QStringList{"000205000004"});
    QCOMPARE(w.inv_name->text(), QString("เครยอน 12 สี"));
    QCOMPARE(w.DBText1->text(), QString("กล่อง"));

    // leaving a box changes nothing
    emit w.invgr_cbx->lineEdit()->editingFinished();
    QCOMPARE(w.cur_invtypeid, QString("05"));
    QCOMPARE(w.invtype_cbx->text(), QString("เครยอน"));
}

void TestCatalogue::groupAndTypeNames_data()
{
    QTest::addColumn<QString>("op");     // add or rename, group or type
    QTest::addColumn<QString>("answer"); // typed into the input box; "<cancel>" for Cancel
    QTest::addColumn<QString>("refusal"); // the message, or empty when the name is taken

    const QString cancel = "<cancel>";
    const QString groupEmpty = "กรุณากรอกชื่อกลุ่มวัสดุ";
    const QString typeEmpty = "กรุณากรอกชื่อประเภทวัสดุ";
    const QString groupDup = "พบชื่อกลุ่มวัสดุที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้";
    const QString groupRenameDup = "พบรายชื่อกลุ่มวัสดุนี่อยู่ในฐานขอ้มูล ไม่สามารถทำรายการได้";
    const QString typeDup = "พบชื่อประเภทวัสดุที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้";

    QTest::newRow("add group: empty") << "add group" << "" << groupEmpty;
    QTest::newRow("add group: cancel") << "add group" << cancel << groupEmpty;
    QTest::newRow("add group: blanks") << "add group" << "   " << groupEmpty;
    QTest::newRow("add group: 30 characters") << "add group" << thai30 << "";
    QTest::newRow("add group: 31 characters")
        << "add group" << thai31 << "ชื่อกลุ่มวัสดุมีความยาวเกิน 30 ตัวอักษร ไม่สามารถทำรายการได้";
    QTest::newRow("add group: present") << "add group" << "วัสดุสำนักงาน" << groupDup;

    QTest::newRow("rename group: empty") << "rename group" << "" << groupEmpty;
    QTest::newRow("rename group: cancel") << "rename group" << cancel << groupRenameDup;
    QTest::newRow("rename group: same name") << "rename group" << "เครื่องเขียน" << groupRenameDup;
    QTest::newRow("rename group: another group's name")
        << "rename group" << "วัสดุสำนักงาน" << groupRenameDup;
    QTest::newRow("rename group: 31 characters")
        << "rename group" << thai31 << "ชื่อกลุ่มวัสดุมีความยาวเกิน 30 ตัวอักษร";
    QTest::newRow("rename group: 30 characters") << "rename group" << thai30 << "";

    QTest::newRow("add type: empty") << "add type" << "" << typeEmpty;
    QTest::newRow("add type: cancel") << "add type" << cancel << typeEmpty;
    QTest::newRow("add type: 31 characters")
        << "add type" << thai31 << "ชื่อประเภทวัสดุมีความยาวเกิน 30 ตัวอักษร ไม่สามารถทำรายการได้";
    QTest::newRow("add type: name of another group's type") << "add type" << "แฟ้ม" << typeDup;
    QTest::newRow("add type: 30 characters") << "add type" << thai30 << "";

    QTest::newRow("rename type: empty") << "rename type" << "" << typeEmpty;
    QTest::newRow("rename type: cancel") << "rename type" << cancel << typeDup;
    QTest::newRow("rename type: same name") << "rename type" << "เครยอน" << typeDup;
    QTest::newRow("rename type: name of another group's type") << "rename type" << "กระดาษ" << typeDup;
    QTest::newRow("rename type: 31 characters")
        << "rename type" << thai31 << "ชื่อประเภทวัสดุมีความยาวเกิน 30 ตัวอักษร";
    QTest::newRow("rename type: 30 characters") << "rename type" << thai30 << "";
}

// On the window as it opens: group เครื่องเขียน (0002), type เครยอน (05).
void TestCatalogue::groupAndTypeNames()
{
    QFETCH(QString, op);
    QFETCH(QString, answer);
    QFETCH(QString, refusal);
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    const QString before = catalogueRows(fx);

    if (answer == "<cancel>")
        fx.msg.answerCancel();
    else
        fx.msg.answerInput(answer);
    QString box;
    if (op == "add group") {
        w.add_invgrClick();
        box = "เพิ่มรายชื่อกลุ่มวัสดุ|กลุ่มวัสดุ|";
    } else if (op == "rename group") {
        w.edit_invgrClick();
        box = "แก้ไขรายชื่อกลุ่มวัสดุ|กลุ่มวัสดุ|เครื่องเขียน";
    } else if (op == "add type") {
        w.add_invtypeClick();
        box = "เพิ่มรายชื่อประเภทวัสดุ|ประเภทวัสดุ|";
    } else {
        w.edit_invtypeClick();
        box = "แก้ไขรายชื่อประเภทวัสดุ|ประเภทวัสดุ|เครยอน";
    }
    QCOMPARE(fx.msg.takeInput(), box);

    if (!refusal.isEmpty()) {
        QCOMPARE(fx.msg.takeInfo(), refusal);
        QCOMPARE(catalogueRows(fx), before);
    } else if (op == "add group") {
        QCOMPARE(fx.scalar("select invgroupid from invgroup where invgroupname = ?", {answer}).toString(),
                 QString("0003"));
        QVERIFY(names(w.invgr_cbx).contains(answer));
    } else if (op == "rename group") {
        QCOMPARE(fx.scalar("select invgroupname from invgroup where invgroupid = '0002'").toString(), answer);
        QCOMPARE(w.invgr_cbx->text(), answer);
        QCOMPARE(w.cur_invgroupid, QString("0002"));
        QVERIFY(names(w.invgr_cbx).contains(answer));
    } else if (op == "add type") {
        QCOMPARE(fx.scalar("select invtypeid || invgroupid from invtype where invtypename = ?", {answer})
                     .toString(),
                 QString("060002"));
        QVERIFY(names(w.invtype_cbx).contains(answer));
    } else {
        QCOMPARE(fx.scalar("select invtypename from invtype where invtypeid = '05'").toString(), answer);
        QCOMPARE(w.invtype_cbx->text(), answer);
        QCOMPARE(w.cur_invtypeid, QString("05"));
    }
    TAVU_CHECK_BOXES(fx);
}

// With no group or no type chosen, or a text that names none, the buttons change nothing;
// a No to a delete question changes nothing either.
void TestCatalogue::nothingChosenChangesNothing()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    const QString before = catalogueRows(fx);

    fx.msg.answerNo();
    w.del_invgrClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ เครื่องเขียน ออกจากฐานข้อมูล"));
    fx.msg.answerNo();
    w.del_invtypeClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ เครยอน ออกจากฐานข้อมูล"));

    // the type box emptied by hand: its id goes with it
    typeInto(w.invtype_cbx, "");
    QCOMPARE(w.cur_invtypeid, QString());
    w.edit_invtypeClick();
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณากรอกชื่อประเภทวัสดุ"));
    w.del_invtypeClick(); // no box, no change

    // a typed group that names no group
    typeInto(w.invgr_cbx, "ไม่มีกลุ่มนี้");
    QCOMPARE(w.cur_invgroupid, QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QVERIFY(names(w.invtype_cbx).isEmpty());
    QVERIFY(w.inv_query.isEmpty());
    w.add_invtypeClick();
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));
    w.edit_invgrClick();
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณากรอกชื่อกลุ่มวัสดุ"));
    fx.msg.answerYes();
    w.del_invgrClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ ไม่มีกลุ่มนี้ ออกจากฐานข้อมูล"));
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));

    // the group box emptied
    typeInto(w.invgr_cbx, "");
    w.add_invtypeClick();
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));
    fx.msg.answerYes();
    w.del_invgrClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ  ออกจากฐานข้อมูล"));
    QCOMPARE(fx.msg.takeInfo(), QString("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));

    // an empty item list: the question names nobody, and nothing goes
    fx.msg.answerYes();
    w.del_invClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ  ออกจากฐานข้อมูล"));

    QCOMPARE(catalogueRows(fx), before);
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::groupDeleteTakesItsTypesAndItems()
{
    Fixture fx;
    seed(fx);
    fx.exec("insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) "
            "values('R1','000203000001','ปากกาแดง',3,12.5,37.5)");
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");

    fx.msg.answerYes();
    w.del_invgrClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ เครื่องเขียน ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("invgroup", "invgroupid = '0002'"), 0);
    QCOMPARE(fx.count("invtype", "invgroupid = '0002'"), 0);
    QCOMPARE(fx.count("inv", "invgroupid = '0002'"), 0); // of every type of the group
    QCOMPARE(fx.count("invgroup"), 1);
    QCOMPARE(fx.count("invtype"), 2);
    QCOMPARE(fx.count("inv"), 3);
    QCOMPARE(fx.count("invreceive2"), 1); // receipt lines keep their copies

    QCOMPARE(w.invgr_cbx->text(), QString());
    QCOMPARE(w.invtype_cbx->text(), QString());
    QCOMPARE(w.cur_invgroupid, QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QCOMPARE(names(w.invgr_cbx), QStringList{"วัสดุสำนักงาน"});
    QVERIFY(names(w.invtype_cbx).isEmpty());
    QCOMPARE(listed(w.inv_query, "invname"), QStringList({"กระดาษ A4", "ซองปากกา", "แฟ้มเจาะ"}));
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::typeDeleteTakesItsItems()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invtype_cbx, "ปากกา");
    QCOMPARE(w.cur_invtypeid, QString("03"));
    QCOMPARE(listed(w.inv_query, "invname"), QStringList({"ปากกาแดง", "ปากกาน้ำเงิน"}));

    fx.msg.answerYes();
    w.del_invtypeClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ ปากกา ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("invtype", "invtypeid = '03'"), 0);
    QCOMPARE(fx.count("inv", "invtypeid = '03'"), 0);
    QCOMPARE(fx.count("invtype"), 4);
    QCOMPARE(fx.count("inv"), 5);
    QCOMPARE(fx.count("invgroup"), 2);

    QCOMPARE(w.invtype_cbx->text(), QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QCOMPARE(w.cur_invgroupid, QString("0002"));
    QCOMPARE(names(w.invtype_cbx), QStringList({"เครยอน", "ดินสอ"}));
    QCOMPARE(listed(w.inv_query, "invname"), QStringList({"เครยอน 12 สี", "ดินสอ 2B"}));
    TAVU_CHECK_BOXES(fx);
}

// After an add, a search and a delete, the ids are those of the names the boxes show, so
// a delete removes what its question names.
void TestCatalogue::idsFollowTheBoxes()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");

    // the search makes the first item's group and type current, and shows them
    w.inv_key->setText("ปากกา");
    w.find_invClick();
    QCOMPARE(listed(w.inv_query, "invname"), QStringList({"ซองปากกา", "ปากกาแดง", "ปากกาน้ำเงิน"}));
    QCOMPARE(w.cur_invgroupid, QString("0001"));
    QCOMPARE(w.cur_invtypeid, QString("01"));
    QCOMPARE(w.invgr_cbx->text(), QString("วัสดุสำนักงาน"));
    QCOMPARE(w.invtype_cbx->text(), QString("แฟ้ม"));
    QCOMPARE(names(w.invtype_cbx), QStringList({"กระดาษ", "แฟ้ม"}));

    // so deleting the type removes แฟ้ม, not เครยอน that was shown before the search
    fx.msg.answerYes();
    w.del_invtypeClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ แฟ้ม ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("invtype", "invtypeid = '01'"), 0);
    QCOMPARE(fx.count("invtype", "invtypeid = '05'"), 1);
    QCOMPARE(fx.count("inv", "invtypeid = '01'"), 0);
    QCOMPARE(fx.count("inv"), 5);
    QCOMPARE(listed(w.inv_query, "invname"), QStringList{"กระดาษ A4"});

    // a new type: the type box is emptied, and its id
    pick(w.invtype_cbx, "กระดาษ");
    QCOMPARE(w.cur_invtypeid, QString("02"));
    fx.msg.answerInput("ซองจดหมาย");
    w.add_invtypeClick();
    QCOMPARE(fx.msg.takeInput(), QString("เพิ่มรายชื่อประเภทวัสดุ|ประเภทวัสดุ|"));
    QCOMPARE(w.invtype_cbx->text(), QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QCOMPARE(w.cur_invgroupid, QString("0001"));
    QCOMPARE(names(w.invtype_cbx), QStringList({"กระดาษ", "ซองจดหมาย"}));
    w.del_invtypeClick(); // no type shown: no question, no change
    QCOMPARE(fx.count("invtype"), 5);

    // a new group: both boxes are emptied, and both ids; every item is listed
    fx.msg.answerInput("วัสดุคอมพิวเตอร์");
    w.add_invgrClick();
    QCOMPARE(fx.msg.takeInput(), QString("เพิ่มรายชื่อกลุ่มวัสดุ|กลุ่มวัสดุ|"));
    QCOMPARE(w.invgr_cbx->text(), QString());
    QCOMPARE(w.cur_invgroupid, QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QCOMPARE(w.inv_query.rowCount(), 5);
    TAVU_CHECK_BOXES(fx);
}

// The fourth item ever added, in group 0003 and type 07, gets 000307000004; the new-
// material window shows the group and type it files the item under.
void TestCatalogue::newItemIdEmbedsGroupAndType()
{
    Fixture fx;
    fx.exec("insert into invgroup(invgroupid,invgroupname) values"
            "('0001','ก1'),('0002','ก2'),('0003','วัสดุไฟฟ้า')");
    fx.exec("insert into invtype(invtypeid,invtypename,invgroupid) values"
            "('01','ป1','0001'),('02','ป2','0001'),('03','ป3','0002'),('04','ป4','0002'),"
            "('05','หลอดไฟ','0003'),('06','สายไฟ','0003'),('07','ปลั๊กไฟ','0003')");
    fx.exec("insert into inv(invid,invname,invgroupid,invtypeid) values"
            "('000101000001','a','0001','01'),('000101000002','b','0001','01'),"
            "('000305000003','c','0003','05')");
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    w.FormCreate();
    pick(w.invgr_cbx, "วัสดุไฟฟ้า");
    pick(w.invtype_cbx, "ปลั๊กไฟ");
    QCOMPARE(w.cur_invgroupid, QString("0003"));
    QCOMPARE(w.cur_invtypeid, QString("07"));

    w.add_invClick();
    QCOMPARE(fx.modal.shown, QStringList{"add_inv_frm"});
    auto& a = fx.win<Tadd_inv_frm>("add_inv_frm");
    QVERIFY(a.isVisible());
    QCOMPARE(a.gr_cbx->text(), QString("วัสดุไฟฟ้า"));
    QCOMPARE(a.type_cbx->text(), QString("ปลั๊กไฟ"));
    QCOMPARE(names(a.type_cbx), QStringList({"ปลั๊กไฟ", "สายไฟ", "หลอดไฟ"}));
    QCOMPARE(a.new_invgroupid, QString("0003"));
    QCOMPARE(a.new_invtypeid, QString("07"));

    a.inv_name->setText("ปลั๊กพ่วง 3 ตา");
    a.max_val->setText("40");
    a.min_val->setText("4");
    a.net_val->setText("12");
    a.u_name->setText("อัน");
    a.u_price->setText("259.5");
    a.add_btnClick();
    QCOMPARE(fx.scalar("select invid from inv where invname = 'ปลั๊กพ่วง 3 ตา'").toString(),
             QString("000307000004"));
    QCOMPARE(fx.scalar("select highpoint || '/' || lowpoint || '/' || netqty || '/' || unitname || "
                       "'/' || unitprice || '/' || invgroupid || '/' || invtypeid from inv "
                       "where invid = '000307000004'")
                 .toString(),
             QString("40/4/12/อัน/259.5/0003/07"));
    QCOMPARE(fx.scalar("select typeof(unitprice) from inv where invid = '000307000004'").toString(),
             QString("real"));
    QVERIFY(!a.isVisible());
    QCOMPARE(listed(w.inv_query, "invid"), QStringList{"000307000004"});

    // opened again, it starts empty, on the catalogue's group and type
    pick(w.invgr_cbx, "ก1");
    pick(w.invtype_cbx, "ป2");
    w.add_invClick();
    QCOMPARE(a.inv_name->text(), QString());
    QCOMPARE(a.u_price->text(), QString());
    QCOMPARE(a.gr_cbx->text(), QString("ก1"));
    QCOMPARE(a.type_cbx->text(), QString("ป2"));
    QCOMPARE(names(a.type_cbx), QStringList({"ป1", "ป2"}));
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::addRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("group"); // picked in the window; "-" leaves it
    QTest::addColumn<QString>("type");  // typed in the window; "-" leaves it
    QTest::addColumn<QString>("info");    // the refusal, when one is shown
    QTest::addColumn<QString>("invalid"); // the value of the invalid-number box

    const QString dup = "พบวัสดุนี้ในฐานข้อมูล ไม่สามารถทำรายการได้";
    const QString wrong = "ข้อมูลไม่ถูกต้อง ไม่สามารถทำรายการได้";
    // the window opens on เครื่องเขียน / เครยอน, which holds เครยอน 12 สี
    QTest::newRow("same name, group and type, before the numbers")
        << "เครยอน 12 สี" << "x" << "1" << "1" << "1" << "-" << "-" << dup << "";
    QTest::newRow("high limit not a whole number")
        << "สีน้ำ" << "สิบ" << "1" << "1" << "1" << "-" << "-" << "" << "สิบ";
    QTest::newRow("low limit not a whole number")
        << "สีน้ำ" << "10" << "1.5" << "1" << "1" << "-" << "-" << "" << "1.5";
    QTest::newRow("low equal to high") << "สีน้ำ" << "5" << "5" << "1" << "1" << "-" << "-" << wrong << "";
    QTest::newRow("low above high") << "สีน้ำ" << "5" << "6" << "1" << "1" << "-" << "-" << wrong << "";
    QTest::newRow("limits before price") << "สีน้ำ" << "5" << "5" << "1" << "x" << "-" << "-" << wrong << "";
    QTest::newRow("name empty") << "" << "10" << "1" << "1" << "1" << "-" << "-" << wrong << "";
    QTest::newRow("no type after another group")
        << "สีน้ำ" << "10" << "1" << "1" << "1" << "วัสดุสำนักงาน" << "-" << wrong << "";
    QTest::newRow("type of another group")
        << "สีน้ำ" << "10" << "1" << "1" << "1" << "-" << "แฟ้ม" << wrong << "";
    QTest::newRow("no group") << "สีน้ำ" << "10" << "1" << "1" << "1" << "ไม่มี" << "-" << wrong << "";
    QTest::newRow("price empty") << "สีน้ำ" << "10" << "1" << "1" << "" << "-" << "-" << "" << "";
    QTest::newRow("price not a number") << "สีน้ำ" << "10" << "1" << "1" << "12,5" << "-" << "-" << "" << "12,5";
    QTest::newRow("opening quantity empty") << "สีน้ำ" << "10" << "1" << "" << "1" << "-" << "-" << "" << "";
    QTest::newRow("opening quantity not whole")
        << "สีน้ำ" << "10" << "1" << "2.5" << "1" << "-" << "-" << "" << "2.5";
    // the same name under another type of the group is a new item
    QTest::newRow("same name, other type: added")
        << "เครยอน 12 สี" << "10" << "1" << "1" << "1" << "-" << "ดินสอ" << "" << "<added>";
}

void TestCatalogue::addRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, high);
    QFETCH(QString, low);
    QFETCH(QString, net);
    QFETCH(QString, price);
    QFETCH(QString, group);
    QFETCH(QString, type);
    QFETCH(QString, info);
    QFETCH(QString, invalid);
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    w.add_invClick();
    auto& a = fx.win<Tadd_inv_frm>("add_inv_frm");
    if (group != "-") {
        pick(a.gr_cbx, group);
        QCOMPARE(a.type_cbx->text(), QString()); // another group: no type chosen
    }
    if (type != "-")
        typeInto(a.type_cbx, type);
    a.inv_name->setText(name);
    a.max_val->setText(high);
    a.min_val->setText(low);
    a.net_val->setText(net);
    a.u_price->setText(price);
    a.u_name->setText("ชิ้น");
    const QString before = dump(fx, "inv");

    a.add_btnClick();
    if (invalid == "<added>") {
        QCOMPARE(fx.count("inv", "invname = ? and invgroupid = '0002' and invtypeid = '04'", {name}), 1);
        QVERIFY(!a.isVisible());
    } else {
        if (!info.isEmpty())
            QCOMPARE(fx.msg.takeInfo(), info);
        else
            QCOMPARE(fx.msg.takeError(), data::invalidNumberText(invalid));
        QCOMPARE(dump(fx, "inv"), before);
        QVERIFY(a.isVisible());
        QCOMPARE(a.inv_name->text(), name);
    }
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::editLoadsAndSaves()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invtype_cbx, "ปากกา");
    QCOMPARE(w.inv_query.field("invname"), QString("ปากกาแดง"));
    w.edit_invClick();
    QCOMPARE(w.cur_invid, QString("000203000001"));
    QCOMPARE(fx.modal.shown, QStringList{"edit_inv_frm"});
    auto& e = fx.win<Tedit_inv_frm>("edit_inv_frm");
    QCOMPARE(e.inv_name->text(), QString("ปากกาแดง"));
    QCOMPARE(e.max_val->text(), QString("100"));
    QCOMPARE(e.min_val->text(), QString("10"));
    QCOMPARE(e.net_val->text(), QString("50"));
    QCOMPARE(e.u_name->text(), QString("ด้าม"));
    QCOMPARE(e.u_price->text(), QString("12.5"));
    QCOMPARE(e.gr_cbx->text(), QString("เครื่องเขียน"));
    QCOMPARE(e.type_cbx->text(), QString("ปากกา"));
    // the item keeps its group, type and quantity
    QVERIFY(!e.gr_cbx->isEnabled());
    QVERIFY(!e.type_cbx->isEnabled());
    QVERIFY(e.net_val->isReadOnly());

    e.inv_name->setText("ปากกาลูกลื่น สีแดง");
    e.max_val->setText("50"); // equal to the quantity on hand
    e.min_val->setText("50"); // equal to the high limit
    e.u_name->setText("แท่ง");
    e.u_price->setText("13.25");
    e.add_btnClick();
    QCOMPARE(fx.scalar("select invid || '/' || invname || '/' || highpoint || '/' || lowpoint || '/' || "
                       "netqty || '/' || unitname || '/' || unitprice || '/' || invgroupid || '/' || "
                       "invtypeid from inv where count = 1")
                 .toString(),
             QString("000203000001/ปากกาลูกลื่น สีแดง/50/50/50/แท่ง/13.25/0002/03"));
    QVERIFY(e.isVisible()); // stays open
    QCOMPARE(listed(w.inv_query, "invname"), QStringList({"ปากกาน้ำเงิน", "ปากกาลูกลื่น สีแดง"}));

    // opened again on another item, it loads that item
    e.hide();
    QVERIFY(moveTo(w.inv_query, "ปากกาน้ำเงิน"));
    w.edit_invClick();
    QCOMPARE(e.inv_name->text(), QString("ปากกาน้ำเงิน"));
    QCOMPARE(e.net_val->text(), QString("20"));
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::editRefusals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("invalid");
    const QString empty = "กรุณาตรวจสอบข้อมูลให้ถูกต้อง";
    const QString wrong = "ข้อมูลไม่ถูกต้อง กรุณาตรวจสอบ";
    // the item: quantity 50, limits 100 and 10
    QTest::newRow("name empty") << "inv_name" << "" << empty << "";
    QTest::newRow("unit empty") << "u_name" << "" << empty << "";
    QTest::newRow("price empty") << "u_price" << "" << empty << "";
    QTest::newRow("high limit empty") << "max_val" << "" << empty << "";
    QTest::newRow("low limit blank") << "min_val" << "  " << empty << "";
    QTest::newRow("quantity above high limit") << "max_val" << "49" << wrong << "";
    QTest::newRow("low limit above high limit") << "min_val" << "101" << wrong << "";
    QTest::newRow("high limit not whole") << "max_val" << "1e2" << "" << "1e2";
    QTest::newRow("low limit not whole") << "min_val" << "สิบ" << "" << "สิบ";
    QTest::newRow("price not a number") << "u_price" << "abc" << "" << "abc";
}

void TestCatalogue::editRefusals()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, info);
    QFETCH(QString, invalid);
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invtype_cbx, "ปากกา");
    w.edit_invClick();
    auto& e = fx.win<Tedit_inv_frm>("edit_inv_frm");
    e.findChild<QLineEdit*>(box)->setText(text);
    e.inv_name->setText(box == "inv_name" ? text : "ชื่อใหม่");
    const QString before = dump(fx, "inv");

    e.add_btnClick();
    if (!info.isEmpty())
        QCOMPARE(fx.msg.takeInfo(), info);
    else
        QCOMPARE(fx.msg.takeError(), data::invalidNumberText(invalid));
    QCOMPARE(dump(fx, "inv"), before);
    QVERIFY(e.isVisible());
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::search()
{
    Fixture fx;
    seed(fx);
    fx.exec("insert into inv(invid,invname,invgroupid,invtypeid) values('000102000008','ลด 50%','0001','02')");
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    const QStringList shown = listed(w.inv_query, "invid");

    w.find_invClick();
    QCOMPARE(fx.msg.takeInfo(), QString("ไม่สามารถสืบค้นได้ กรุณาระบุคำสำคัญที่ต้องการค้นหา"));
    QCOMPARE(listed(w.inv_query, "invid"), shown);
    QCOMPARE(w.cur_invgroupid, QString("0002"));

    // % stands for itself
    w.inv_key->setText("0%");
    w.find_invClick();
    QCOMPARE(listed(w.inv_query, "invname"), QStringList{"ลด 50%"});
    w.inv_key->setText("%");
    w.find_invClick();
    QCOMPARE(listed(w.inv_query, "invname"), QStringList{"ลด 50%"});

    // a name found nowhere empties the list, the ids and the boxes
    w.inv_key->setText("ไม่มีชื่อนี้");
    w.find_invClick();
    QVERIFY(w.inv_query.isEmpty());
    QCOMPARE(w.cur_invgroupid, QString());
    QCOMPARE(w.cur_invtypeid, QString());
    QCOMPARE(w.invgr_cbx->text(), QString());
    QCOMPARE(w.invtype_cbx->text(), QString());
    QVERIFY(names(w.invtype_cbx).isEmpty());
    QCOMPARE(w.inv_name->text(), QString());
    TAVU_CHECK_BOXES(fx);
}

// The pane writes the current item when another row becomes current, at refresh, and when
// the window closes; the list then shows what was written.
void TestCatalogue::paneEditsInPlace()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invgr_cbx, "เครื่องเขียน"); // every item of the group
    QCOMPARE(listed(w.inv_query, "invname"),
             QStringList({"เครยอน 12 สี", "ดินสอ 2B", "ปากกาแดง", "ปากกาน้ำเงิน"}));
    QVERIFY(w.inv_net->isReadOnly());
    QVERIFY(!w.inv_name->isReadOnly());

    typeInto(w.inv_name, "สีเทียน 12 สี");
    typeInto(w.inv_max, "30");
    typeInto(w.inv_min, "3");
    typeInto(w.inv_uprice, "47.75");
    typeInto(w.inv_uname, "ชุด");
    w.inv_query.next();
    QCOMPARE(fx.scalar("select invname || '/' || highpoint || '/' || lowpoint || '/' || unitprice || "
                       "'/' || unitname || '/' || netqty from inv where invid = '000205000004'")
                 .toString(),
             QString("สีเทียน 12 สี/30/3/47.75/ชุด/5"));
    // the row moved to stays current, and the written item is listed as written
    QTRY_COMPARE(listed(w.inv_query, "invname"),
                 QStringList({"ดินสอ 2B", "ปากกาแดง", "ปากกาน้ำเงิน", "สีเทียน 12 สี"}));
    QCOMPARE(w.inv_query.field("invname"), QString("ดินสอ 2B"));
    QCOMPARE(w.inv_name->text(), QString("ดินสอ 2B"));
    QVERIFY(moveTo(w.inv_query, "สีเทียน 12 สี"));
    QCOMPARE(w.inv_uprice->text(), QString("47.75"));
    QCOMPARE(w.DBText2->text(), QString("ชุด"));

    // only what was changed is written
    fx.exec("update inv set unitprice = 0.1 + 0.2 where invid = '000205000004'");
    w.inv_query.reopen();
    typeInto(w.inv_uname, "กล่องใหญ่");
    w.inv_navi->findChild<QToolButton*>("refresh")->click();
    QCOMPARE(fx.scalar("select unitname from inv where invid = '000205000004'").toString(),
             QString("กล่องใหญ่"));
    QCOMPARE(fx.scalar("select unitprice = 0.1 + 0.2 from inv where invid = '000205000004'").toInt(), 1);

    // closing the window writes; Esc gives the change up
    w.show();
    typeInto(w.inv_min, "4");
    w.reject();
    QVERIFY(!w.isVisible());
    QCOMPARE(fx.scalar("select lowpoint from inv where invid = '000205000004'").toInt(), 4);
    typeInto(w.inv_min, "7");
    QTest::keyClick(w.inv_min, Qt::Key_Escape);
    QCOMPARE(w.inv_min->text(), QString("4"));
    w.inv_query.first();
    QCOMPARE(fx.scalar("select lowpoint from inv where invid = '000205000004'").toInt(), 4);

    // a name is held to 30 characters
    typeInto(w.inv_name, thai31);
    QCOMPARE(data::charCount(w.inv_name->text()), 30);
    w.inv_query.next();
    QCOMPARE(fx.scalar("select invname from inv where invid = '000204000003'").toString(), thai30);
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::paneChecks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("invalid");
    const QString wrong = "ข้อมูลไม่ถูกต้อง กรุณาตรวจสอบ";
    // the item: quantity 50, limits 100 and 10
    QTest::newRow("high limit not whole") << "inv_max" << "ร้อย" << "" << "ร้อย";
    QTest::newRow("low limit not whole") << "inv_min" << "2.5" << "" << "2.5";
    QTest::newRow("price not a number") << "inv_uprice" << "12,5" << "" << "12,5";
    QTest::newRow("name emptied") << "inv_name" << "" << "กรุณาตรวจสอบข้อมูลให้ถูกต้อง" << "";
    QTest::newRow("high limit below quantity") << "inv_max" << "49" << wrong << "";
    QTest::newRow("low limit above high limit") << "inv_min" << "101" << wrong << "";
}

// A refused change is not written, keeps the row current and the typed text in its box.
void TestCatalogue::paneChecks()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, info);
    QFETCH(QString, invalid);
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invtype_cbx, "ปากกา");
    typeInto(w.findChild<ui::BoundEdit*>(box), text);
    const QString before = dump(fx, "inv");

    auto refused = [&] {
        if (!info.isEmpty())
            QCOMPARE(fx.msg.takeInfo(), info);
        else
            QCOMPARE(fx.msg.takeError(), data::invalidNumberText(invalid));
        QCOMPARE(dump(fx, "inv"), before);
        QCOMPARE(w.inv_query.field("invname"), QString("ปากกาแดง"));
        QCOMPARE(w.findChild<ui::BoundEdit*>(box)->text(), text);
    };
    w.inv_query.next();
    refused();
    if (QTest::currentTestFailed())
        return;
    // a handler that would move the list stops too, and the box it was typed in goes back
    pick(w.invgr_cbx, "วัสดุสำนักงาน");
    refused();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(w.invgr_cbx->text(), QString("เครื่องเขียน"));
    QCOMPARE(w.cur_invgroupid, QString("0002"));
    TAVU_CHECK_BOXES(fx);
}

void TestCatalogue::paneFailedWriteLeavesRow()
{
    Fixture fx;
    seed(fx);
    auto& w = fx.win<Tinv_info_frm>("inv_info_frm");
    pick(w.invtype_cbx, "ปากกา");
    const QString before = dump(fx, "inv");
    fx.failOn("inv", "update", "no writes");
    typeInto(w.inv_name, "ปากกาหมึกซึม");
    w.inv_query.next();
    QVERIFY(fx.msg.takeError().contains("no writes"));
    QCOMPARE(dump(fx, "inv"), before);
    // the list shows the item as stored
    QCOMPARE(w.inv_query.field("invname"), QString("ปากกาแดง"));
    QCOMPARE(w.inv_name->text(), QString("ปากกาแดง"));
    TAVU_CHECK_BOXES(fx);
}

QTEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
