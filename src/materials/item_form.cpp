#include "materials/item_form.h"

#include "materials/inv_info_unit.h"
#include "materials/name_combo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace materials {

ItemForm::ItemForm(ui::App& app, const QString& name, const QString& caption, int width,
                   int height)
    : Window(app, name, caption, width, height, Reload::EachShowing), query(app.db())
{
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("วัสดุ"));
    inv_name = edit(QStringLiteral("inv_name"), 30);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("ปริมาณสูงสุด"));
    max_val = edit(QStringLiteral("max_val"));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("ปริมาณต่ำสุด"));
    min_val = edit(QStringLiteral("min_val"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("ปริมาณคงเหลือ"));
    net_val = edit(QStringLiteral("net_val"));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("หน่วยนับ"));
    u_name = edit(QStringLiteral("u_name"), 30);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("ราคาต่อหน่วย"));
    u_price = edit(QStringLiteral("u_price"));
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("บาท"));
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("กลุ่มวัสดุ"));
    gr_cbx = new NameCombo(QStringLiteral("gr_cbx"), this);
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("ประเภทวัสดุ"));
    type_cbx = new NameCombo(QStringLiteral("type_cbx"), this);
    add_btn = button(QStringLiteral("add_btn"), QStringLiteral("บันทึก"), &ItemForm::add_btnClick);
    can_btn = button(QStringLiteral("can_btn"), QStringLiteral("ยกเลิก"), &ItemForm::can_btnClick);

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto line = [&](QLabel* caption, QWidget* box, QWidget* after = nullptr) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        if (after)
            grid->addWidget(after, row, 2);
        ++row;
    };
    line(Label1, inv_name);
    line(Label2, max_val);
    line(Label3, min_val);
    line(Label4, net_val);
    line(Label5, u_name);
    line(Label6, u_price, Label7);
    line(Label8, gr_cbx);
    line(Label9, type_cbx);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add_btn);
    buttons->addWidget(can_btn);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

Tinv_info_frm& ItemForm::catalogue()
{
    return app.get<Tinv_info_frm>(QStringLiteral("inv_info_frm"));
}

void ItemForm::showGroupAndType(QString& groupId, QString& typeId)
{
    query.set(QStringLiteral("select * from invgroup order by invgroupname collate THAI")).open();
    gr_cbx->setNames(columnOf(query, QStringLiteral("invgroupname")));
    query.set(QStringLiteral("select * from invgroup where invgroupid = ?"), {groupId}).open();
    groupId = query.field(QStringLiteral("invgroupid"));
    gr_cbx->setText(query.field(QStringLiteral("invgroupname")));

    query.set(QStringLiteral("select * from invtype where invgroupid = ?\n"
                             "order by invtypename collate THAI"),
              {groupId})
        .open();
    type_cbx->setNames(columnOf(query, QStringLiteral("invtypename")));
    query.set(QStringLiteral("select * from invtype where invtypeid = ? and invgroupid = ?"),
              {typeId, groupId})
        .open();
    typeId = query.field(QStringLiteral("invtypeid"));
    type_cbx->setText(query.field(QStringLiteral("invtypename")));
}

} // namespace materials
