#include "materials/inv_info_unit.h"

#include "data/numbering.h"
#include "data/values.h"
#include "materials/name_combo.h"
#include "ui/bound.h"
#include "ui/grid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace materials {

namespace {
const QString groupsSql = QStringLiteral("select * from invgroup order by invgroupname collate THAI");
const QString typesSql = QStringLiteral(
    "select * from invtype where invgroupid = ?\norder by invtypename collate THAI");
} // namespace

Tinv_info_frm::Tinv_info_frm(ui::App& app)
    : Window(app, QStringLiteral("inv_info_frm"), QStringLiteral("ข้อมูลวัสดุ"), 800, 600,
             Reload::AtCreation),
      query(app.db()), inv_query(app.db(), QStringLiteral("inv_query"), this)
{
    // groups and types
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("กลุ่มวัสดุ"));
    invgr_cbx = new NameCombo(QStringLiteral("invgr_cbx"), this);
    add_invgr = button(QStringLiteral("add_invgr"), QStringLiteral("เพิ่ม"), &Tinv_info_frm::add_invgrClick);
    edit_invgr = button(QStringLiteral("edit_invgr"), QStringLiteral("แก้ไข"), &Tinv_info_frm::edit_invgrClick);
    del_invgr = button(QStringLiteral("del_invgr"), QStringLiteral("ลบ"), &Tinv_info_frm::del_invgrClick);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("ประเภทวัสดุ"));
    invtype_cbx = new NameCombo(QStringLiteral("invtype_cbx"), this);
    add_invtype = button(QStringLiteral("add_invtype"), QStringLiteral("เพิ่ม"), &Tinv_info_frm::add_invtypeClick);
    edit_invtype = button(QStringLiteral("edit_invtype"), QStringLiteral("แก้ไข"), &Tinv_info_frm::edit_invtypeClick);
    del_invtype = button(QStringLiteral("del_invtype"), QStringLiteral("ลบ"), &Tinv_info_frm::del_invtypeClick);
    connect(invgr_cbx, &NameCombo::changed, this, &Tinv_info_frm::invgr_cbxChange);
    connect(invtype_cbx, &NameCombo::changed, this, &Tinv_info_frm::invtype_cbxChange);

    // search
    GroupBox1 = new QGroupBox(QStringLiteral("ค้นหา"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("คำสำคัญ"));
    inv_key = edit(QStringLiteral("inv_key"));
    find_inv = button(QStringLiteral("find_inv"), QStringLiteral("ค้นหา"), &Tinv_info_frm::find_invClick);
    auto* searchRow = new QHBoxLayout(GroupBox1);
    searchRow->addWidget(Label10);
    searchRow->addWidget(inv_key, 1);
    searchRow->addWidget(find_inv);

    // items
    inv_list = new ui::Grid(QStringLiteral("inv_list"), &inv_query,
                            {{QStringLiteral("InvID"), 15, QStringLiteral("เลขที่วัสดุ")},
                             {QStringLiteral("InvName"), 30, QStringLiteral("วัสดุ")},
                             {QStringLiteral("NetQty"), 10, QStringLiteral("จำนวนคงเหลือ")}},
                            this);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("วัสดุ"));
    inv_name = new ui::BoundEdit(QStringLiteral("inv_name"), &inv_query, QStringLiteral("InvName"), this);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("ปริมาณคงเหลือ"));
    inv_net = new ui::BoundEdit(QStringLiteral("inv_net"), &inv_query, QStringLiteral("NetQty"), this);
    DBText1 = new ui::BoundLabel(QStringLiteral("DBText1"), &inv_query, QStringLiteral("UnitName"), this);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("ปริมาณสูงสุด"));
    inv_max = new ui::BoundEdit(QStringLiteral("inv_max"), &inv_query, QStringLiteral("HighPoint"), this);
    DBText2 = new ui::BoundLabel(QStringLiteral("DBText2"), &inv_query, QStringLiteral("UnitName"), this);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("ปริมาณต่ำสุด"));
    inv_min = new ui::BoundEdit(QStringLiteral("inv_min"), &inv_query, QStringLiteral("LowPoint"), this);
    DBText3 = new ui::BoundLabel(QStringLiteral("DBText3"), &inv_query, QStringLiteral("UnitName"), this);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("ราคาต่อหน่วย"));
    inv_uprice = new ui::BoundEdit(QStringLiteral("inv_uprice"), &inv_query, QStringLiteral("UnitPrice"), this);
    Label8 = label(QStringLiteral("Label8"), QStringLiteral("บาท"));
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("หน่วยนับ"));
    inv_uname = new ui::BoundEdit(QStringLiteral("inv_uname"), &inv_query, QStringLiteral("UnitName"), this);
    // Every box but the quantity on hand edits the current item in place; the quantity
    // changes only through receipts and issues.
    for (ui::BoundEdit* box : paneBoxes()) {
        box->setEditable(true);
        box->installEventFilter(this);
    }
    inv_name->setMaxLength(30);
    inv_uname->setMaxLength(30);
    inv_query.setLeaveRowCheck([this] { return leaveRow(); });
    connect(&inv_query, &data::ListQuery::reopened, this, [this] { m_stale = false; });

    inv_navi = new ui::Navigator(QStringLiteral("inv_navi"), &inv_query, app, this);
    add_inv = button(QStringLiteral("add_inv"), QStringLiteral("เพิ่ม"), &Tinv_info_frm::add_invClick);
    edit_inv = button(QStringLiteral("edit_inv"), QStringLiteral("แก้ไข"), &Tinv_info_frm::edit_invClick);
    del_inv = button(QStringLiteral("del_inv"), QStringLiteral("ลบ"), &Tinv_info_frm::del_invClick);

    // layout: search and the group and type panel above, the list and the pane below
    auto* panel = new QGridLayout;
    panel->addWidget(Label1, 0, 0);
    panel->addWidget(invgr_cbx, 0, 1);
    panel->addWidget(add_invgr, 0, 2);
    panel->addWidget(edit_invgr, 0, 3);
    panel->addWidget(del_invgr, 0, 4);
    panel->addWidget(Label2, 1, 0);
    panel->addWidget(invtype_cbx, 1, 1);
    panel->addWidget(add_invtype, 1, 2);
    panel->addWidget(edit_invtype, 1, 3);
    panel->addWidget(del_invtype, 1, 4);
    panel->setColumnStretch(1, 1);
    for (QPushButton* b : {add_invgr, edit_invgr, del_invgr, add_invtype, edit_invtype, del_invtype})
        b->setMaximumWidth(64);

    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1, Qt::AlignTop);
    top->addLayout(panel, 1);

    auto* pane = new QGridLayout;
    int row = 0;
    auto paneRow = [&](QLabel* caption, QWidget* box, QWidget* after) {
        pane->addWidget(caption, row, 0);
        pane->addWidget(box, row, 1);
        if (after)
            pane->addWidget(after, row, 2);
        ++row;
    };
    paneRow(Label3, inv_name, nullptr);
    paneRow(Label4, inv_net, DBText1);
    paneRow(Label5, inv_max, DBText2);
    paneRow(Label6, inv_min, DBText3);
    paneRow(Label7, inv_uprice, Label8);
    paneRow(Label9, inv_uname, nullptr);
    pane->setRowStretch(row, 1);
    pane->setColumnStretch(1, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(inv_list, 3);
    middle->addLayout(pane, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(inv_navi);
    bottom->addStretch();
    bottom->addWidget(add_inv);
    bottom->addWidget(edit_inv);
    bottom->addWidget(del_inv);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(middle, 1);
    column->addLayout(bottom);
}

QList<ui::BoundEdit*> Tinv_info_frm::paneBoxes() const
{
    return {inv_name, inv_max, inv_min, inv_uprice, inv_uname};
}

void Tinv_info_frm::refillGroups()
{
    query.set(groupsSql).open();
    invgr_cbx->setNames(columnOf(query, QStringLiteral("invgroupname")));
}

void Tinv_info_frm::refillTypes()
{
    query.set(typesSql, {cur_invgroupid}).open();
    invtype_cbx->setNames(columnOf(query, QStringLiteral("invtypename")));
}

void Tinv_info_frm::openItems(const QString& sql, const QVariantList& values)
{
    inv_query.openWith(sql, values);
}

void Tinv_info_frm::FormCreate()
{
    invgr_cbx->clearAll();
    invtype_cbx->clearAll();
    query.set(groupsSql).open();
    cur_invgroupid = query.field(QStringLiteral("invgroupid"));
    invgr_cbx->setText(query.field(QStringLiteral("invgroupname")));
    invgr_cbx->setNames(columnOf(query, QStringLiteral("invgroupname")));
    query.set(typesSql, {cur_invgroupid}).open();
    cur_invtypeid = query.field(QStringLiteral("invtypeid"));
    invtype_cbx->setText(query.field(QStringLiteral("invtypename")));
    invtype_cbx->setNames(columnOf(query, QStringLiteral("invtypename")));
    openItems(QStringLiteral("select * from inv where invgroupid = ? and invtypeid = ?\n"
                             "order by invname collate THAI"),
              {cur_invgroupid, cur_invtypeid});
}

void Tinv_info_frm::invgr_cbxChange()
{
    if (!writePane()) {
        invgr_cbx->revert();
        return;
    }
    app.handle([&] {
        invtype_cbx->clearAll();
        cur_invtypeid.clear();
        query.set(QStringLiteral("select * from invgroup where invgroupname = ?"), {invgr_cbx->text()})
            .open();
        cur_invgroupid = query.field(QStringLiteral("invgroupid"));
        refillTypes();
        openItems(QStringLiteral("select * from inv where invgroupid = ?\norder by invname collate THAI"),
                  {cur_invgroupid});
    });
}

void Tinv_info_frm::invtype_cbxChange()
{
    if (!writePane()) {
        invtype_cbx->revert();
        return;
    }
    app.handle([&] {
        query.set(QStringLiteral("select * from invtype where invtypename = ? and invgroupid = ?"),
                  {invtype_cbx->text(), cur_invgroupid})
            .open();
        cur_invtypeid = query.field(QStringLiteral("invtypeid"));
        openItems(QStringLiteral("select * from inv where invtypeid = ? and invgroupid = ?\n"
                                 "order by invname collate THAI"),
                  {cur_invtypeid, cur_invgroupid});
    });
}

QString Tinv_info_frm::nameRefusal(const QString& name, const QString& table, const QString& column,
                                   const QString& empty, const QString& tooLong,
                                   const QString& present)
{
    if (name.trimmed().isEmpty())
        return empty;
    if (data::charCount(name) > 30)
        return tooLong;
    query.set(QStringLiteral("select * from %1 where %2 = ?").arg(table, column), {name}).open();
    if (!query.isEmpty())
        return present;
    return {};
}

void Tinv_info_frm::add_invgrClick()
{
    if (!writePane())
        return;
    app.handle([&] {
        const QString name = app.msg().input(QStringLiteral("เพิ่มรายชื่อกลุ่มวัสดุ"),
                                             QStringLiteral("กลุ่มวัสดุ"), QString());
        const QString refusal = nameRefusal(
            name, QStringLiteral("invgroup"), QStringLiteral("invgroupname"),
            QStringLiteral("กรุณากรอกชื่อกลุ่มวัสดุ"),
            QStringLiteral("ชื่อกลุ่มวัสดุมีความยาวเกิน 30 ตัวอักษร ไม่สามารถทำรายการได้"),
            QStringLiteral("พบชื่อกลุ่มวัสดุที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้"));
        if (!refusal.isEmpty()) {
            app.msg().info(refusal);
            return;
        }
        data::Transaction t(app.db());
        query.set(QStringLiteral("insert into invgroup(invgroupname) values(?)"), {name}).exec();
        data::assignId(query, data::numbered::invgroup);
        t.commit();

        // Both boxes are emptied, and with them the ids; the list shows every item.
        invgr_cbx->clearAll();
        invtype_cbx->clearAll();
        cur_invgroupid.clear();
        cur_invtypeid.clear();
        refillGroups();
        openItems(QStringLiteral("select * from inv order by invname collate THAI"));
    });
}

void Tinv_info_frm::edit_invgrClick()
{
    const QString shown = invgr_cbx->text();
    if (shown.isEmpty() || cur_invgroupid.isEmpty()) {
        app.msg().info(QStringLiteral("กรุณากรอกชื่อกลุ่มวัสดุ"));
        return;
    }
    app.handle([&] {
        const QString name = app.msg().input(QStringLiteral("แก้ไขรายชื่อกลุ่มวัสดุ"),
                                             QStringLiteral("กลุ่มวัสดุ"), shown);
        const QString refusal = nameRefusal(
            name, QStringLiteral("invgroup"), QStringLiteral("invgroupname"),
            QStringLiteral("กรุณากรอกชื่อกลุ่มวัสดุ"),
            QStringLiteral("ชื่อกลุ่มวัสดุมีความยาวเกิน 30 ตัวอักษร"),
            QStringLiteral("พบรายชื่อกลุ่มวัสดุนี่อยู่ในฐานขอ้มูล ไม่สามารถทำรายการได้"));
        if (!refusal.isEmpty()) {
            app.msg().info(refusal);
            return;
        }
        data::Transaction t(app.db());
        query.set(QStringLiteral("update invgroup set invgroupname = ?\nwhere invgroupid = ?"),
                  {name, cur_invgroupid})
            .exec();
        t.commit();
        refillGroups();
        invgr_cbx->setText(name);
    });
}

void Tinv_info_frm::del_invgrClick()
{
    if (!writePane())
        return;
    const QString shown = invgr_cbx->text();
    if (!app.msg().confirm(ui::deleteQuestion(shown)))
        return;
    if (shown.isEmpty() || cur_invgroupid.isEmpty()) {
        app.msg().info(QStringLiteral("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));
        return;
    }
    app.handle([&] {
        // The group goes with every item filed under it, whatever its type, and its types.
        data::Transaction t(app.db());
        query.set(QStringLiteral("delete from inv where invgroupid = ?"), {cur_invgroupid}).exec();
        query.set(QStringLiteral("delete from invtype where invgroupid = ?"), {cur_invgroupid}).exec();
        query.set(QStringLiteral("delete from invgroup where invgroupid = ?"), {cur_invgroupid}).exec();
        t.commit();

        cur_invgroupid.clear();
        cur_invtypeid.clear();
        invtype_cbx->clearAll();
        invgr_cbx->setText(QString());
        refillGroups();
        openItems(QStringLiteral("select * from inv order by invname collate THAI"));
    });
}

void Tinv_info_frm::add_invtypeClick()
{
    if (invgr_cbx->text().isEmpty() || cur_invgroupid.isEmpty()) {
        app.msg().info(QStringLiteral("กรุณาเลือกกลุ่มวัสดุที่ต้องการ"));
        return;
    }
    if (!writePane())
        return;
    app.handle([&] {
        const QString name = app.msg().input(QStringLiteral("เพิ่มรายชื่อประเภทวัสดุ"),
                                             QStringLiteral("ประเภทวัสดุ"), QString());
        // A type name is unique over all groups.
        const QString refusal = nameRefusal(
            name, QStringLiteral("invtype"), QStringLiteral("invtypename"),
            QStringLiteral("กรุณากรอกชื่อประเภทวัสดุ"),
            QStringLiteral("ชื่อประเภทวัสดุมีความยาวเกิน 30 ตัวอักษร ไม่สามารถทำรายการได้"),
            QStringLiteral("พบชื่อประเภทวัสดุที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้"));
        if (!refusal.isEmpty()) {
            app.msg().info(refusal);
            return;
        }
        data::Transaction t(app.db());
        query.set(QStringLiteral("insert into invtype(invtypename,invgroupid) values(?,?)"),
                  {name, cur_invgroupid})
            .exec();
        const QString id = data::assignId(query, data::numbered::invtype);
        t.commit();

        // The type box is emptied, and with it the type id.
        invtype_cbx->setText(QString());
        cur_invtypeid.clear();
        refillTypes();
        openItems(QStringLiteral("select * from inv where invgroupid = ? and invtypeid = ?\n"
                                 "order by invname collate THAI"),
                  {cur_invgroupid, id});
    });
}

void Tinv_info_frm::edit_invtypeClick()
{
    const QString shown = invtype_cbx->text();
    if (shown.isEmpty() || cur_invtypeid.isEmpty()) {
        app.msg().info(QStringLiteral("กรุณากรอกชื่อประเภทวัสดุ"));
        return;
    }
    app.handle([&] {
        const QString name = app.msg().input(QStringLiteral("แก้ไขรายชื่อประเภทวัสดุ"),
                                             QStringLiteral("ประเภทวัสดุ"), shown);
        const QString refusal = nameRefusal(
            name, QStringLiteral("invtype"), QStringLiteral("invtypename"),
            QStringLiteral("กรุณากรอกชื่อประเภทวัสดุ"),
            QStringLiteral("ชื่อประเภทวัสดุมีความยาวเกิน 30 ตัวอักษร"),
            QStringLiteral("พบชื่อประเภทวัสดุที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้"));
        if (!refusal.isEmpty()) {
            app.msg().info(refusal);
            return;
        }
        data::Transaction t(app.db());
        query.set(QStringLiteral("update invtype set invtypename = ?\nwhere invtypeid = ?"),
                  {name, cur_invtypeid})
            .exec();
        t.commit();
        refillTypes();
        invtype_cbx->setText(name);
    });
}

void Tinv_info_frm::del_invtypeClick()
{
    // With no type chosen there is nothing to delete.
    const QString shown = invtype_cbx->text();
    if (shown.isEmpty() || cur_invtypeid.isEmpty())
        return;
    if (!writePane())
        return;
    if (!app.msg().confirm(ui::deleteQuestion(shown)))
        return;
    app.handle([&] {
        data::Transaction t(app.db());
        query.set(QStringLiteral("delete from inv where invtypeid = ? and invgroupid = ?"),
                  {cur_invtypeid, cur_invgroupid})
            .exec();
        query.set(QStringLiteral("delete from invtype where invtypeid = ?"), {cur_invtypeid}).exec();
        t.commit();

        cur_invtypeid.clear();
        invtype_cbx->setText(QString());
        refillTypes();
        openItems(QStringLiteral("select * from inv where invgroupid = ?\norder by invname collate THAI"),
                  {cur_invgroupid});
    });
}

void Tinv_info_frm::find_invClick()
{
    const QString key = inv_key->text();
    if (key.isEmpty()) {
        app.msg().info(QStringLiteral("ไม่สามารถสืบค้นได้ กรุณาระบุคำสำคัญที่ต้องการค้นหา"));
        return;
    }
    if (!writePane())
        return;
    app.handle([&] {
        openItems(QStringLiteral("select * from inv where invname LIKE ? ESCAPE '\\'\n"
                                 "order by invname collate THAI"),
                  {data::likeContaining(key)});
        // The first item found makes its group and type current, and the boxes show them.
        cur_invgroupid = inv_query.field(QStringLiteral("invgroupid"));
        cur_invtypeid = inv_query.field(QStringLiteral("invtypeid"));
        query.set(QStringLiteral("select * from invgroup where invgroupid = ?"), {cur_invgroupid}).open();
        invgr_cbx->setText(query.field(QStringLiteral("invgroupname")));
        refillTypes();
        query.set(QStringLiteral("select * from invtype where invtypeid = ?"), {cur_invtypeid}).open();
        invtype_cbx->setText(query.field(QStringLiteral("invtypename")));
    });
}

void Tinv_info_frm::add_invClick()
{
    if (!writePane())
        return;
    app.showModal(QStringLiteral("add_inv_frm"));
}

void Tinv_info_frm::edit_invClick()
{
    if (!writePane())
        return;
    cur_invid = inv_query.field(QStringLiteral("invid"));
    app.showModal(QStringLiteral("edit_inv_frm"));
}

void Tinv_info_frm::del_invClick()
{
    const bool any = inv_query.currentRow() >= 0;
    const QString invid = inv_query.field(QStringLiteral("invid"));
    if (!app.msg().confirm(ui::deleteQuestion(inv_query.field(QStringLiteral("invname")))))
        return;
    if (!any)
        return; // an empty list: nothing to delete
    discardPane(); // the item goes, and what was typed about it with it
    app.handle([&] {
        data::Transaction t(app.db());
        query.set(QStringLiteral("delete from inv where invid = ?"), {invid}).exec();
        t.commit();
        inv_query.open();
    });
}

bool Tinv_info_frm::postPane(bool* wrote)
{
    *wrote = false;
    if (inv_query.currentRow() < 0)
        return true;
    QList<ui::BoundEdit*> changed;
    for (ui::BoundEdit* box : paneBoxes()) {
        if (box->edited())
            changed << box;
    }
    if (changed.isEmpty())
        return true;

    app.handle([&] {
        for (ui::BoundEdit* box : changed) {
            if (box->text().trimmed().isEmpty()) {
                app.msg().info(QStringLiteral("กรุณาตรวจสอบข้อมูลให้ถูกต้อง"));
                return;
            }
        }
        QStringList sets;
        QVariantList values;
        // A box left alone keeps the stored value; an edited one is converted first.
        QVariant high = inv_query.value(QStringLiteral("highpoint"));
        QVariant low = inv_query.value(QStringLiteral("lowpoint"));
        for (ui::BoundEdit* box : changed) {
            const QString text = box->text();
            QVariant value = text;
            if (box == inv_max)
                value = high = data::wholeNumber(text.trimmed());
            else if (box == inv_min)
                value = low = data::wholeNumber(text.trimmed());
            else if (box == inv_uprice)
                value = data::decimalNumber(text.trimmed());
            sets << box->field().toLower() + QStringLiteral(" = ?");
            values << value;
        }
        // New limits obey the rules of the edit window; a quantity that receipts took
        // above the high limit does not stop a change of name, price or unit.
        if (changed.contains(inv_max) || changed.contains(inv_min)) {
            const QVariant net = inv_query.value(QStringLiteral("netqty"));
            const bool netAbove =
                !net.isNull() && !high.isNull() && net.toLongLong() > high.toLongLong();
            const bool lowAbove =
                !low.isNull() && !high.isNull() && low.toLongLong() > high.toLongLong();
            if (netAbove || lowAbove) {
                app.msg().info(QStringLiteral("ข้อมูลไม่ถูกต้อง กรุณาตรวจสอบ"));
                return;
            }
        }
        values << inv_query.field(QStringLiteral("invid"));
        data::Transaction t(app.db());
        query.set(QStringLiteral("update inv set ") + sets.join(QLatin1Char(',')) +
                      QStringLiteral("\nwhere invid = ?"),
                  values)
            .exec();
        t.commit();
        *wrote = true;
    });
    return *wrote;
}

bool Tinv_info_frm::leaveRow()
{
    bool wrote = false;
    if (!postPane(&wrote))
        return false;
    if (wrote) {
        // The list still holds the item as it was. A re-run of the list that follows
        // shows it as written; after a move to another row it is read again once the
        // move is done.
        m_stale = true;
        QTimer::singleShot(0, this, &Tinv_info_frm::refreshWritten);
    }
    return true;
}

bool Tinv_info_frm::writePane()
{
    bool wrote = false;
    if (!postPane(&wrote))
        return false;
    if (wrote) {
        m_stale = true;
        refreshWritten();
    }
    return true;
}

void Tinv_info_frm::discardPane()
{
    for (ui::BoundEdit* box : paneBoxes())
        box->load();
}

void Tinv_info_frm::refreshWritten()
{
    if (!m_stale || !inv_query.isOpen())
        return;
    const QString invid = inv_query.field(QStringLiteral("invid"));
    discardPane(); // written already; the re-run loads the stored values
    if (app.handle([&] { inv_query.reopen(); }))
        showItem(invid);
}

void Tinv_info_frm::showItem(const QString& invid)
{
    const int row = inv_query.currentRow();
    if (row < 0 || inv_query.field(QStringLiteral("invid")) == invid)
        return;
    // A renamed item moves in the name order, which shifts its neighbours by one.
    for (int near : {row - 1, row + 1}) {
        if (inv_query.value(near, QStringLiteral("invid")).toString() == invid) {
            inv_query.setCurrentRow(near);
            return;
        }
    }
    const int rows = inv_query.rowCount();
    for (int r = 0; r < rows; ++r) {
        if (inv_query.value(r, QStringLiteral("invid")).toString() == invid) {
            inv_query.setCurrentRow(r);
            return;
        }
    }
}

void Tinv_info_frm::done(int result)
{
    if (isVisible() && !writePane())
        return;
    Window::done(result);
}

bool Tinv_info_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        for (ui::BoundEdit* box : paneBoxes()) {
            if (box->edited()) {
                discardPane();
                return true;
            }
        }
    }
    return Window::eventFilter(watched, event);
}

} // namespace materials
