#pragma once

#include "data/listquery.h"
#include "data/query.h"
#include "ui/window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {
class BoundEdit;
class BoundMemo;
class Grid;
class Navigator;
} // namespace ui

namespace suppliers {

// The register of supplier and repair companies: the list by name, a search by part of
// the name, and the add, edit and delete buttons. Receipt and repair windows open it to
// look a company id up.
class Tcomp_info_frm : public ui::Window {
    Q_OBJECT
public:
    explicit Tcomp_info_frm(ui::App& app);

    void FormCreate() override;
    void add_compClick();
    void edit_compClick();
    void del_compClick();
    void find_btnClick();

    // Lists every company by name again, dropping a search that was shown.
    void showAll();
    // The list's statement without a search.
    static QString allSql();

    data::ListQuery comp_query;
    data::Query query;
    QString cur_compid; // the company handed to the edit window

    ui::Grid* comp_list;
    QLabel* Label1;
    ui::BoundEdit* comp_name;
    QLabel* Label2;
    ui::BoundMemo* comp_addr;
    QLabel* Label3;
    ui::BoundEdit* comp_phone;
    QLabel* Label4;
    ui::BoundEdit* comp_fax;
    ui::Navigator* comp_navi;
    QPushButton* add_comp;
    QPushButton* edit_comp;
    QPushButton* del_comp;
    QGroupBox* GroupBox3;
    QLabel* Label5;
    QLineEdit* key_find;
    QPushButton* find_btn;
};

} // namespace suppliers
