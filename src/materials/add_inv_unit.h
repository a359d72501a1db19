#pragma once

#include "materials/item_form.h"

namespace materials {

// A new material item, filed under the group and type it shows: at opening those chosen
// in the catalogue, or those the user picks here. The item id is the group id, the type
// id and the row's count.
class Tadd_inv_frm : public ItemForm {
    Q_OBJECT
public:
    explicit Tadd_inv_frm(ui::App& app);

    void FormCreate() override;
    void gr_cbxChange();
    void type_cbxChange();
    void add_btnClick() override;

    QString new_invgroupid;
    QString new_invtypeid;
};

} // namespace materials
