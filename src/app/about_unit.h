#pragma once

#include "ui/window.h"

class QLabel;

namespace app {

// The maker's details, shown in the about box and the login notice.
namespace maker {
inline const QString name = QStringLiteral("ทีมพัฒนาโปรแกรมระบบพัสดุ");
inline const QString address = QStringLiteral("ที่อยู่ผู้พัฒนาโปรแกรม");
inline const QString phone = QStringLiteral("0-0000-0000");
inline const QString fax = QStringLiteral("0-0000-0001");
inline const QString email = QStringLiteral("support@example.org");
inline const QString web = QStringLiteral("https://www.example.org");
} // namespace maker

class Tabout_frm : public ui::Window {
    Q_OBJECT
public:
    explicit Tabout_frm(ui::App& app);
    void Button1Click() { closeWindow(); }

    QLabel *Label1, *Label2, *Label3, *Label4, *Label11, *Label12, *Label5, *Label7, *Label9,
        *Label10, *Label6, *Label8;
    QPushButton* Button1;
};

} // namespace app
