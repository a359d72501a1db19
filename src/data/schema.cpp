// The tables of the office's database. Every table is STRICT; numbered tables take their
// ids from an AUTOINCREMENT count, so the id of a deleted newest row is never given again.
// Text compares ignoring letter case; names also have an index in Thai order.

#include "data/database.h"

#include <QStringList>

namespace data {

namespace {

struct Table {
    const char* name;
    const char* columns;
    QStringList indexed;     // ordinary indexes
    QStringList thaiOrdered; // name columns listed in Thai order
};

const QList<Table>& tables()
{
    static const QList<Table> list{
        // organisation
        {"departgroup",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, deptgroupid TEXT COLLATE NOCASE, "
         "deptgroupname TEXT COLLATE NOCASE",
         {"deptgroupid", "deptgroupname"},
         {"deptgroupname"}},
        {"department",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, deptid TEXT COLLATE NOCASE, "
         "deptname TEXT COLLATE NOCASE, deptgroupid TEXT COLLATE NOCASE",
         {"deptid", "deptname", "deptgroupid"},
         {"deptname"}},
        {"employee",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, empid TEXT COLLATE NOCASE, "
         "empname TEXT COLLATE NOCASE, empphone TEXT COLLATE NOCASE, "
         "empposition TEXT COLLATE NOCASE, deptgroupid TEXT COLLATE NOCASE, "
         "deptid TEXT COLLATE NOCASE, u_type_id INTEGER",
         {"empid", "empname", "deptgroupid", "deptid"},
         {"empname"}},
        {"user_login",
         "empid TEXT COLLATE NOCASE, userid TEXT COLLATE NOCASE, u_pass TEXT, u_type_id INTEGER",
         {"empid", "userid"},
         {}},
        {"user_type", "u_type_id INTEGER, u_type_name TEXT COLLATE NOCASE", {"u_type_id"}, {}},
        // materials
        {"invgroup",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, invgroupid TEXT COLLATE NOCASE, "
         "invgroupname TEXT COLLATE NOCASE",
         {"invgroupid", "invgroupname"},
         {"invgroupname"}},
        {"invtype",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, invtypeid TEXT COLLATE NOCASE, "
         "invtypename TEXT COLLATE NOCASE, invgroupid TEXT COLLATE NOCASE",
         {"invtypeid", "invtypename", "invgroupid"},
         {"invtypename"}},
        {"inv",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, invid TEXT COLLATE NOCASE, "
         "invname TEXT COLLATE NOCASE, unitname TEXT COLLATE NOCASE, unitprice REAL, "
         "netqty INTEGER, highpoint INTEGER, lowpoint INTEGER, invgroupid TEXT COLLATE NOCASE, "
         "invtypeid TEXT COLLATE NOCASE",
         {"invid", "invname", "invgroupid, invtypeid", "invtypeid"},
         {"invname"}},
        {"invreceive",
         "receiveid TEXT COLLATE NOCASE, receivedate TEXT, compid TEXT COLLATE NOCASE, "
         "purchaseno TEXT COLLATE NOCASE, invoiceno TEXT COLLATE NOCASE, totalprice REAL, "
         "vat REAL, netprice REAL",
         {"receiveid", "compid", "purchaseno", "invoiceno"},
         {}},
        {"invreceive2",
         "receiveid TEXT COLLATE NOCASE, invid TEXT COLLATE NOCASE, invname TEXT COLLATE NOCASE, "
         "qty INTEGER, unitprice REAL, totalprice REAL",
         {"receiveid", "invid"},
         {}},
        {"invpayment",
         "invpayid TEXT COLLATE NOCASE, invpaydate TEXT, deptid TEXT COLLATE NOCASE, "
         "emprecid TEXT COLLATE NOCASE, emppayid TEXT COLLATE NOCASE",
         {"invpayid", "deptid", "emprecid", "emppayid"},
         {}},
        {"invpayment2",
         "invpayid TEXT COLLATE NOCASE, invid TEXT COLLATE NOCASE, invname TEXT COLLATE NOCASE, "
         "payqty INTEGER",
         {"invpayid", "invid"},
         {}},
        // durable goods
        {"durablegroup",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, durgroupid TEXT COLLATE NOCASE, "
         "durgroupname TEXT COLLATE NOCASE",
         {"durgroupid", "durgroupname"},
         {"durgroupname"}},
        {"durabletype",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, durtypeid TEXT COLLATE NOCASE, "
         "durtypename TEXT COLLATE NOCASE, durgroupid TEXT COLLATE NOCASE",
         {"durtypeid", "durtypename", "durgroupid"},
         {"durtypename"}},
        {"durable",
         "serialno TEXT COLLATE NOCASE, durname TEXT COLLATE NOCASE, unitprice REAL, "
         "unitname TEXT COLLATE NOCASE, durgroupid TEXT COLLATE NOCASE, "
         "durtypeid TEXT COLLATE NOCASE",
         {"serialno", "durname", "durgroupid, durtypeid", "durtypeid"},
         {"durname"}},
        {"durable2",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, durid TEXT COLLATE NOCASE, "
         "serialno TEXT COLLATE NOCASE, status_id INTEGER, durgroupid TEXT COLLATE NOCASE, "
         "durtypeid TEXT COLLATE NOCASE",
         {"durid", "serialno", "status_id"},
         {}},
        {"dur_status", "status_id INTEGER, status_name TEXT COLLATE NOCASE", {"status_id"}, {}},
        {"durablereceive",
         "durreceiveid TEXT COLLATE NOCASE, durreceivedate TEXT, compid TEXT COLLATE NOCASE, "
         "promiseno TEXT COLLATE NOCASE, invoiceno TEXT COLLATE NOCASE, "
         "gettype TEXT COLLATE NOCASE, byear TEXT COLLATE NOCASE, totalprice REAL",
         {"durreceiveid", "compid", "promiseno", "invoiceno"},
         {}},
        {"durablereceive2",
         "durreceiveid TEXT COLLATE NOCASE, durid TEXT COLLATE NOCASE, "
         "durname TEXT COLLATE NOCASE, price REAL, gexpire TEXT",
         {"durreceiveid", "durid"},
         {}},
        {"durableborrow",
         "durbowid TEXT COLLATE NOCASE, durbowdate TEXT, departid TEXT COLLATE NOCASE, "
         "empborrowid TEXT COLLATE NOCASE, emppermitid TEXT COLLATE NOCASE",
         {"durbowid", "departid", "empborrowid", "emppermitid"},
         {}},
        {"durableborrow2",
         "durbowid TEXT COLLATE NOCASE, durid TEXT COLLATE NOCASE, bor_status_id INTEGER",
         {"durbowid", "durid"},
         {}},
        {"bor_status", "bor_status_id INTEGER, status_name TEXT COLLATE NOCASE", {"bor_status_id"}, {}},
        // repairs
        {"durableinformrepair",
         "durinrepairid TEXT COLLATE NOCASE, durinrepairdate TEXT, emprepair TEXT COLLATE NOCASE",
         {"durinrepairid", "emprepair"},
         {}},
        {"durableinformrepair2",
         "durinrepairid TEXT COLLATE NOCASE, durid TEXT COLLATE NOCASE, "
         "repairdescription TEXT COLLATE NOCASE",
         {"durinrepairid", "durid"},
         {}},
        {"durablerepair",
         "durrepairid TEXT COLLATE NOCASE, durrepairdate TEXT, departid TEXT COLLATE NOCASE, "
         "compid TEXT COLLATE NOCASE",
         {"durrepairid", "departid", "compid"},
         {}},
        {"durablerepair2",
         "durrepairid TEXT COLLATE NOCASE, durid TEXT COLLATE NOCASE, price REAL",
         {"durrepairid", "durid"},
         {}},
        {"durablerepair3",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, durrepairid TEXT COLLATE NOCASE, "
         "durid TEXT COLLATE NOCASE, repairdescription TEXT COLLATE NOCASE, price REAL",
         {"durrepairid, durid", "durid"},
         {}},
        // suppliers
        {"company",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, compid TEXT COLLATE NOCASE, "
         "compname TEXT COLLATE NOCASE, compaddress TEXT COLLATE NOCASE, "
         "compphone TEXT COLLATE NOCASE, compfax TEXT COLLATE NOCASE",
         {"compid", "compname"},
         {"compname"}},
        // land and buildings
        {"land_locate",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, locate_id TEXT COLLATE NOCASE, "
         "locate_name TEXT COLLATE NOCASE, get_by TEXT COLLATE NOCASE, road TEXT COLLATE NOCASE, "
         "tambol TEXT COLLATE NOCASE, town TEXT COLLATE NOCASE, city TEXT COLLATE NOCASE",
         {"locate_id", "locate_name"},
         {"locate_name"}},
        {"locate_area",
         "locate_id TEXT COLLATE NOCASE, n_area TEXT COLLATE NOCASE, n_long REAL, "
         "s_area TEXT COLLATE NOCASE, s_long REAL, e_area TEXT COLLATE NOCASE, e_long REAL, "
         "w_area TEXT COLLATE NOCASE, w_long REAL",
         {"locate_id"},
         {}},
        {"locate_doc",
         "doc_id TEXT COLLATE NOCASE, locate_id TEXT COLLATE NOCASE, rai REAL, ngan REAL, "
         "tarangwa REAL, price REAL",
         {"doc_id", "locate_id"},
         {}},
        {"building",
         "count INTEGER PRIMARY KEY AUTOINCREMENT, building_id TEXT COLLATE NOCASE, "
         "building_name TEXT COLLATE NOCASE, locate_id TEXT COLLATE NOCASE, "
         "get_by TEXT COLLATE NOCASE, price REAL, b_size REAL, shape TEXT COLLATE NOCASE, "
         "column_shape TEXT COLLATE NOCASE, fall TEXT COLLATE NOCASE, floor TEXT COLLATE NOCASE, "
         "b_back TEXT COLLATE NOCASE",
         {"building_id", "building_name", "locate_id"},
         {"building_name"}},
    };
    return list;
}

QString indexName(const QString& table, const QString& columns, const QString& suffix)
{
    QString cols = columns;
    cols.replace(QStringLiteral(", "), QStringLiteral("_"));
    return QStringLiteral("%1_%2%3").arg(table, cols, suffix);
}

} // namespace

QStringList schemaStatements()
{
    QStringList out;
    for (const Table& t : tables()) {
        const QString name = QString::fromLatin1(t.name);
        out << QStringLiteral("create table %1 (%2) strict").arg(name, QString::fromUtf8(t.columns));
        for (const QString& cols : t.indexed)
            out << QStringLiteral("create index %1 on %2 (%3)")
                       .arg(indexName(name, cols, QString()), name, cols);
        for (const QString& col : t.thaiOrdered)
            out << QStringLiteral("create index %1 on %2 (%3 collate THAI)")
                       .arg(indexName(name, col, QStringLiteral("_thai")), name, col);
    }
    return out;
}

QStringList seedStatements()
{
    return {
        QStringLiteral("insert into user_type(u_type_id,u_type_name) values"
                       "(0,'เจ้าหน้าที่ทั่วไป'),(1,'เจ้าหน้าที่ระบบ'),(2,'เจ้าหน้าที่พัสดุ')"),
        QStringLiteral("insert into dur_status(status_id,status_name) values"
                       "(1,'ว่าง'),(2,'ถูกยืมออก'),(3,'ชำรุด'),(4,'ส่งซ่อม')"),
        QStringLiteral("insert into bor_status(bor_status_id,status_name) values"
                       "(1,'ยืม'),(2,'คืนแล้ว')"),
        QStringLiteral("insert into departgroup(deptgroupid,deptgroupname) values('01','สำนักงานเลขานุการ')"),
        QStringLiteral("insert into department(deptid,deptname,deptgroupid) values('0001','งานพัสดุ','01')"),
        QStringLiteral("insert into employee(empid,empname,empphone,empposition,deptgroupid,deptid,"
                       "u_type_id) values('010001','ผู้ดูแลระบบ','','เจ้าหน้าที่ระบบ','01','0001',1)"),
        QStringLiteral("insert into user_login(empid,userid,u_pass,u_type_id) values('010001','%1','%2',1)")
            .arg(firstUseUser, firstUsePassword),
    };
}

} // namespace data
