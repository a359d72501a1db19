#include "suppliers/edit_comp_unit.h"

#include "suppliers/comp_info_unit.h"

#include <QLineEdit>

namespace suppliers {

Tedit_comp_frm::Tedit_comp_frm(ui::App& app)
    : CompanyForm(app, QStringLiteral("edit_comp_frm"), QStringLiteral("แก้ไขข้อมูลบริษัท"), 326, 184)
{
}

void Tedit_comp_frm::FormCreate()
{
    query.set(QStringLiteral("select * from company\nwhere compid = ?"), {reg().cur_compid}).open();
    comp_name->setText(query.field(QStringLiteral("compname")));
    comp_addr->setText(query.field(QStringLiteral("compaddress")));
    comp_phone->setText(query.field(QStringLiteral("compphone")));
    comp_fax->setText(query.field(QStringLiteral("compfax")));
}

void Tedit_comp_frm::add_btnClick()
{
    const QString id = reg().cur_compid;
    if (!nameGiven() || nameTaken(&id))
        return;
    app.handle([&] {
        data::Transaction t(app.db());
        query.set(QStringLiteral("update company set compname = ?,compaddress = ? where compid = ?"),
                  {comp_name->text(), comp_addr->text(), id})
            .exec();
        query.set(QStringLiteral("update company set compphone = ?,compfax = ? where compid = ?"),
                  {comp_phone->text(), comp_fax->text(), id})
            .exec();
        t.commit();
        reg().comp_query.open(); // the same statement: a search stays shown
    });
}

} // namespace suppliers
