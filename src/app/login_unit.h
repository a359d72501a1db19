#pragma once

#include "data/query.h"
#include "ui/window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace app {

class Tmain_frm;

// The login over the disabled main window. Three failed attempts are answered; the
// fourth ends the program, as do Cancel and the close box.
class Tlogin_frm : public ui::Window {
    Q_OBJECT
public:
    Tlogin_frm(ui::App& app, Tmain_frm* main);

    void FormCreate() override;
    void ok_btnClick();
    void can_btnClick();

    int remainingAttempts() const { return m_remaining; }
    static QStringList noticeLines();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* u_name;
    QLineEdit* u_pass;
    QPlainTextEdit* descripton;
    QPushButton* ok_btn;
    QPushButton* can_btn;
    data::Query query;

protected:
    void reject() override;

private:
    Tmain_frm* m_main;
    int m_remaining = 3;
};

} // namespace app
