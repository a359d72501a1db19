#pragma once

#include "data/listquery.h"
#include "data/query.h"
#include "ui/window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {
class BoundEdit;
class BoundLabel;
class Grid;
class Navigator;
} // namespace ui

namespace materials {

class NameCombo;

// The material catalogue: the material groups and their types in the upper right, the
// items of the chosen group and type in the list, a search by name, and the current item
// in the detail pane, where its name, limits, price and unit are edited in place. The
// receipt and issue windows open it as their material finder.
class Tinv_info_frm : public ui::Window {
    Q_OBJECT
public:
    explicit Tinv_info_frm(ui::App& app);

    void FormCreate() override;

    // groups and types
    void invgr_cbxChange();
    void invtype_cbxChange();
    void add_invgrClick();
    void edit_invgrClick();
    void del_invgrClick();
    void add_invtypeClick();
    void edit_invtypeClick();
    void del_invtypeClick();

    // items
    void find_invClick();
    void add_invClick();
    void edit_invClick();
    void del_invClick();

    // Writes what the user changed in the detail pane to the current item, after its
    // checks. True when there was nothing to write or it was written; false, with the
    // message shown, when the change was refused or the write failed.
    bool writePane();

    QLabel* Label1;
    NameCombo* invgr_cbx;
    QPushButton* add_invgr;
    QPushButton* edit_invgr;
    QPushButton* del_invgr;
    QLabel* Label2;
    NameCombo* invtype_cbx;
    QPushButton* add_invtype;
    QPushButton* edit_invtype;
    QPushButton* del_invtype;

    QGroupBox* GroupBox1;
    QLabel* Label10;
    QLineEdit* inv_key;
    QPushButton* find_inv;
    ui::Grid* inv_list;
    QLabel* Label3;
    ui::BoundEdit* inv_name;
    QLabel* Label4;
    ui::BoundEdit* inv_net;
    ui::BoundLabel* DBText1;
    QLabel* Label5;
    ui::BoundEdit* inv_max;
    ui::BoundLabel* DBText2;
    QLabel* Label6;
    ui::BoundEdit* inv_min;
    ui::BoundLabel* DBText3;
    QLabel* Label7;
    ui::BoundEdit* inv_uprice;
    QLabel* Label8;
    QLabel* Label9;
    ui::BoundEdit* inv_uname;
    ui::Navigator* inv_navi;
    QPushButton* add_inv;
    QPushButton* edit_inv;
    QPushButton* del_inv;

    data::Query query;
    data::ListQuery inv_query;

    QString cur_invgroupid; // the group shown in invgr_cbx
    QString cur_invtypeid;  // the type shown in invtype_cbx
    QString cur_invid;      // the item handed to edit_inv_frm

protected:
    // Closing writes the pane's changes first; a refused change keeps the window open.
    void done(int result) override;
    // Esc in the pane gives up its changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<ui::BoundEdit*> paneBoxes() const;
    // Checks and writes the pane's changes; *wrote tells whether a row was written.
    bool postPane(bool* wrote);
    // The list's check before its current row is left.
    bool leaveRow();
    void discardPane();
    void refreshWritten();
    void showItem(const QString& invid);
    void refillGroups();
    void refillTypes();
    void openItems(const QString& sql, const QVariantList& values = {});
    // The first refusal of a typed name ("" when it may be used): empty, longer than 30
    // characters, or already the name of a row of the table.
    QString nameRefusal(const QString& name, const QString& table, const QString& column,
                        const QString& empty, const QString& tooLong, const QString& present);

    bool m_stale = false; // the list shows an item as it was before the pane wrote it
};

} // namespace materials
