#include "suppliers/add_comp_unit.h"

#include "data/numbering.h"
#include "suppliers/comp_info_unit.h"

#include <QLineEdit>

namespace suppliers {

Tadd_comp_frm::Tadd_comp_frm(ui::App& app)
    : CompanyForm(app, QStringLiteral("add_comp_frm"), QStringLiteral("เพิ่มรายชื่อบริษัท"), 324, 184)
{
}

// Each opening starts from empty boxes; a refused save keeps what was typed.
void Tadd_comp_frm::FormCreate() { clearBoxes(); }

void Tadd_comp_frm::add_btnClick()
{
    if (!nameGiven() || nameTaken())
        return;
    const bool saved = app.handle([&] {
        data::Transaction t(app.db());
        query.set(QStringLiteral("insert into company(compname,compaddress,compphone,compfax)\n"
                                 "values(?,?,?,?)"),
                  {comp_name->text(), comp_addr->text(), comp_phone->text(), comp_fax->text()})
            .exec();
        data::assignId(query, data::numbered::company);
        t.commit();
        reg().showAll(); // the whole register, so the new company can be seen
    });
    if (saved)
        closeWindow();
}

} // namespace suppliers
