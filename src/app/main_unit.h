#pragma once

#include "ui/app.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;

namespace app {

// The main window: the menu and the four buttons from which every window is reached.
class Tmain_frm : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmain_frm(ui::App& app);

    // Creates and shows the login window, which disables this window until a login.
    void FormCreate();
    // Hides the items and buttons whose windows this build does not have.
    void showBuiltWindows();

    QPushButton* rec_inv_btn;
    QPushButton* pay_inv_btn;
    QPushButton* rec_dur_btn;
    QPushButton* bor_dur_btn;

    QMenu* info_menu;
    QAction* inv_info;
    QAction* dur_info;
    QAction* comp_info;
    QAction* land_info;
    QAction* building_info;
    QAction* emp_info;
    QAction* user_info_menu;
    QMenu* inventory;
    QAction* pay_inv;
    QAction* rec_inv;
    QMenu* durable;
    QAction* rec_dur_menu;
    QAction* bor_menu;
    QAction* rep_info_menu;
    QAction* rep_menu;
    QMenu* ut_01;
    QAction* N1;
    QAction* back_up;
    QAction* rollback_btn;
    QAction* close_menu;

    void rec_inv_btnClick() { open("rec_list_frm"); }
    void pay_inv_btnClick() { open("pay_list_frm"); }
    void rec_dur_btnClick() { open("rec_dur_frm"); }
    void bor_dur_btnClick() { open("bor_list_frm"); }
    void inv_infoClick() { open("inv_info_frm"); }
    void dur_infoClick() { open("dur_info_frm"); }
    void comp_infoClick() { open("comp_info_frm"); }
    void land_infoClick() { open("land_info_frm"); }
    void building_infoClick() { open("building_info_frm"); }
    void emp_infoClick() { open("emp_info_frm"); }
    void user_info_menuClick() { open("user_info_frm"); }
    void pay_invClick() { open("pay_list_frm"); }
    void rec_invClick() { open("rec_list_frm"); }
    void rec_dur_menuClick() { open("rec_dur_frm"); }
    void bor_menuClick() { open("bor_list_frm"); }
    void rep_info_menuClick() { open("rep_info_frm"); }
    void rep_menuClick() { open("dur_rep_frm"); }
    void N1Click() { open("about_frm"); }
    void back_upClick() { open("backup_frm"); }
    void rollback_btnClick() { open("rollback_frm"); }
    void close_menuClick() { close(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void open(const QString& window);
    QAction* item(QMenu* menu, const QString& name, const QString& caption,
                  void (Tmain_frm::*handler)());
    QPushButton* quick(const QString& name, const QString& caption, void (Tmain_frm::*handler)());

    ui::App& app;
    QHash<QObject*, QString> m_opens; // menu item or button -> the window it opens
};

} // namespace app
