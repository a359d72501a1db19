#pragma once

#include "data/listquery.h"
#include "data/query.h"
#include "ui/window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {
class DatePicker;
class Grid;
} // namespace ui

namespace materials {

// Writes a material receipt. Its lines are staged under "tmp" as they are added, each
// raising the item's quantity on hand at once; saving checks the header, stores it with
// the totals of the staged lines and moves the lines to the receipt.
class Tnew_rec_frm : public ui::Window {
    Q_OBJECT
public:
    explicit Tnew_rec_frm(ui::App& app);

    void FormCreate() override;
    void find_compClick();
    void find_invClick();
    void add_itemClick();
    void del_btnClick();
    void add_btnClick();
    void con_btnClick();

    // Tax is seven per cent of the net price.
    static constexpr double taxRate = 0.07;

    QLabel* Label1;
    QLineEdit* rec_id;
    QLabel* Label2;
    QLineEdit* invoice_id;
    QLabel* Label3;
    QLineEdit* order_id;
    QLabel* Label4;
    ui::DatePicker* rec_date;
    QLabel* Label5;
    QLineEdit* comp_id;
    QPushButton* find_comp;
    QLabel* Label6;
    QLineEdit* net_price;
    QLabel* Label7;
    QLineEdit* vat_price;
    QLabel* Label8;
    QLineEdit* tot_price;
    QPushButton* add_btn;
    QPushButton* con_btn;
    QGroupBox* GroupBox1;
    ui::Grid* item_list;
    QLabel* Label9;
    QLineEdit* inv_id;
    QPushButton* find_inv;
    QLabel* Label10;
    QLineEdit* val;
    QPushButton* add_item;
    QPushButton* del_btn;

    data::ListQuery item_query; // the staged lines
    data::Query query;

protected:
    // The close box and Esc do what "ยกเลิก" does.
    void reject() override { con_btnClick(); }

private:
    struct Totals {
        double net = 0;
        double tax = 0;
        double total = 0;
        bool any = false;
    };
    // The totals of the lines now staged.
    Totals stagedTotals();
    // Lists the staged lines again and shows their totals.
    void showStaged();
};

} // namespace materials
