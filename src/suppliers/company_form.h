#pragma once

#include "data/query.h"
#include "ui/window.h"

class QLabel;
class QLineEdit;

namespace suppliers {

class Tcomp_info_frm;

// The boxes of one company, shared by the add and the edit window: name, address,
// telephone and fax, with "บันทึก" and "ยกเลิก".
class CompanyForm : public ui::Window {
    Q_OBJECT
public:
    CompanyForm(ui::App& app, const QString& name, const QString& caption, int width, int height);

    virtual void add_btnClick() = 0;
    void cancle_btnClick() { closeWindow(); }

    QLabel* Label1;
    QLineEdit* comp_name;
    QLabel* Label2;
    QLineEdit* comp_addr;
    QLabel* Label3;
    QLineEdit* comp_phone;
    QLabel* Label4;
    QLineEdit* comp_fax;
    QPushButton* add_btn;
    QPushButton* cancle_btn;
    data::Query query;

protected:
    void clearBoxes();
    // Whether the name box holds a name; says so when it does not.
    bool nameGiven();
    // Whether a company (other than the one with id *except) already has the typed name;
    // says so when one has.
    bool nameTaken(const QString* except = nullptr);
    Tcomp_info_frm& reg();
};

} // namespace suppliers
