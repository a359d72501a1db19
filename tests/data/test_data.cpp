// The database, its conventions and the values users see.

#include "data/database.h"
#include "data/errors.h"
#include "data/listquery.h"
#include "data/numbering.h"
#include "data/query.h"
#include "data/staging.h"
#include "data/values.h"
#include "fixture.h"
#include "ui/datepicker.h"

#include <QLineEdit>

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using testing::Fixture;

class TestData : public QObject {
    Q_OBJECT
private slots:
    void numberedId_data();
    void numberedId();
    void idsNeverReused();
    void boundValuesStoredAsTyped_data();
    void boundValuesStoredAsTyped();
    void doubleQuotedWordFails();
    void strictRefusesTextInNumberColumn();
    void failingSecondWriteLeavesNothing();
    void thaiOrderOfNames();
    void amountText_data();
    void amountText();
    void dateText();
    void datePickerInBuddhistEra();
    void numberConversion_data();
    void numberConversion();
    void charCountCountsThaiMarks();
    void stagingRemovesOnlyTheChosenLine();
    void newFileGetsSchemaAndSeedRows();
    void foreignFileRefusedUntouched_data();
    void foreignFileRefusedUntouched();
    void reopenedFileKeepsItsRows();
};

void TestData::numberedId_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("id");
    QTest::newRow("width 2") << qint64(5) << 2 << "" << "05";
    QTest::newRow("width 10") << qint64(123) << 10 << "" << "0000000123";
    QTest::newRow("longer than width") << qint64(10000) << 4 << "" << "10000";
    QTest::newRow("exactly width") << qint64(1234) << 4 << "" << "1234";
    QTest::newRow("serial prefix") << qint64(42) << 10 << "SN1" << "SN10000000042";
    QTest::newRow("group and type") << qint64(4) << 6 << "000307" << "000307000004";
}

void TestData::numberedId()
{
    QFETCH(qint64, count);
    QFETCH(int, width);
    QFETCH(QString, prefix);
    QFETCH(QString, id);
    QCOMPARE(data::numberedId(count, width, prefix), id);
}

// The id of a deleted newest row is not handed out again, and assignId writes the id.
void TestData::idsNeverReused()
{
    Fixture fx;
    data::Query q(fx.app().db());
    auto add = [&](const QString& name) {
        q.set("insert into company(compname) values(?)", {name}).exec();
        return data::assignId(q, data::numbered::company);
    };
    QCOMPARE(add("ก"), QString("0001"));
    QCOMPARE(add("ข"), QString("0002"));
    fx.exec("delete from company where compid = '0002'");
    QCOMPARE(add("ค"), QString("0003"));
    QCOMPARE(fx.scalar("select compid from company where compname = 'ค'").toString(),
             QString("0003"));

    // durable2 numbered for serial SN1 as its 42nd row
    fx.exec("insert into sqlite_sequence(name, seq) values('durable2', 41)");
    q.set("insert into durable2(serialno,status_id) values(?,1)", {"SN1"}).exec();
    QCOMPARE(data::assignId(q, data::numbered::durable2, "SN1"), QString("SN10000000042"));
}

void TestData::boundValuesStoredAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "บริษัท \"ดี\" จำกัด";
    QTest::newRow("single quote") << "O'Brien's";
    QTest::newRow("column name") << "compname";
    QTest::newRow("injection") << "x\" or \"1\"=\"1";
}

void TestData::boundValuesStoredAsTyped()
{
    QFETCH(QString, name);
    Fixture fx;
    data::Query q(fx.app().db());
    q.set("insert into company(compname) values(?)", {name}).exec();
    fx.exec("insert into company(compname) values('other')");
    q.set("select * from company\nwhere compname = ?", {name}).open();
    QCOMPARE(q.rowCount(), 1);
    QCOMPARE(q.field("compname"), name);
    QCOMPARE(q.field("CompName"), name); // column names ignore case
}

void TestData::doubleQuotedWordFails()
{
    Fixture fx;
    data::Query q(fx.app().db());
    bool failed = false;
    try {
        q.set("select * from company where compname = \"nothing\"").open();
    } catch (const data::DbError& e) {
        failed = e.text.contains("nothing");
    }
    QVERIFY(failed);
}

void TestData::strictRefusesTextInNumberColumn()
{
    Fixture fx;
    data::Query q(fx.app().db());
    QString error;
    try {
        q.set("insert into inv(invname, netqty) values('a', ?)", {"ten"}).exec();
    } catch (const data::DbError& e) {
        error = e.text;
    }
    QVERIFY2(error.contains("cannot store TEXT value in INTEGER column"), qPrintable(error));
    QCOMPARE(fx.count("inv"), 0);
}

// One handler, two writes; the second is refused: nothing of the first stays, the engine's
// text is shown, and the program goes on.
void TestData::failingSecondWriteLeavesNothing()
{
    Fixture fx;
    fx.exec("insert into inv(invid,invname,netqty) values('000101000001','ปากกา',5)");
    fx.failOn("invreceive2", "insert", "line refused");
    data::ListQuery list(fx.app().db(), "list");
    list.openWith("select * from inv order by invname");
    QCOMPARE(list.field("netqty"), QString("5"));
    const bool ran = fx.app().handle([&] {
        data::Query q(fx.app().db());
        data::Transaction t(fx.app().db());
        q.set("update inv set netqty = netqty + 3 where invid = ?", {"000101000001"}).exec();
        list.reopen(); // sees 8 inside the transaction
        q.set("insert into invreceive2(receiveid,invid,qty) values('tmp',?,3)", {"000101000001"})
            .exec();
        t.commit();
    });
    QVERIFY(!ran);
    QVERIFY(fx.msg.takeError().contains("line refused"));
    QCOMPARE(fx.scalar("select netqty from inv").toInt(), 5);
    QCOMPARE(fx.count("invreceive2"), 0);
    QCOMPARE(list.field("netqty"), QString("5")); // the list shows the unchanged row again
    TAVU_CHECK_BOXES(fx);
}

void TestData::thaiOrderOfNames()
{
    Fixture fx;
    // Leading vowels sort by their consonant: เก after กา, before ข; ไข after ขา.
    for (const char* n : {"ไข่", "ขา", "เกลือ", "กา", "แก้ว", "โคม", "ค้อน"})
        fx.exec("insert into invgroup(invgroupname) values(?)", {QString::fromUtf8(n)});
    data::Query q(fx.app().db());
    q.set("select * from invgroup order by invgroupname collate THAI").open();
    QStringList got;
    for (bool ok = q.first(); ok; ok = q.next())
        got << q.field("invgroupname");
    const QStringList expected{"กา", "เกลือ", "แก้ว", "ขา", "ไข่", "ค้อน", "โคม"};
    QCOMPARE(got, expected);
}

void TestData::amountText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1070.0 << "1070";
    QTest::newRow("half") << 237.5 << "237.5";
    QTest::newRow("quarter") << 166.25 << "166.25";
    QTest::newRow("tax of the example") << 237.5 * 0.07 << "16.625";
    QTest::newRow("total of the example") << 237.5 + 237.5 * 0.07 << "254.125";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("below 1e15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1e15") << 1e15 << "1e+15";
    QTest::newRow("above") << 2.5e16 << "2.5e+16";
    QTest::newRow("negative") << -12.5 << "-12.5";
}

void TestData::amountText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(data::amountText(value), text);
}

void TestData::dateText()
{
    QCOMPARE(data::dateText(QDate(2026, 12, 11)), QString("11/12/2569"));
    QCOMPARE(data::dateText(QDate(2004, 1, 5)), QString("5/1/2547"));
    QCOMPARE(data::displayText(QVariant("2026-12-11"), "ReceiveDate"), QString("11/12/2569"));
    QCOMPARE(data::displayText(QVariant("2026-12-11"), "invoiceno"), QString("2026-12-11"));
    QCOMPARE(data::displayText(QVariant(237.5), "totalprice"), QString("237.5"));
    QCOMPARE(data::fromIsoDate(data::isoDate(QDate(2026, 2, 28))), QDate(2026, 2, 28));
}

void TestData::datePickerInBuddhistEra()
{
    QCOMPARE(ui::parseBuddhistDate("11/12/2569"), QDate(2026, 12, 11));
    QCOMPARE(ui::parseBuddhistDate("5/1/2547"), QDate(2004, 1, 5));
    QVERIFY(!ui::parseBuddhistDate("31/2/2569").isValid());
    QVERIFY(!ui::parseBuddhistDate("2026-12-11").isValid());
    ui::DatePicker picker("rec_date", nullptr);
    picker.setDate(QDate(2026, 12, 11));
    QCOMPARE(picker.findChild<QLineEdit*>()->text(), QString("11/12/2569"));
    picker.findChild<QLineEdit*>()->setText("1/3/2570");
    picker.interpretText();
    QCOMPARE(picker.date(), QDate(2027, 3, 1));
}

void TestData::numberConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("decimal");
    QTest::newRow("digits") << "42" << true << true;
    QTest::newRow("signed") << "-7" << true << true;
    QTest::newRow("plus") << "+7" << true << true;
    QTest::newRow("point") << "12.5" << false << true;
    QTest::newRow("leading point") << ".5" << false << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("blank") << " 5" << false << false;
    QTest::newRow("comma") << "12,5" << false << false;
    QTest::newRow("thai digits") << "๕" << false << false;
    QTest::newRow("word") << "abc" << false << false;
    QTest::newRow("too long") << "99999999999999999999" << false << true;
}

void TestData::numberConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QFETCH(bool, decimal);
    auto converts = [&](auto convert) {
        try {
            convert(text);
            return true;
        } catch (const data::InvalidNumber& e) {
            return e.value == text ? false : true;
        }
    };
    QCOMPARE(converts(data::wholeNumber), whole);
    QCOMPARE(converts(data::decimalNumber), decimal);
    QCOMPARE(data::amountOrZero(""), 0.0);
    QCOMPARE(data::invalidNumberText("x1"), QString("'x1' ไม่ใช่ตัวเลขที่ถูกต้อง"));
}

void TestData::charCountCountsThaiMarks()
{
    QCOMPARE(data::charCount("น้ำ"), 3); // consonant, tone mark, vowel
    QCOMPARE(data::charCount(QString(30, QChar(0x0E01))), 30);
    QVERIFY(data::isStagingId("TMP") && data::isStagingId("tmp") && !data::isStagingId("tmp1"));
}

void TestData::stagingRemovesOnlyTheChosenLine()
{
    Fixture fx;
    data::Query q(fx.app().db());
    for (int qty : {3, 5})
        fx.exec("insert into invreceive2(receiveid,invid,qty) values('tmp','A',?)", {qty});
    fx.exec("insert into invreceive2(receiveid,invid,qty) values('R1','A',9)");
    const auto& st = data::staged::invreceive2;
    q.set(st.listSql() + " and qty = 5").open();
    const qint64 rowid = q.value("rowid").toLongLong();
    QVERIFY(st.removeLine(q, rowid));
    QVERIFY(!st.removeLine(q, rowid)); // already gone
    QCOMPARE(fx.count("invreceive2", "receiveid = 'tmp'"), 1);
    const qint64 saved = fx.scalar("select rowid from invreceive2 where receiveid = 'R1'").toLongLong();
    QVERIFY(!st.removeLine(q, saved)); // a saved line is not staged
    st.rekey(q, "R2");
    QCOMPARE(fx.count("invreceive2", "receiveid = 'R2'"), 1);
    QVERIFY(!st.any(q));
}

void TestData::newFileGetsSchemaAndSeedRows()
{
    Fixture fx(Fixture::Start::Unopened);
    QVERIFY(!QFile::exists(fx.dbPath()));
    QVERIFY(fx.start());
    QVERIFY(QFile::exists(fx.dbPath()));
    QCOMPARE(fx.count("sqlite_master", "type = 'table' and name <> 'sqlite_sequence'"), 32);
    QCOMPARE(fx.count("sqlite_master", "type = 'table' and name <> 'sqlite_sequence' "
                                       "and sql not like '%strict'"),
             0);
    QCOMPARE(fx.scalar("pragma application_id").toInt(), data::applicationId);
    QCOMPARE(fx.scalar("pragma user_version").toInt(), data::schemaVersion);
    QCOMPARE(fx.scalar("pragma journal_mode").toString(), QString("delete"));
    QCOMPARE(fx.scalar("select group_concat(u_type_id || ':' || u_type_name, ',') from "
                       "(select * from user_type where u_type_id > 0 order by u_type_id)")
                 .toString(),
             QString("1:เจ้าหน้าที่ระบบ,2:เจ้าหน้าที่พัสดุ"));
    QCOMPARE(fx.scalar("select group_concat(status_id || ':' || status_name, ',') from "
                       "(select * from dur_status order by status_id)")
                 .toString(),
             QString("1:ว่าง,2:ถูกยืมออก,3:ชำรุด,4:ส่งซ่อม"));
    QCOMPARE(fx.count("user_type"), 3);
    QCOMPARE(fx.count("bor_status"), 2);
    QCOMPARE(fx.count("departgroup"), 1);
    QCOMPARE(fx.count("department"), 1);
    QCOMPARE(fx.count("employee", "u_type_id = 1"), 1);
    QCOMPARE(fx.count("user_login", "userid = 'admin' and u_pass = 'admin' and empid = "
                                    "(select empid from employee)"),
             1);
    const QStringList others{"invgroup", "invtype", "inv", "company", "durable", "durable2",
                             "invreceive", "invreceive2", "land_locate", "building"};
    for (const QString& t : others)
        QCOMPARE(fx.count(t), 0);
    QVERIFY(!QFile::exists(fx.dbPath() + ".new"));
}

void TestData::foreignFileRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("otherDatabase");
    QTest::newRow("text file") << QByteArray("not a database at all\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("another program's database") << QByteArray() << true;
}

void TestData::foreignFileRefusedUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, otherDatabase);
    QTemporaryDir dir;
    const QString path = dir.filePath("tavu2004.mdb");
    if (otherDatabase) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec("create table t(x)");
            db.close();
        }
        QSqlDatabase::removeDatabase("other");
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QDateTime modified = QFileInfo(path).lastModified();

    data::Database db("refuse");
    QVERIFY(!db.open(path));
    QVERIFY2(db.error().contains("ไม่ใช่ฐานข้อมูลของโปรแกรมนี้"), qPrintable(db.error()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tavu2004.mdb"});
}

void TestData::reopenedFileKeepsItsRows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a/b/tavu2004.mdb"); // folders made as needed
    {
        data::Database db("first");
        QVERIFY2(db.open(path), qPrintable(db.error()));
        QSqlQuery(db.connection()).exec("insert into company(compname) values('kept')");
    }
    data::Database db("second");
    QVERIFY2(db.open(path), qPrintable(db.error()));
    QSqlQuery q(db.connection());
    QVERIFY(q.exec("select compname from company") && q.next());
    QCOMPARE(q.value(0).toString(), QString("kept"));
}

QTEST_MAIN(TestData)
#include "test_data.moc"
