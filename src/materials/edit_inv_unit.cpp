#include "materials/edit_inv_unit.h"

#include "data/values.h"
#include "materials/inv_info_unit.h"
#include "materials/name_combo.h"

#include <QLineEdit>

namespace materials {

Tedit_inv_frm::Tedit_inv_frm(ui::App& app)
    : ItemForm(app, QStringLiteral("edit_inv_frm"), QStringLiteral("แก้ไขรายชื่อวัสดุ"), 357, 264)
{
    net_val->setReadOnly(true);
    gr_cbx->setEnabled(false);
    type_cbx->setEnabled(false);
}

void Tedit_inv_frm::FormCreate()
{
    query.set(QStringLiteral("select * from inv where invid = ?"), {catalogue().cur_invid}).open();
    auto put = [&](QLineEdit* box, const char* column) {
        const QString field = QLatin1String(column);
        box->setText(data::displayText(query.value(field), field));
        box->setCursorPosition(0);
    };
    put(inv_name, "invname");
    put(max_val, "highpoint");
    put(min_val, "lowpoint");
    put(net_val, "netqty");
    put(u_name, "unitname");
    put(u_price, "unitprice");
    edit_invgroupid = query.field(QStringLiteral("invgroupid"));
    edit_invtypeid = query.field(QStringLiteral("invtypeid"));
    QString group = edit_invgroupid;
    QString type = edit_invtypeid;
    showGroupAndType(group, type);
}

void Tedit_inv_frm::add_btnClick()
{
    for (QLineEdit* box : {inv_name, max_val, min_val, net_val, u_name, u_price}) {
        if (box->text().trimmed().isEmpty()) {
            app.msg().info(QStringLiteral("กรุณาตรวจสอบข้อมูลให้ถูกต้อง"));
            return;
        }
    }
    app.handle([&] {
        const qint64 low = data::wholeNumber(min_val->text().trimmed());
        const qint64 high = data::wholeNumber(max_val->text().trimmed());
        const qint64 net = data::wholeNumber(net_val->text().trimmed());
        if (net > high || low > high) {
            app.msg().info(QStringLiteral("ข้อมูลไม่ถูกต้อง กรุณาตรวจสอบ"));
            return;
        }
        const double price = data::decimalNumber(u_price->text().trimmed());
        const QString id = catalogue().cur_invid;

        data::Transaction t(app.db());
        query.set(QStringLiteral("update inv set invname = ?,unitprice = ?\nwhere invid = ?"),
                  {inv_name->text(), price, id})
            .exec();
        query.set(QStringLiteral("update inv set unitname = ?,highpoint = ?,lowpoint = ?\n"
                                 "where invid = ?"),
                  {u_name->text(), high, low, id})
            .exec();
        t.commit();

        catalogue().inv_query.open();
    });
}

} // namespace materials
