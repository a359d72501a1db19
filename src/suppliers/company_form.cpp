#include "suppliers/company_form.h"

#include "suppliers/comp_info_unit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace suppliers {

CompanyForm::CompanyForm(ui::App& app, const QString& name, const QString& caption, int width,
                         int height)
    : Window(app, name, caption, width, height, Reload::EachShowing), query(app.db())
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("บริษัท"));
    comp_name = edit(QStringLiteral("comp_name"), 30);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("ที่อยู่"));
    comp_addr = edit(QStringLiteral("comp_addr"), 50);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("โทรศัพท์"));
    comp_phone = edit(QStringLiteral("comp_phone"), 10);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("โทรสาร"));
    comp_fax = edit(QStringLiteral("comp_fax"));
    add_btn = button(QStringLiteral("add_btn"), QStringLiteral("บันทึก"));
    cancle_btn = button(QStringLiteral("cancle_btn"), QStringLiteral("ยกเลิก"));
    connect(add_btn, &QPushButton::clicked, this, [this] { add_btnClick(); });
    connect(cancle_btn, &QPushButton::clicked, this, &CompanyForm::cancle_btnClick);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(comp_name, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(comp_addr, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(comp_phone, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(comp_fax, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add_btn);
    buttons->addWidget(cancle_btn);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void CompanyForm::clearBoxes()
{
    for (QLineEdit* e : {comp_name, comp_addr, comp_phone, comp_fax})
        e->clear();
}

bool CompanyForm::nameGiven()
{
    if (!comp_name->text().trimmed().isEmpty())
        return true;
    app.msg().info(QStringLiteral("กรุณากรอกชื่อบริษัท"));
    return false;
}

bool CompanyForm::nameTaken(const QString* except)
{
    bool taken = false;
    if (!app.handle([&] {
            if (except)
                query.set(QStringLiteral("select * from company where compname = ? and compid <> ?"),
                          {comp_name->text(), *except});
            else
                query.set(QStringLiteral("select * from company where compname = ?"),
                          {comp_name->text()});
            query.open();
            taken = !query.isEmpty();
        }))
        return true; // the error box has been shown; nothing is written
    if (taken)
        app.msg().info(QStringLiteral("พบชื่อบริษัทที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้"));
    return taken;
}

Tcomp_info_frm& CompanyForm::reg() { return app.get<Tcomp_info_frm>(QStringLiteral("comp_info_frm")); }

} // namespace suppliers
