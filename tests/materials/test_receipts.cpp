// Material receipts: staging lines with their stock changes, the totals, saving, cancelling
// and the receipt list with its lines and company.

#include "data/listquery.h"
#include "data/values.h"
#include "fixture.h"
#include "materials/new_rec_unit.h"
#include "materials/rec_list_unit.h"
#include "ui/bound.h"
#include "ui/datepicker.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using materials::Tnew_rec_frm;
using materials::Trec_list_frm;
using testing::Fixture;

namespace {

const QString pen = QStringLiteral("000101000001");   // 12.5 baht, 10 on hand
const QString paper = QStringLiteral("000101000002"); // 100 baht, 5 on hand

const QString fillAll = QStringLiteral("กรุณากรอกข้อมูลให้ครบถ้วน");
const QString idPresent = QStringLiteral("พบเลขที่ใบรับวัสดุที่ระบุในฐานข้อมูล กรุณาตรวจสอบ");
const QString noCompany = QStringLiteral("ไม่พบรายชื่อบริษัทจากเลขที่ที่ระบุ");
const QString noLines = QStringLiteral("กรุณาเพิ่มรายการวัสดุ");
const QString removeQuestion = QStringLiteral("ต้องการลบ รายการวัสดุนี้ ออกจากใบรายการ");
const QString cancelQuestion = QStringLiteral("ต้องการยกเลิก รายการวัสดุนี้ ออกจากใบรายการ");
const QString removeFirst = QStringLiteral("กรุณาทำการลบรายการวัสดุก่อนทำการยกเลิก");

// A catalogue of two items and one company, put in directly.
void seed(Fixture& fx)
{
    fx.exec("insert into inv(invid,invname,unitname,unitprice,netqty,highpoint,lowpoint,invgroupid,invtypeid) "
            "values(?,'ปากกาลูกลื่น','ด้าม',12.5,10,100,1,'0001','01')",
            {pen});
    fx.exec("insert into inv(invid,invname,unitname,unitprice,netqty,highpoint,lowpoint,invgroupid,invtypeid) "
            "values(?,'กระดาษ A4','รีม',100,5,50,1,'0001','01')",
            {paper});
    fx.exec("insert into company(compid,compname) values('0001','บริษัท สยามเครื่องเขียน จำกัด')");
}

qint64 onHand(Fixture& fx, const QString& invid)
{
    return fx.scalar("select netqty from inv where invid = ?", {invid}).toLongLong();
}

// Opens the new-receipt window from the receipt list, as the user does.
Tnew_rec_frm& openNew(Fixture& fx)
{
    fx.closeAll();
    fx.win<Trec_list_frm>("rec_list_frm").new_orderClick();
    return fx.win<Tnew_rec_frm>("new_rec_frm");
}

void stage(Tnew_rec_frm& w, const QString& invid, const QString& qty)
{
    w.inv_id->setText(invid);
    w.val->setText(qty);
    w.add_itemClick();
}

void fillHeader(Tnew_rec_frm& w, const QString& id, const QString& comp = "0001")
{
    w.rec_id->setText(id);
    w.invoice_id->setText("INV-77");
    w.order_id->setText("PO-12");
    w.rec_date->setDate(QDate(2026, 12, 11));
    w.comp_id->setText(comp);
}

QStringList totals(Tnew_rec_frm& w)
{
    return {w.net_price->text(), w.vat_price->text(), w.tot_price->text()};
}

// Makes the staged line of this item and quantity current.
bool selectLine(Tnew_rec_frm& w, const QString& invid, int qty)
{
    for (int r = 0; r < w.item_query.rowCount(); ++r) {
        if (w.item_query.value(r, "invid").toString() == invid &&
            w.item_query.value(r, "qty").toInt() == qty)
            return w.item_query.setCurrentRow(r);
    }
    return false;
}

} // namespace

class TestReceipts : public QObject {
    Q_OBJECT
private slots:
    void windowsReachedFromMain();
    void stagingMovesStockAndTotals();
    void removingTakesOnlyTheChosenLine();
    void stagingRefused_data();
    void stagingRefused();
    void saveRefusedInOrder_data();
    void saveRefusedInOrder();
    void savedReceiptListedWithLinesAndCompany();
    void leftoverLinesListedAndSaved();
    void cancel_data();
    void cancel();
    void failingStatementLeavesAllAsItWas_data();
    void failingStatementLeavesAllAsItWas();
};

void TestReceipts::windowsReachedFromMain()
{
    Fixture fx;
    QVERIFY(fx.main().rec_inv_btn->isVisible());
    QVERIFY(fx.main().rec_inv->isVisible());
    fx.main().rec_inv_btnClick();
    fx.closeAll();
    fx.main().rec_invClick();
    QCOMPARE(fx.modal.shown, (QStringList{"rec_list_frm", "rec_list_frm"}));
    auto& w = openNew(fx);
    QCOMPARE(fx.modal.shown.last(), QString("new_rec_frm"));
    w.find_compClick();
    QCOMPARE(fx.modal.shown.last(), QString("comp_info_frm"));
    QVERIFY(w.find_inv->isVisibleTo(&w));
    w.find_invClick();
    QCOMPARE(fx.modal.shown.last(), QString("inv_info_frm"));
    QCOMPARE(totals(w), (QStringList{"0.00", "0.00", "0.00"}));
    QCOMPARE(w.rec_date->date(), QDate::currentDate());
    TAVU_CHECK_BOXES(fx);
}

// Each staged line raises the quantity on hand at once; the totals are those of the lines
// staged, with tax at seven per cent.
void TestReceipts::stagingMovesStockAndTotals()
{
    Fixture fx;
    seed(fx);
    auto& w = openNew(fx);
    stage(w, pen, "3");
    QCOMPARE(onHand(fx, pen), qint64(13));
    QCOMPARE(totals(w), (QStringList{"37.5", "2.625", "40.125"}));
    stage(w, paper, "2");
    QCOMPARE(onHand(fx, paper), qint64(7));
    QCOMPARE(totals(w), (QStringList{"237.5", "16.625", "254.125"}));
    QCOMPARE(w.item_query.rowCount(), 2);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp' and invid = ? and invname = 'ปากกาลูกลื่น' "
                                     "and qty = 3 and unitprice = 12.5 and totalprice = 37.5",
                      {pen}),
             1);

    // the catalogue shows the raised quantity at its next re-query, here a search
    QWidget* cat = fx.app().window("inv_info_frm");
    auto* catalogue = cat->findChild<data::ListQuery*>("inv_query");
    auto* key = cat->findChild<QLineEdit*>("inv_key");
    auto* find = cat->findChild<QPushButton*>("find_inv");
    QVERIFY(catalogue && key && find);
    key->setText("ปากกา");
    find->click();
    bool seen = false;
    for (int r = 0; r < catalogue->rowCount(); ++r) {
        if (catalogue->value(r, "invid").toString() == pen) {
            QCOMPARE(catalogue->value(r, "netqty").toLongLong(), qint64(13));
            seen = true;
        }
    }
    QVERIFY(seen);

    // the price is copied when staged; a later change of the catalogue does not touch it
    fx.exec("update inv set unitprice = 20 where invid = ?", {pen});
    QCOMPARE(fx.scalar("select unitprice from invreceive2 where invid = ?", {pen}).toDouble(), 12.5);

    // a negative quantity lowers the quantity on hand
    stage(w, paper, "-1");
    QCOMPARE(onHand(fx, paper), qint64(6));
    QCOMPARE(totals(w), (QStringList{"137.5", "9.625", "147.125"}));

    // the boxes keep the item and the quantity for the next line
    QCOMPARE(w.inv_id->text(), paper);
    QCOMPARE(w.val->text(), QString("-1"));
    QVERIFY(w.net_price->isReadOnly() && w.vat_price->isReadOnly() && w.tot_price->isReadOnly());
    TAVU_CHECK_BOXES(fx);
}

// With one item staged twice, removing a line removes that line only and gives back its own
// quantity; No leaves everything; the last removal empties the totals.
void TestReceipts::removingTakesOnlyTheChosenLine()
{
    Fixture fx;
    seed(fx);
    auto& w = openNew(fx);
    stage(w, pen, "3");
    stage(w, pen, "4");
    stage(w, paper, "2");
    QCOMPARE(onHand(fx, pen), qint64(17));

    QVERIFY(selectLine(w, pen, 4));
    fx.msg.answerNo();
    w.del_btnClick();
    QCOMPARE(fx.msg.takeConfirm(), removeQuestion);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), 3);
    QCOMPARE(onHand(fx, pen), qint64(17));

    QVERIFY(selectLine(w, pen, 4));
    fx.msg.answerYes();
    w.del_btnClick();
    QCOMPARE(fx.msg.takeConfirm(), removeQuestion);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp' and invid = ?", {pen}), 1);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp' and invid = ? and qty = 3", {pen}), 1);
    QCOMPARE(onHand(fx, pen), qint64(13));
    QCOMPARE(onHand(fx, paper), qint64(7));
    QCOMPARE(totals(w), (QStringList{"237.5", "16.625", "254.125"}));

    for (int i = 0; i < 2; ++i) {
        fx.msg.answerYes();
        w.del_btnClick();
        QCOMPARE(fx.msg.takeConfirm(), removeQuestion);
    }
    QCOMPARE(fx.count("invreceive2"), 0);
    QCOMPARE(onHand(fx, pen), qint64(10));
    QCOMPARE(onHand(fx, paper), qint64(5));
    QCOMPARE(totals(w), (QStringList{"0.00", "0.00", "0.00"}));

    // with no line listed there is nothing to remove and nothing is asked
    QVERIFY(!w.del_btn->isEnabled());
    w.del_btnClick();
    TAVU_CHECK_BOXES(fx);
}

void TestReceipts::stagingRefused_data()
{
    QTest::addColumn<QString>("invid");
    QTest::addColumn<QString>("qty");
    QTest::addColumn<QString>("info");  // information box, or
    QTest::addColumn<QString>("error"); // error box
    QTest::newRow("no item id") << "" << "3" << fillAll << "";
    QTest::newRow("no quantity") << pen << "" << fillAll << "";
    QTest::newRow("unknown item") << "999999999999" << "3" << QString("ไม่พบวัสดุจากเลขที่ที่ระบุ") << "";
    QTest::newRow("quantity not a number") << pen << "3x" << "" << data::invalidNumberText("3x");
    QTest::newRow("quantity with a fraction") << pen << "1.5" << "" << data::invalidNumberText("1.5");
}

void TestReceipts::stagingRefused()
{
    QFETCH(QString, invid);
    QFETCH(QString, qty);
    QFETCH(QString, info);
    QFETCH(QString, error);
    Fixture fx;
    seed(fx);
    auto& w = openNew(fx);
    stage(w, invid, qty);
    if (!info.isEmpty())
        QCOMPARE(fx.msg.takeInfo(), info);
    if (!error.isEmpty())
        QCOMPARE(fx.msg.takeError(), error);
    QCOMPARE(fx.count("invreceive2"), 0);
    QCOMPARE(onHand(fx, pen), qint64(10));
    QCOMPARE(w.inv_id->text(), invid);
    QCOMPARE(w.val->text(), qty);
    TAVU_CHECK_BOXES(fx);
}

void TestReceipts::saveRefusedInOrder_data()
{
    QTest::addColumn<QString>("recId");
    QTest::addColumn<QString>("invoice");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<bool>("withLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("no receipt id") << "" << "I1" << "P1" << "0001" << true << fillAll;
    QTest::newRow("no invoice") << "R2" << "" << "P1" << "0001" << true << fillAll;
    QTest::newRow("no order") << "R2" << "I1" << "" << "0001" << true << fillAll;
    QTest::newRow("no company id") << "R2" << "I1" << "P1" << "" << true << fillAll;
    // the id is refused before the company and the lines are looked at
    QTest::newRow("id present") << "R1" << "I1" << "P1" << "9999" << false << idPresent;
    QTest::newRow("id present other case") << "r1" << "I1" << "P1" << "0001" << true << idPresent;
    QTest::newRow("staging id") << "tmp" << "I1" << "P1" << "0001" << true << idPresent;
    QTest::newRow("staging id capitals") << "TMP" << "I1" << "P1" << "9999" << false << idPresent;
    QTest::newRow("company missing") << "R2" << "I1" << "P1" << "9999" << false << noCompany;
    QTest::newRow("no lines") << "R2" << "I1" << "P1" << "0001" << false << noLines;
}

// Each refusal writes nothing, keeps the inputs and the staged lines, and leaves the window
// open.
void TestReceipts::saveRefusedInOrder()
{
    QFETCH(QString, recId);
    QFETCH(QString, invoice);
    QFETCH(QString, order);
    QFETCH(QString, comp);
    QFETCH(bool, withLine);
    QFETCH(QString, message);
    Fixture fx;
    seed(fx);
    fx.exec("insert into invreceive(receiveid,receivedate,compid,invoiceno,purchaseno,totalprice,netprice,vat) "
            "values('R1','2026-01-05','0001','I0','P0',107,100,7)");
    auto& w = openNew(fx);
    if (withLine)
        stage(w, pen, "3");
    w.rec_id->setText(recId);
    w.invoice_id->setText(invoice);
    w.order_id->setText(order);
    w.comp_id->setText(comp);
    w.add_btnClick();
    QCOMPARE(fx.msg.takeInfo(), message);
    QCOMPARE(fx.count("invreceive"), 1);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), withLine ? 1 : 0);
    QCOMPARE(fx.count("invreceive2", "receiveid <> 'tmp'"), 0);
    QVERIFY(w.isVisible());
    QCOMPARE(w.rec_id->text(), recId);
    QCOMPARE(w.comp_id->text(), comp);
    TAVU_CHECK_BOXES(fx);
}

// A saved receipt holds the header typed, the totals of its lines and the lines themselves;
// the list shows it with its lines and company, and the window is ready for the next one.
void TestReceipts::savedReceiptListedWithLinesAndCompany()
{
    Fixture fx;
    seed(fx);
    fx.exec("insert into company(compid,compname) values('0002','ห้างหุ้นส่วน กระดาษไทย')");
    fx.exec("insert into invreceive(receiveid,receivedate,compid,invoiceno,purchaseno,totalprice,netprice,vat) "
            "values('R1','2026-01-05','0002','I0','P0',107,100,7)");
    fx.exec("insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) "
            "values('R1',?,'กระดาษ A4',1,100,100)",
            {paper});
    auto& list = fx.win<Trec_list_frm>("rec_list_frm");
    auto& w = openNew(fx);
    stage(w, pen, "3");
    stage(w, paper, "2");
    fillHeader(w, "R2");
    w.add_btnClick();

    QVERIFY(!w.isVisible());
    QCOMPARE(fx.count("invreceive", "receiveid = 'R2' and receivedate = '2026-12-11' and compid = '0001' "
                                    "and invoiceno = 'INV-77' and purchaseno = 'PO-12'"),
             1);
    QCOMPARE(fx.scalar("select netprice from invreceive where receiveid = 'R2'").toDouble(), 237.5);
    QCOMPARE(fx.scalar("select vat from invreceive where receiveid = 'R2'").toDouble(), 16.625);
    QCOMPARE(fx.scalar("select totalprice from invreceive where receiveid = 'R2'").toDouble(), 254.125);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'R2'"), 2);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), 0);
    QCOMPARE(fx.count("invreceive2", "receiveid = 'R1'"), 1);
    // saving the header leaves the quantities on hand as staging made them
    QCOMPARE(onHand(fx, pen), qint64(13));
    QCOMPARE(onHand(fx, paper), qint64(7));

    QCOMPARE(list.rec_query.rowCount(), 2);
    QCOMPARE(list.rec_id->text(), QString("R1"));
    QCOMPARE(list.comp_name->text(), QString("ห้างหุ้นส่วน กระดาษไทย"));
    QCOMPARE(list.item_query.rowCount(), 1);
    list.rec_query.next();
    QCOMPARE(list.rec_id->text(), QString("R2"));
    QCOMPARE(list.rec_date->text(), QString("11/12/2569"));
    QCOMPARE(list.invoice_id->text(), QString("INV-77"));
    QCOMPARE(list.order_id->text(), QString("PO-12"));
    QCOMPARE(list.tot_price->text(), QString("237.5"));
    QCOMPARE(list.vat->text(), QString("16.625"));
    QCOMPARE(list.DBEdit1->text(), QString("254.125"));
    QCOMPARE(list.comp_name->text(), QString("บริษัท สยามเครื่องเขียน จำกัด"));
    QCOMPARE(list.item_query.rowCount(), 2);
    QStringList names;
    for (int r = 0; r < 2; ++r)
        names << list.item_query.value(r, "invname").toString();
    names.sort();
    QCOMPARE(names, (QStringList{"กระดาษ A4", "ปากกาลูกลื่น"}));
    for (ui::BoundEdit* b : {list.rec_id, list.order_id, list.invoice_id, list.rec_date,
                             list.comp_name, list.tot_price, list.vat, list.DBEdit1})
        QVERIFY2(b->isReadOnly(), qPrintable(b->objectName()));

    // the next opening starts a fresh receipt
    auto& again = openNew(fx);
    QVERIFY(again.rec_id->text().isEmpty());
    QVERIFY(again.comp_id->text().isEmpty());
    QVERIFY(again.item_query.isEmpty());
    QCOMPARE(totals(again), (QStringList{"0.00", "0.00", "0.00"}));
    TAVU_CHECK_BOXES(fx);
}

// Lines staged in an earlier opening (or left by an earlier run) are listed with their
// totals at the next opening and saved with the next receipt; the save stores the totals
// of the lines, whatever the boxes show.
void TestReceipts::leftoverLinesListedAndSaved()
{
    Fixture fx;
    seed(fx);
    fx.exec("insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) "
            "values('TMP',?,'กระดาษ A4',2,100,200)",
            {paper});
    auto& w = openNew(fx);
    QCOMPARE(w.item_query.rowCount(), 1);
    QCOMPARE(totals(w), (QStringList{"200", "14", "214"}));
    stage(w, pen, "3");
    fillHeader(w, "R9");
    fx.closeAll(); // closed by its frame's owner, not saved: the lines stay

    auto& next = openNew(fx);
    QCOMPARE(next.item_query.rowCount(), 2);
    QCOMPARE(totals(next), (QStringList{"237.5", "16.625", "254.125"}));
    QVERIFY(next.rec_id->text().isEmpty());
    fillHeader(next, "R10");
    next.net_price->setText("1");
    next.vat_price->setText("2");
    next.tot_price->setText("3");
    next.add_btnClick();
    QCOMPARE(fx.count("invreceive2", "receiveid = 'R10'"), 2);
    QCOMPARE(fx.scalar("select netprice from invreceive where receiveid = 'R10'").toDouble(), 237.5);
    QCOMPARE(fx.scalar("select vat from invreceive where receiveid = 'R10'").toDouble(), 16.625);
    QCOMPARE(fx.scalar("select totalprice from invreceive where receiveid = 'R10'").toDouble(), 254.125);
    TAVU_CHECK_BOXES(fx);
}

void TestReceipts::cancel_data()
{
    QTest::addColumn<bool>("closeBox"); // the frame's close box instead of "ยกเลิก"
    QTest::newRow("cancel button") << false;
    QTest::newRow("close box") << true;
}

// Cancel asks first; it is refused while lines are staged, and closes the window once
// none are.
void TestReceipts::cancel()
{
    QFETCH(bool, closeBox);
    Fixture fx;
    seed(fx);
    auto& w = openNew(fx);
    auto cancelIt = [&] {
        if (closeBox)
            w.close(); // the frame's close box
        else
            w.con_btnClick();
    };
    stage(w, pen, "3");
    w.rec_id->setText("R5");

    fx.msg.answerNo();
    cancelIt();
    QCOMPARE(fx.msg.takeConfirm(), cancelQuestion);
    QVERIFY(w.isVisible());

    fx.msg.answerYes();
    cancelIt();
    QCOMPARE(fx.msg.takeConfirm(), cancelQuestion);
    QCOMPARE(fx.msg.takeInfo(), removeFirst);
    QVERIFY(w.isVisible());
    QCOMPARE(w.rec_id->text(), QString("R5"));
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), 1);
    QCOMPARE(onHand(fx, pen), qint64(13));

    fx.msg.answerYes();
    w.del_btnClick();
    QCOMPARE(fx.msg.takeConfirm(), removeQuestion);
    fx.msg.answerYes();
    cancelIt();
    QCOMPARE(fx.msg.takeConfirm(), cancelQuestion);
    QVERIFY(!w.isVisible());
    QCOMPARE(onHand(fx, pen), qint64(10));
    TAVU_CHECK_BOXES(fx);
}

void TestReceipts::failingStatementLeavesAllAsItWas_data()
{
    QTest::addColumn<QString>("step"); // stage, remove, save
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("event");
    QTest::newRow("stage: stock update fails") << "stage" << "inv" << "update";
    QTest::newRow("remove: stock update fails") << "remove" << "inv" << "update";
    QTest::newRow("save: re-keying fails") << "save" << "invreceive2" << "update";
}

// The second statement of a handler fails: the first is undone with it, the window shows
// the unchanged state and keeps its inputs.
void TestReceipts::failingStatementLeavesAllAsItWas()
{
    QFETCH(QString, step);
    QFETCH(QString, table);
    QFETCH(QString, event);
    Fixture fx;
    seed(fx);
    auto& w = openNew(fx);
    stage(w, pen, "3");
    stage(w, paper, "2");
    fillHeader(w, "R3");
    QVERIFY(selectLine(w, paper, 2));
    const QStringList shown = totals(w);

    fx.failOn(table, event);
    if (step == "stage") {
        stage(w, pen, "4");
    } else if (step == "remove") {
        fx.msg.answerYes();
        w.del_btnClick();
        QCOMPARE(fx.msg.takeConfirm(), removeQuestion);
    } else {
        w.add_btnClick();
    }
    QVERIFY(fx.msg.takeError().contains("refused"));
    QCOMPARE(onHand(fx, pen), qint64(13));
    QCOMPARE(onHand(fx, paper), qint64(7));
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), 2);
    QCOMPARE(fx.count("invreceive2"), 2);
    QCOMPARE(fx.count("invreceive"), 0);
    QVERIFY(w.isVisible());
    QCOMPARE(w.item_query.rowCount(), 2);
    QCOMPARE(totals(w), shown);
    QCOMPARE(w.rec_id->text(), QString("R3"));
    TAVU_CHECK_BOXES(fx);
}

QTEST_MAIN(TestReceipts)
#include "test_receipts.moc"
