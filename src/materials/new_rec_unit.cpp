#include "materials/new_rec_unit.h"

#include "data/staging.h"
#include "data/values.h"
#include "materials/rec_list_unit.h"
#include "ui/datepicker.h"
#include "ui/grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace materials {

namespace {
const data::Staging& lines = data::staged::invreceive2;

const QString fillAll = QStringLiteral("กรุณากรอกข้อมูลให้ครบถ้วน");
} // namespace

Tnew_rec_frm::Tnew_rec_frm(ui::App& app)
    : Window(app, QStringLiteral("new_rec_frm"), QStringLiteral("เพิ่มรายการรับวัสดุ"), 696, 480,
             Reload::EachShowing),
      item_query(app.db(), QStringLiteral("item_query"), this), query(app.db())
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("เลขที่ใบรับวัสดุ"));
    rec_id = edit(QStringLiteral("rec_id"), 10);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("เลขที่ใบกำกับภาษี"));
    invoice_id = edit(QStringLiteral("invoice_id"), 10);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("เลขที่ใบสั่งซื้อ"));
    order_id = edit(QStringLiteral("order_id"), 10);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("วันที่รับ"));
    rec_date = new ui::DatePicker(QStringLiteral("rec_date"), this);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("เลขที่บริษัท"));
    comp_id = edit(QStringLiteral("comp_id"), 4);
    find_comp = button(QStringLiteral("find_comp"), QStringLiteral("..."), &Tnew_rec_frm::find_compClick);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("ราคารวม"));
    net_price = edit(QStringLiteral("net_price"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("ภาษีมูลค่าเพิ่ม"));
    vat_price = edit(QStringLiteral("vat_price"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("รวมทั้งหมด"));
    tot_price = edit(QStringLiteral("tot_price"));
    for (QLineEdit* e : {net_price, vat_price, tot_price}) {
        e->setReadOnly(true);
        e->setText(data::zeroAmountText);
    }
    add_btn = button(QStringLiteral("add_btn"), QStringLiteral("บันทึก"), &Tnew_rec_frm::add_btnClick);
    con_btn = button(QStringLiteral("con_btn"), QStringLiteral("ยกเลิก"), &Tnew_rec_frm::con_btnClick);

    GroupBox1 = new QGroupBox(QStringLiteral("รายการวัสดุ"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    item_list = new ui::Grid(QStringLiteral("item_list"), &item_query,
                             {{QStringLiteral("InvName"), 30, QStringLiteral("วัสดุ")},
                              {QStringLiteral("Qty"), 10, QStringLiteral("จำนวน")},
                              {QStringLiteral("UnitPrice"), 20, QStringLiteral("ราคาต่อหน่วย")},
                              {QStringLiteral("TotalPrice"), 20, QStringLiteral("ราคารวม")}},
                             GroupBox1);
    Label9 = new QLabel(QStringLiteral("เลขที่วัสดุ"), GroupBox1);
    Label9->setObjectName(QStringLiteral("Label9"));
    inv_id = edit(QStringLiteral("inv_id"), 15);
    find_inv = button(QStringLiteral("find_inv"), QStringLiteral("..."), &Tnew_rec_frm::find_invClick);
    Label10 = new QLabel(QStringLiteral("จำนวน"), GroupBox1);
    Label10->setObjectName(QStringLiteral("Label10"));
    val = edit(QStringLiteral("val"));
    add_item = button(QStringLiteral("add_item"), QStringLiteral("เพิ่ม"), &Tnew_rec_frm::add_itemClick);
    del_btn = button(QStringLiteral("del_btn"), QStringLiteral("ลบ"), &Tnew_rec_frm::del_btnClick);
    // The catalogue is the finder of item ids; without it there is nothing to open.
    find_inv->setVisible(app.window(QStringLiteral("inv_info_frm")) != nullptr);
    // Only a listed line can be removed.
    connect(&item_query, &data::ListQuery::currentChanged, this,
            [this](int row) { del_btn->setEnabled(row >= 0); });
    del_btn->setEnabled(false);
    find_comp->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    find_inv->setFixedWidth(find_comp->width());

    auto* entry = new QHBoxLayout;
    entry->addWidget(Label9);
    entry->addWidget(inv_id, 2);
    entry->addWidget(find_inv);
    entry->addSpacing(12);
    entry->addWidget(Label10);
    entry->addWidget(val, 1);
    entry->addWidget(add_item);
    entry->addWidget(del_btn);
    auto* box = new QVBoxLayout(GroupBox1);
    box->addWidget(item_list, 1);
    box->addLayout(entry);

    auto* header = new QGridLayout;
    header->addWidget(Label1, 0, 0);
    header->addWidget(rec_id, 0, 1);
    header->addWidget(Label4, 0, 3);
    header->addWidget(rec_date, 0, 4);
    header->addWidget(Label2, 1, 0);
    header->addWidget(invoice_id, 1, 1);
    header->addWidget(Label5, 1, 3);
    auto* comp = new QHBoxLayout;
    comp->addWidget(comp_id, 1);
    comp->addWidget(find_comp);
    header->addLayout(comp, 1, 4);
    header->addWidget(Label3, 2, 0);
    header->addWidget(order_id, 2, 1);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(4, 1);
    header->setColumnMinimumWidth(2, 16);

    auto* sums = new QGridLayout;
    sums->addWidget(Label6, 0, 0);
    sums->addWidget(net_price, 0, 1);
    sums->addWidget(Label7, 1, 0);
    sums->addWidget(vat_price, 1, 1);
    sums->addWidget(Label8, 2, 0);
    sums->addWidget(tot_price, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add_btn);
    buttons->addWidget(con_btn);
    sums->addLayout(buttons, 3, 0, 1, 2);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addLayout(sums);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(GroupBox1, 1);
    column->addLayout(foot);
}

// Each opening starts a new header over the lines still staged, also those left by an
// earlier opening that was never saved; the item box and the quantity keep their text.
void Tnew_rec_frm::FormCreate()
{
    for (QLineEdit* e : {rec_id, invoice_id, order_id, comp_id})
        e->clear();
    rec_date->setDate(QDate::currentDate());
    showStaged();
}

Tnew_rec_frm::Totals Tnew_rec_frm::stagedTotals()
{
    Totals t;
    query.set(QStringLiteral("select count(*) as lines, total(totalprice) as net from invreceive2 "
                             "where receiveid = 'tmp'"))
        .open();
    t.any = query.value(QStringLiteral("lines")).toLongLong() > 0;
    t.net = query.value(QStringLiteral("net")).toDouble();
    t.tax = t.net * taxRate;
    t.total = t.net + t.tax;
    return t;
}

void Tnew_rec_frm::showStaged()
{
    item_query.openWith(lines.listSql());
    const Totals t = stagedTotals();
    net_price->setText(t.any ? data::amountText(t.net) : data::zeroAmountText);
    vat_price->setText(t.any ? data::amountText(t.tax) : data::zeroAmountText);
    tot_price->setText(t.any ? data::amountText(t.total) : data::zeroAmountText);
}

void Tnew_rec_frm::find_compClick() { app.showModal(QStringLiteral("comp_info_frm")); }

void Tnew_rec_frm::find_invClick()
{
    if (app.window(QStringLiteral("inv_info_frm")))
        app.showModal(QStringLiteral("inv_info_frm"));
}

void Tnew_rec_frm::add_itemClick()
{
    if (inv_id->text().isEmpty() || val->text().isEmpty()) {
        app.msg().info(fillAll);
        return;
    }
    app.handle([&] {
        query.set(QStringLiteral("select * from inv where invid = ?"), {inv_id->text()}).open();
        if (query.isEmpty()) {
            app.msg().info(QStringLiteral("ไม่พบวัสดุจากเลขที่ที่ระบุ"));
            return;
        }
        const QString invid = query.field(QStringLiteral("invid"));
        const QString invname = query.field(QStringLiteral("invname"));
        const double unitprice = query.value(QStringLiteral("unitprice")).toDouble();
        const qint64 qty = data::wholeNumber(val->text());

        data::Transaction t(app.db());
        query.set(QStringLiteral("insert into invreceive2(receiveid,invid,invname,qty,unitprice,totalprice) "
                                 "values('tmp',?,?,?,?,?)"),
                  {invid, invname, qty, unitprice, double(qty) * unitprice})
            .exec();
        query.set(QStringLiteral("update inv set netqty = coalesce(netqty, 0) + ? where invid = ?"),
                  {qty, invid})
            .exec();
        t.commit();
        showStaged();
    });
}

void Tnew_rec_frm::del_btnClick()
{
    if (item_query.currentRow() < 0)
        return;
    if (!app.msg().confirm(QStringLiteral("ต้องการลบ รายการวัสดุนี้ ออกจากใบรายการ")))
        return;
    const qint64 rowid = item_query.value(QStringLiteral("rowid")).toLongLong();
    const qint64 qty = item_query.value(QStringLiteral("qty")).toLongLong();
    const QString invid = item_query.field(QStringLiteral("invid"));
    app.handle([&] {
        data::Transaction t(app.db());
        if (lines.removeLine(query, rowid)) {
            query.set(QStringLiteral("update inv set netqty = coalesce(netqty, 0) - ? where invid = ?"),
                      {qty, invid})
                .exec();
        }
        t.commit();
        showStaged();
    });
}

void Tnew_rec_frm::add_btnClick()
{
    if (rec_id->text().isEmpty() || invoice_id->text().isEmpty() || order_id->text().isEmpty() ||
        !rec_date->date().isValid() || comp_id->text().isEmpty()) {
        app.msg().info(fillAll);
        return;
    }
    const QString id = rec_id->text();
    app.handle([&] {
        query.set(QStringLiteral("select * from invreceive where receiveid = ?"), {id}).open();
        if (!query.isEmpty() || data::isStagingId(id)) {
            app.msg().info(QStringLiteral("พบเลขที่ใบรับวัสดุที่ระบุในฐานข้อมูล กรุณาตรวจสอบ"));
            return;
        }
        query.set(QStringLiteral("select * from company where compid = ?"), {comp_id->text()}).open();
        if (query.isEmpty()) {
            app.msg().info(QStringLiteral("ไม่พบรายชื่อบริษัทจากเลขที่ที่ระบุ"));
            return;
        }
        const QString compid = query.field(QStringLiteral("compid"));
        if (!lines.any(query)) {
            app.msg().info(QStringLiteral("กรุณาเพิ่มรายการวัสดุ"));
            return;
        }

        data::Transaction t(app.db());
        const Totals sum = stagedTotals();
        query.set(QStringLiteral("insert into invreceive(receiveid,receivedate,compid,invoiceno,"
                                 "purchaseno,totalprice,netprice,vat) values(?,?,?,?,?,?,?,?)"),
                  {id, data::isoDate(rec_date->date()), compid, invoice_id->text(),
                   order_id->text(), sum.total, sum.net, sum.tax})
            .exec();
        lines.rekey(query, id);
        t.commit();

        app.get<Trec_list_frm>(QStringLiteral("rec_list_frm")).rec_query.open();
        showStaged();
        closeWindow();
    });
}

void Tnew_rec_frm::con_btnClick()
{
    if (!app.msg().confirm(QStringLiteral("ต้องการยกเลิก รายการวัสดุนี้ ออกจากใบรายการ")))
        return;
    bool staged = false;
    if (!app.handle([&] { staged = lines.any(query); }))
        return;
    if (staged) {
        app.msg().info(QStringLiteral("กรุณาทำการลบรายการวัสดุก่อนทำการยกเลิก"));
        return;
    }
    closeWindow();
}

} // namespace materials
