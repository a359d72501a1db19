#pragma once

#include "suppliers/company_form.h"

namespace suppliers {

// Adds a company under the next id ("0001" upward); a name already registered is refused.
class Tadd_comp_frm : public CompanyForm {
    Q_OBJECT
public:
    explicit Tadd_comp_frm(ui::App& app);

    void FormCreate() override;
    void add_btnClick() override;
};

} // namespace suppliers
