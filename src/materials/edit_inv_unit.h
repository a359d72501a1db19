#pragma once

#include "materials/item_form.h"

namespace materials {

// Changes the name, limits, unit and unit price of the item chosen in the catalogue.
// The item keeps its group, its type and its id for ever, so their boxes are only shown;
// the quantity on hand is shown and changes only through receipts and issues.
class Tedit_inv_frm : public ItemForm {
    Q_OBJECT
public:
    explicit Tedit_inv_frm(ui::App& app);

    void FormCreate() override;
    void add_btnClick() override;

    QString edit_invgroupid; // the item's group
    QString edit_invtypeid;  // the item's type
};

} // namespace materials
