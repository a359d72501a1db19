#include "suppliers/comp_info_unit.h"

#include "data/values.h"
#include "ui/bound.h"
#include "ui/grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace suppliers {

Tcomp_info_frm::Tcomp_info_frm(ui::App& app)
    : Window(app, QStringLiteral("comp_info_frm"), QStringLiteral("ข้อมูลบริษัท"), 800, 564,
             Reload::AtCreation),
      comp_query(app.db(), QStringLiteral("comp_query"), this), query(app.db())
{
    comp_list = new ui::Grid(QStringLiteral("comp_list"), &comp_query,
                             {{QStringLiteral("CompID"), 4, QStringLiteral("เลขที่บริษัท")},
                              {QStringLiteral("CompName"), 30, QStringLiteral("บริษัท")},
                              {QStringLiteral("CompPhone"), 10, QStringLiteral("โทรศัพท์")}},
                             this);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("บริษัท"));
    comp_name = new ui::BoundEdit(QStringLiteral("comp_name"), &comp_query,
                                  QStringLiteral("CompName"), this);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("ที่อยู่"));
    comp_addr = new ui::BoundMemo(QStringLiteral("comp_addr"), &comp_query,
                                  QStringLiteral("CompAddress"), this);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("โทรศัพท์"));
    comp_phone = new ui::BoundEdit(QStringLiteral("comp_phone"), &comp_query,
                                   QStringLiteral("CompPhone"), this);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("โทรสาร"));
    comp_fax = new ui::BoundEdit(QStringLiteral("comp_fax"), &comp_query,
                                 QStringLiteral("CompFax"), this);
    comp_navi = new ui::Navigator(QStringLiteral("comp_navi"), &comp_query, app, this);
    add_comp = button(QStringLiteral("add_comp"), QStringLiteral("เพิ่ม"), &Tcomp_info_frm::add_compClick);
    edit_comp = button(QStringLiteral("edit_comp"), QStringLiteral("แก้ไข"), &Tcomp_info_frm::edit_compClick);
    del_comp = button(QStringLiteral("del_comp"), QStringLiteral("ลบ"), &Tcomp_info_frm::del_compClick);

    GroupBox3 = new QGroupBox(QStringLiteral("ค้นหา"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("คำสำคัญ"));
    key_find = edit(QStringLiteral("key_find"));
    find_btn = button(QStringLiteral("find_btn"), QStringLiteral("ค้นหา"), &Tcomp_info_frm::find_btnClick);
    auto* search = new QHBoxLayout(GroupBox3);
    search->addWidget(Label5);
    search->addWidget(key_find, 1);
    search->addWidget(find_btn);
    connect(key_find, &QLineEdit::returnPressed, this, &Tcomp_info_frm::find_btnClick);

    auto* pane = new QGridLayout;
    pane->addWidget(Label1, 0, 0);
    pane->addWidget(comp_name, 0, 1);
    pane->addWidget(Label2, 1, 0, Qt::AlignTop);
    pane->addWidget(comp_addr, 1, 1);
    pane->addWidget(Label3, 2, 0);
    pane->addWidget(comp_phone, 2, 1);
    pane->addWidget(Label4, 3, 0);
    pane->addWidget(comp_fax, 3, 1);
    pane->setColumnStretch(1, 1);
    comp_addr->setMaximumHeight(fontMetrics().height() * 4);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(comp_navi, 1);
    buttons->addWidget(add_comp);
    buttons->addWidget(edit_comp);
    buttons->addWidget(del_comp);

    auto* column = new QVBoxLayout(this);
    column->addWidget(GroupBox3);
    column->addWidget(comp_list, 1);
    column->addLayout(pane);
    column->addLayout(buttons);
}

QString Tcomp_info_frm::allSql()
{
    return QStringLiteral("select * from company\norder by compname collate THAI");
}

void Tcomp_info_frm::FormCreate() { showAll(); }

void Tcomp_info_frm::showAll() { comp_query.openWith(allSql()); }

void Tcomp_info_frm::add_compClick() { app.showModal(QStringLiteral("add_comp_frm")); }

void Tcomp_info_frm::edit_compClick()
{
    cur_compid = comp_query.field(QStringLiteral("compid"));
    app.showModal(QStringLiteral("edit_comp_frm"));
}

void Tcomp_info_frm::del_compClick()
{
    const QString name = comp_query.field(QStringLiteral("compname"));
    if (!app.msg().confirm(ui::deleteQuestion(name)))
        return;
    const bool any = comp_query.currentRow() >= 0;
    const QString id = comp_query.field(QStringLiteral("compid"));
    app.handle([&] {
        if (any) {
            data::Transaction t(app.db());
            query.set(QStringLiteral("delete from company where compid = ?"), {id}).exec();
            t.commit();
        }
        comp_query.open(); // the same statement: a search stays shown
    });
}

void Tcomp_info_frm::find_btnClick()
{
    app.handle([&] {
        comp_query.openWith(QStringLiteral("select * from company\n"
                                           "where compname LIKE ? escape '\\'\n"
                                           "order by compname collate THAI"),
                            {data::likeContaining(key_find->text())});
    });
}

} // namespace suppliers
