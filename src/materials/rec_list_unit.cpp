#include "materials/rec_list_unit.h"

#include "ui/bound.h"
#include "ui/grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace materials {

Trec_list_frm::Trec_list_frm(ui::App& app)
    : Window(app, QStringLiteral("rec_list_frm"), QStringLiteral("รายการรับวัสดุ"), 800, 600,
             Reload::AtCreation),
      rec_query(app.db(), QStringLiteral("rec_query"), this),
      item_query(app.db(), QStringLiteral("item_query"), this),
      table(app.db(), QStringLiteral("table"), this)
{
    item_query.setMaster(&rec_query, {QStringLiteral("receiveid")});
    table.setMaster(&rec_query, {QStringLiteral("compid")});

    rec_list = new ui::Grid(QStringLiteral("rec_list"), &rec_query,
                            {{QStringLiteral("ReceiveID"), 10, QStringLiteral("เลขที่ใบรับวัสดุ")},
                             {QStringLiteral("ReceiveDate"), 18, QStringLiteral("วันที่รับ")},
                             {QStringLiteral("TotalPrice"), 20, QStringLiteral("ราคารวม")}},
                            this);
    auto bound = [this](ui::BoundEdit*& box, const char* name, data::ListQuery* q,
                        const char* field) {
        box = new ui::BoundEdit(QLatin1String(name), q, QLatin1String(field), this);
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("เลขที่ใบรับวัสดุ"));
    bound(rec_id, "rec_id", &rec_query, "ReceiveID");
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("เลขที่ใบสั่งซื้อ"));
    bound(order_id, "order_id", &rec_query, "PurchaseNo");
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("เลขที่ใบกำกับภาษี"));
    bound(invoice_id, "invoice_id", &rec_query, "InvoiceNo");
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("วันที่รับวัสดุ"));
    bound(rec_date, "rec_date", &rec_query, "ReceiveDate");
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("บริษัท"));
    bound(comp_name, "comp_name", &table, "CompName");
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("ราคาไม่รวมภาษี"));
    bound(tot_price, "tot_price", &rec_query, "NetPrice");
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("บาท"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("ภาษี"));
    bound(vat, "vat", &rec_query, "Vat");
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("บาท"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("ราคารวม"));
    bound(DBEdit1, "DBEdit1", &rec_query, "TotalPrice");
    Label11 = label(QStringLiteral("Label11"), QStringLiteral("บาท"));
    rec_navi = new ui::Navigator(QStringLiteral("rec_navi"), &rec_query, app, this);
    new_order = button(QStringLiteral("new_order"), QStringLiteral("เพิ่มรายการใหม่"),
                       &Trec_list_frm::new_orderClick);

    GroupBox1 = new QGroupBox(QStringLiteral("รายการวัสดุ"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    item_list = new ui::Grid(QStringLiteral("item_list"), &item_query,
                             {{QStringLiteral("InvID"), 21, QStringLiteral("เลขที่วัสดุ")},
                              {QStringLiteral("InvName"), 30, QStringLiteral("วัสดุ")},
                              {QStringLiteral("UnitPrice"), 20, QStringLiteral("ราคาต่อหน่วย")},
                              {QStringLiteral("Qty"), 10, QStringLiteral("จำนวน")},
                              {QStringLiteral("TotalPrice"), 20, QStringLiteral("ราคารวม")}},
                             GroupBox1);
    (new QVBoxLayout(GroupBox1))->addWidget(item_list);

    auto* header = new QGridLayout;
    header->addWidget(Label1, 0, 0);
    header->addWidget(rec_id, 0, 1);
    header->addWidget(Label4, 1, 0);
    header->addWidget(order_id, 1, 1);
    header->addWidget(Label3, 2, 0);
    header->addWidget(invoice_id, 2, 1);
    header->addWidget(Label2, 3, 0);
    header->addWidget(rec_date, 3, 1);
    header->addWidget(Label5, 4, 0);
    header->addWidget(comp_name, 4, 1);
    header->addWidget(Label6, 5, 0);
    header->addWidget(tot_price, 5, 1);
    header->addWidget(Label9, 5, 2);
    header->addWidget(Label7, 6, 0);
    header->addWidget(vat, 6, 1);
    header->addWidget(Label10, 6, 2);
    header->addWidget(Label8, 7, 0);
    header->addWidget(DBEdit1, 7, 1);
    header->addWidget(Label11, 7, 2);
    header->setRowStretch(8, 1);
    header->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(rec_list, 1);
    top->addLayout(header, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(rec_navi, 1);
    bottom->addWidget(new_order);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(bottom);
    column->addWidget(GroupBox1, 1);
}

// The lists open once, at start; a save re-opens the receipts, and the lines and the
// company follow the current receipt.
void Trec_list_frm::FormCreate()
{
    item_query.openWith(QStringLiteral("select rowid, * from invreceive2 where receiveid = ?"));
    table.openWith(QStringLiteral("select * from company where compid = ?"));
    rec_query.openWith(QStringLiteral("select * from invreceive"));
}

void Trec_list_frm::new_orderClick() { app.showModal(QStringLiteral("new_rec_frm")); }

} // namespace materials
