#include "app/about_unit.h"

#include <QGridLayout>
#include <QLabel>

namespace app {

Tabout_frm::Tabout_frm(ui::App& app)
    : Window(app, QStringLiteral("about_frm"), QStringLiteral("เกี่ยวกับโปรแกรม"), 364, 234,
             Reload::AtCreation)
{
    auto* grid = new QGridLayout(this);
    int row = 0;
    auto pair = [&](QLabel*& caption, const char* captionName, const QString& captionText,
                    QLabel*& value, const char* valueName, const QString& valueText) {
        caption = label(QLatin1String(captionName), captionText);
        caption->setStyleSheet(QStringLiteral("color: teal;"));
        value = label(QLatin1String(valueName), valueText);
        value->setStyleSheet(QStringLiteral("color: red;"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    };
    pair(Label1, "Label1", QStringLiteral("โปรแกรมจัดการงานพัสดุสำหรับหน่วยรายการ"), Label2, "Label2",
         QStringLiteral("TAVU2004 V.1.0-Beta"));
    pair(Label3, "Label3", QStringLiteral("จัดทำโดย "), Label4, "Label4", maker::name);
    pair(Label11, "Label11", QStringLiteral("ที่อยู่"), Label12, "Label12", maker::address);
    pair(Label5, "Label5", QStringLiteral("โทรศัพท์"), Label7, "Label7", maker::phone);
    pair(Label9, "Label9", QStringLiteral("Fax."), Label10, "Label10", maker::fax);
    pair(Label6, "Label6", QStringLiteral("E-mail"), Label8, "Label8", maker::email);
    Button1 = button(QStringLiteral("Button1"), QStringLiteral("ปิดหน้าต่าง"), &Tabout_frm::Button1Click);
    grid->addWidget(Button1, row, 0, 1, 2, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
}

} // namespace app
