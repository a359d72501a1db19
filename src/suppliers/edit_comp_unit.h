#pragma once

#include "suppliers/company_form.h"

namespace suppliers {

// Changes the company chosen in the register (its cur_compid); loaded at each opening,
// and left open after a save.
class Tedit_comp_frm : public CompanyForm {
    Q_OBJECT
public:
    explicit Tedit_comp_frm(ui::App& app);

    void FormCreate() override;
    void add_btnClick() override;
};

} // namespace suppliers
