// The company register: adding, editing, deleting and searching companies.

#include "data/values.h"
#include "fixture.h"
#include "suppliers/add_comp_unit.h"
#include "suppliers/comp_info_unit.h"
#include "suppliers/edit_comp_unit.h"
#include "ui/bound.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using suppliers::Tadd_comp_frm;
using suppliers::Tcomp_info_frm;
using suppliers::Tedit_comp_frm;
using testing::Fixture;

namespace {

const QString needName = QStringLiteral("กรุณากรอกชื่อบริษัท");
const QString nameExists = QStringLiteral("พบชื่อบริษัทที่ระบุในฐานข้อมูล ไม่สามารถทำรายการได้");

Tcomp_info_frm& reg(Fixture& fx) { return fx.win<Tcomp_info_frm>("comp_info_frm"); }

// Adds a company through the add window, as a user would.
void addCompany(Fixture& fx, const QString& name, const QString& addr = {},
                const QString& phone = {}, const QString& fax = {})
{
    fx.closeAll();
    reg(fx).add_compClick();
    auto& add = fx.win<Tadd_comp_frm>("add_comp_frm");
    add.comp_name->setText(name);
    add.comp_addr->setText(addr);
    add.comp_phone->setText(phone);
    add.comp_fax->setText(fax);
    add.add_btnClick();
}

// The names the register lists, in its order.
QStringList listed(Tcomp_info_frm& w)
{
    QStringList names;
    for (int r = 0; r < w.comp_query.rowCount(); ++r)
        names << w.comp_query.value(r, "compname").toString();
    return names;
}

void findCompanies(Tcomp_info_frm& w, const QString& key)
{
    w.key_find->setText(key);
    w.find_btnClick();
}

bool selectCompany(Tcomp_info_frm& w, const QString& name)
{
    for (int r = 0; r < w.comp_query.rowCount(); ++r) {
        if (w.comp_query.value(r, "compname").toString() == name)
            return w.comp_query.setCurrentRow(r);
    }
    return false;
}

} // namespace

class TestCompanies : public QObject {
    Q_OBJECT
private slots:
    void addNumbersFromOneAndShowsAll();
    void addRefused_data();
    void addRefused();
    void addRolledBackWhenNumberingFails();
    void editLoadsSavesAndKeepsSearch();
    void editRefused_data();
    void editRefused();
    void deleteAsksAndKeepsSearch();
    void deleteOnEmptyListDeletesNothing();
    void search_data();
    void search();
    void boundBoxesReadOnlyAndFollowRow();
};

// Ids run 0001 upward; a company with only a name stores empty texts; after an addition
// the whole register is listed again, by name in Thai order, and the add window closes.
void TestCompanies::addNumbersFromOneAndShowsAll()
{
    Fixture fx;
    auto& w = reg(fx);
    QVERIFY(fx.main().comp_info->isVisible());
    fx.main().comp_infoClick();
    QCOMPARE(fx.modal.shown, QStringList{"comp_info_frm"});

    addCompany(fx, "ขวดทอง", "1 ถนนสุขุมวิท", "021234567", "021234568");
    auto& add = fx.win<Tadd_comp_frm>("add_comp_frm");
    QVERIFY(!add.isVisible());
    findCompanies(w, "ขวด");
    addCompany(fx, "ไก่งาม");
    QCOMPARE(w.comp_query.sql(), Tcomp_info_frm::allSql()); // the search was dropped
    QCOMPARE(listed(w), (QStringList{"ไก่งาม", "ขวดทอง"}));  // ไก่ sorts under ก

    QCOMPARE(fx.scalar("select compid from company where compname = 'ขวดทอง'").toString(), QString("0001"));
    QCOMPARE(fx.scalar("select compid from company where compname = 'ไก่งาม'").toString(), QString("0002"));
    QCOMPARE(fx.count("company", "compname = 'ขวดทอง' and compaddress = '1 ถนนสุขุมวิท' and "
                                 "compphone = '021234567' and compfax = '021234568'"),
             1);
    QCOMPARE(fx.count("company", "compname = 'ไก่งาม' and compaddress = '' and compphone = '' "
                                 "and compfax = ''"),
             1);

    // each opening starts empty
    fx.closeAll();
    add.comp_name->setText("left over");
    w.add_compClick();
    QVERIFY(add.comp_name->text().isEmpty());
    TAVU_CHECK_BOXES(fx);
}

void TestCompanies::addRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << needName;
    QTest::newRow("blanks only") << "   " << needName;
    QTest::newRow("same name") << "บริษัท \"ดี\" จำกัด" << nameExists;
    QTest::newRow("same name other case") << "ACME co" << nameExists;
}

// A refused addition writes nothing and keeps the boxes as typed.
void TestCompanies::addRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Fixture fx;
    addCompany(fx, "บริษัท \"ดี\" จำกัด");
    addCompany(fx, "Acme Co");
    const int before = fx.count("company");

    addCompany(fx, name, "ที่อยู่", "0812345678", "fax");
    QCOMPARE(fx.msg.takeInfo(), message);
    QCOMPARE(fx.count("company"), before);
    auto& add = fx.win<Tadd_comp_frm>("add_comp_frm");
    QVERIFY(add.isVisible());
    QCOMPARE(add.comp_name->text(), name);
    QCOMPARE(add.comp_addr->text(), QString("ที่อยู่"));
    QCOMPARE(add.comp_phone->text(), QString("0812345678"));
    QCOMPARE(add.comp_fax->text(), QString("fax"));
    TAVU_CHECK_BOXES(fx);
}

// The insert and its numbering are one: when the id cannot be written no row is left.
void TestCompanies::addRolledBackWhenNumberingFails()
{
    Fixture fx;
    fx.failOn("company", "update");
    addCompany(fx, "บริษัทใหม่");
    QVERIFY(fx.msg.takeError().contains("refused"));
    QCOMPARE(fx.count("company"), 0);
    QVERIFY(fx.win<Tadd_comp_frm>("add_comp_frm").isVisible());
    QVERIFY(reg(fx).comp_query.isOpen());
    TAVU_CHECK_BOXES(fx);
}

// The edit window loads the chosen company at each opening, writes all four boxes to it
// alone, stays open, and the register keeps its search.
void TestCompanies::editLoadsSavesAndKeepsSearch()
{
    Fixture fx;
    auto& w = reg(fx);
    addCompany(fx, "สยามค้าส่ง", "กรุงเทพ", "021111111", "022222222");
    addCompany(fx, "สยามพัสดุ", "เชียงใหม่", "053333333", "");
    addCompany(fx, "ธนบุรีการค้า");
    findCompanies(w, "สยาม");
    QCOMPARE(listed(w), (QStringList{"สยามค้าส่ง", "สยามพัสดุ"}));
    QVERIFY(selectCompany(w, "สยามพัสดุ"));
    const QString searchSql = w.comp_query.sql();
    const QVariantList searchValues = w.comp_query.boundValues();

    fx.closeAll();
    w.edit_compClick();
    QCOMPARE(w.cur_compid, QString("0002"));
    QCOMPARE(fx.modal.shown.last(), QString("edit_comp_frm"));
    auto& ed = fx.win<Tedit_comp_frm>("edit_comp_frm");
    QCOMPARE(ed.comp_name->text(), QString("สยามพัสดุ"));
    QCOMPARE(ed.comp_addr->text(), QString("เชียงใหม่"));
    QCOMPARE(ed.comp_phone->text(), QString("053333333"));
    QCOMPARE(ed.comp_fax->text(), QString(""));

    ed.comp_name->setText("สยามพัสดุภัณฑ์");
    ed.comp_addr->setText("ลำปาง");
    ed.comp_phone->setText("054444444");
    ed.comp_fax->setText("054444445");
    ed.add_btnClick();
    QVERIFY(ed.isVisible());
    QCOMPARE(fx.count("company", "compid = '0002' and compname = 'สยามพัสดุภัณฑ์' and "
                                 "compaddress = 'ลำปาง' and compphone = '054444444' and "
                                 "compfax = '054444445'"),
             1);
    QCOMPARE(fx.count("company", "compid = '0001' and compname = 'สยามค้าส่ง' and "
                                 "compaddress = 'กรุงเทพ'"),
             1);
    QCOMPARE(w.comp_query.sql(), searchSql);
    QCOMPARE(w.comp_query.boundValues(), searchValues);
    QCOMPARE(listed(w), (QStringList{"สยามค้าส่ง", "สยามพัสดุภัณฑ์"}));
    QCOMPARE(w.comp_query.currentRow(), 0);

    // saving its own name again is no clash
    ed.add_btnClick();
    QCOMPARE(fx.count("company", "compname = 'สยามพัสดุภัณฑ์'"), 1);

    // the next opening loads the company then chosen
    fx.closeAll();
    QVERIFY(selectCompany(w, "สยามค้าส่ง"));
    w.edit_compClick();
    QCOMPARE(ed.comp_name->text(), QString("สยามค้าส่ง"));
    TAVU_CHECK_BOXES(fx);
}

void TestCompanies::editRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << needName;
    QTest::newRow("another company's name") << "ธนบุรีการค้า" << nameExists;
}

void TestCompanies::editRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Fixture fx;
    auto& w = reg(fx);
    addCompany(fx, "สยามค้าส่ง", "กรุงเทพ");
    addCompany(fx, "ธนบุรีการค้า", "ธนบุรี");
    QVERIFY(selectCompany(w, "สยามค้าส่ง"));
    fx.closeAll();
    w.edit_compClick();
    auto& ed = fx.win<Tedit_comp_frm>("edit_comp_frm");
    ed.comp_name->setText(name);
    ed.comp_addr->setText("ที่ใหม่");
    ed.add_btnClick();
    QCOMPARE(fx.msg.takeInfo(), message);
    QCOMPARE(fx.count("company", "compid = '0001' and compname = 'สยามค้าส่ง' and compaddress = 'กรุงเทพ'"), 1);
    QCOMPARE(fx.count("company", "compname = 'ธนบุรีการค้า'"), 1);
    QCOMPARE(ed.comp_name->text(), name);
    TAVU_CHECK_BOXES(fx);
}

// The question names the current company; No changes nothing; Yes deletes that company
// only and the search stays shown.
void TestCompanies::deleteAsksAndKeepsSearch()
{
    Fixture fx;
    auto& w = reg(fx);
    addCompany(fx, "สยามค้าส่ง");
    addCompany(fx, "สยามพัสดุ");
    addCompany(fx, "ธนบุรีการค้า");
    findCompanies(w, "สยาม");
    const QString searchSql = w.comp_query.sql();
    QVERIFY(selectCompany(w, "สยามพัสดุ"));

    fx.msg.answerNo();
    w.del_compClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ สยามพัสดุ ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("company"), 3);

    fx.msg.answerYes();
    w.del_compClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ สยามพัสดุ ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("company"), 2);
    QCOMPARE(fx.count("company", "compname = 'สยามพัสดุ'"), 0);
    QCOMPARE(w.comp_query.sql(), searchSql);
    QCOMPARE(listed(w), QStringList{"สยามค้าส่ง"});
    TAVU_CHECK_BOXES(fx);
}

void TestCompanies::deleteOnEmptyListDeletesNothing()
{
    Fixture fx;
    auto& w = reg(fx);
    addCompany(fx, "สยามค้าส่ง");
    fx.exec("update company set compid = '' where compid = '0001'"); // would match an empty id
    findCompanies(w, "ไม่มีชื่อนี้");
    QVERIFY(w.comp_query.isEmpty());
    fx.msg.answerYes();
    w.del_compClick();
    QCOMPARE(fx.msg.takeConfirm(), QString("ต้องการลบ  ออกจากฐานข้อมูล"));
    QCOMPARE(fx.count("company"), 1);
    TAVU_CHECK_BOXES(fx);
}

void TestCompanies::search_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("part of names") << "การ" << QStringList{"เกษตรการค้า", "ธนบุรีการค้า"};
    QTest::newRow("empty lists all")
        << "" << QStringList{"เกษตรการค้า", "ธนบุรีการค้า", "ร้าน 100% ดี", "สยามค้าส่ง"};
    QTest::newRow("no match") << "ไม่มี" << QStringList{};
    QTest::newRow("percent taken as typed") << "0%" << QStringList{"ร้าน 100% ดี"};
    QTest::newRow("quote in key") << "\"" << QStringList{};
}

// A search lists the companies whose name contains the keyword, in Thai order.
void TestCompanies::search()
{
    QFETCH(QString, key);
    QFETCH(QStringList, found);
    Fixture fx;
    auto& w = reg(fx);
    for (const char* name : {"สยามค้าส่ง", "ธนบุรีการค้า", "เกษตรการค้า", "ร้าน 100% ดี"})
        addCompany(fx, QString::fromUtf8(name));
    findCompanies(w, key);
    QCOMPARE(listed(w), found);
    QCOMPARE(w.comp_query.currentRow(), found.isEmpty() ? -1 : 0);
    TAVU_CHECK_BOXES(fx);
}

void TestCompanies::boundBoxesReadOnlyAndFollowRow()
{
    Fixture fx;
    auto& w = reg(fx);
    addCompany(fx, "ขวดทอง", "1 ถนนสุขุมวิท", "021234567", "021234568");
    addCompany(fx, "ไก่งาม", "2 ถนนพหลโยธิน", "029999999", "");
    QVERIFY(w.comp_name->isReadOnly());
    QVERIFY(w.comp_addr->isReadOnly());
    QVERIFY(w.comp_phone->isReadOnly());
    QVERIFY(w.comp_fax->isReadOnly());
    QCOMPARE(w.comp_name->text(), QString("ไก่งาม"));
    QCOMPARE(w.comp_addr->toPlainText(), QString("2 ถนนพหลโยธิน"));
    w.comp_query.next();
    QCOMPARE(w.comp_name->text(), QString("ขวดทอง"));
    QCOMPARE(w.comp_phone->text(), QString("021234567"));
    QCOMPARE(w.comp_fax->text(), QString("021234568"));
    TAVU_CHECK_BOXES(fx);
}

QTEST_MAIN(TestCompanies)
#include "test_companies.moc"
