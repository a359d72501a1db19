#pragma once

#include "data/query.h"
#include "ui/window.h"

class QLabel;
class QLineEdit;

namespace materials {

class NameCombo;
class Tinv_info_frm;

// The boxes of one material item, shared by the new-material and the edit window: name,
// limits, quantity on hand, unit, unit price, group and type, with "บันทึก" and "ยกเลิก".
class ItemForm : public ui::Window {
    Q_OBJECT
public:
    ItemForm(ui::App& app, const QString& name, const QString& caption, int width, int height);

    virtual void add_btnClick() = 0;
    void can_btnClick() { closeWindow(); }

    QLabel* Label1;
    QLineEdit* inv_name;
    QLabel* Label2;
    QLineEdit* max_val;
    QLabel* Label3;
    QLineEdit* min_val;
    QLabel* Label4;
    QLineEdit* net_val;
    QLabel* Label5;
    QLineEdit* u_name;
    QLabel* Label6;
    QLineEdit* u_price;
    QLabel* Label7;
    QLabel* Label8;
    NameCombo* gr_cbx;
    QLabel* Label9;
    NameCombo* type_cbx;
    QPushButton* add_btn;
    QPushButton* can_btn;
    data::Query query;

protected:
    Tinv_info_frm& catalogue();
    // Fills the group list and the type list of groupId, and shows the names of the group
    // and of the type, when they are of that group. Gives back the ids shown: the group's
    // and the type's id, or "" for one that is not there.
    void showGroupAndType(QString& groupId, QString& typeId);
};

} // namespace materials
