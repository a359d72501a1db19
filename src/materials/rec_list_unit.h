#pragma once

#include "data/listquery.h"
#include "ui/window.h"

class QGroupBox;
class QLabel;

namespace ui {
class BoundEdit;
class Grid;
class Navigator;
} // namespace ui

namespace materials {

// The saved material receipts: the receipt grid with its header boxes, and under it the
// lines and the company of the current receipt. "เพิ่มรายการใหม่" writes a new one.
class Trec_list_frm : public ui::Window {
    Q_OBJECT
public:
    explicit Trec_list_frm(ui::App& app);

    void FormCreate() override;
    void new_orderClick();

    data::ListQuery rec_query;
    data::ListQuery item_query; // lines of the current receipt
    data::ListQuery table;      // company of the current receipt

    ui::Grid* rec_list;
    QLabel* Label1;
    ui::BoundEdit* rec_id;
    QLabel* Label4;
    ui::BoundEdit* order_id;
    QLabel* Label3;
    ui::BoundEdit* invoice_id;
    QLabel* Label2;
    ui::BoundEdit* rec_date;
    QLabel* Label5;
    ui::BoundEdit* comp_name;
    QLabel* Label6;
    ui::BoundEdit* tot_price;
    QLabel* Label9;
    QLabel* Label7;
    ui::BoundEdit* vat;
    QLabel* Label10;
    QLabel* Label8;
    ui::BoundEdit* DBEdit1;
    QLabel* Label11;
    ui::Navigator* rec_navi;
    QPushButton* new_order;
    QGroupBox* GroupBox1;
    ui::Grid* item_list;
};

} // namespace materials
