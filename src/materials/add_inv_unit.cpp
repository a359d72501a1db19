#include "materials/add_inv_unit.h"

#include "data/numbering.h"
#include "data/values.h"
#include "materials/inv_info_unit.h"
#include "materials/name_combo.h"

#include <QLineEdit>

namespace materials {

Tadd_inv_frm::Tadd_inv_frm(ui::App& app)
    : ItemForm(app, QStringLiteral("add_inv_frm"), QStringLiteral("เพิ่มรายชื่อวัสดุ"), 359, 266)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(gr_cbx, &NameCombo::changed, this, &Tadd_inv_frm::gr_cbxChange);
    connect(type_cbx, &NameCombo::changed, this, &Tadd_inv_frm::type_cbxChange);
}

void Tadd_inv_frm::FormCreate()
{
    Tinv_info_frm& cat = catalogue();
    new_invgroupid = cat.cur_invgroupid;
    new_invtypeid = cat.cur_invtypeid;
    for (QLineEdit* box : {u_price, u_name, min_val, max_val, inv_name, net_val})
        box->clear();
    showGroupAndType(new_invgroupid, new_invtypeid);
}

void Tadd_inv_frm::gr_cbxChange()
{
    app.handle([&] {
        query.set(QStringLiteral("select * from invgroup where invgroupname = ?"), {gr_cbx->text()})
            .open();
        new_invgroupid = query.field(QStringLiteral("invgroupid"));
        // Another group: no type of it is chosen yet.
        new_invtypeid.clear();
        type_cbx->clearAll();
        query.set(QStringLiteral("select * from invtype where invgroupid = ?\n"
                                 "order by invtypename collate THAI"),
                  {new_invgroupid})
            .open();
        type_cbx->setNames(columnOf(query, QStringLiteral("invtypename")));
    });
}

void Tadd_inv_frm::type_cbxChange()
{
    app.handle([&] {
        // Only a type of the chosen group.
        query.set(QStringLiteral("select * from invtype where invtypename = ? and invgroupid = ?"),
                  {type_cbx->text(), new_invgroupid})
            .open();
        new_invtypeid = query.field(QStringLiteral("invtypeid"));
    });
}

void Tadd_inv_frm::add_btnClick()
{
    app.handle([&] {
        const QString name = inv_name->text();
        query.set(QStringLiteral("select * from inv where invgroupid = ? and invtypeid = ? and invname = ?"),
                  {new_invgroupid, new_invtypeid, name})
            .open();
        if (!query.isEmpty()) {
            app.msg().info(QStringLiteral("พบวัสดุนี้ในฐานข้อมูล ไม่สามารถทำรายการได้"));
            return;
        }
        const qint64 high = data::wholeNumber(max_val->text().trimmed());
        const qint64 low = data::wholeNumber(min_val->text().trimmed());
        if (!(low < high) || name.trimmed().isEmpty() || new_invgroupid.isEmpty() ||
            new_invtypeid.isEmpty()) {
            app.msg().info(QStringLiteral("ข้อมูลไม่ถูกต้อง ไม่สามารถทำรายการได้"));
            return;
        }
        const double price = data::decimalNumber(u_price->text().trimmed());
        const qint64 net = data::wholeNumber(net_val->text().trimmed());

        data::Transaction t(app.db());
        query.set(QStringLiteral("insert into inv(invname,highpoint,lowpoint,unitname,unitprice,"
                                 "invgroupid,invtypeid,netqty)\nvalues(?,?,?,?,?,?,?,?)"),
                  {name, high, low, u_name->text(), price, new_invgroupid, new_invtypeid, net})
            .exec();
        data::assignId(query, data::numbered::inv, new_invgroupid + new_invtypeid);
        t.commit();

        catalogue().inv_query.open();
        closeWindow();
    });
}

} // namespace materials
