#include "data/numbering.h"

namespace data {

QString numberedId(qint64 count, int width, const QString& prefix)
{
    return prefix + QString::number(count).rightJustified(width, QLatin1Char('0'));
}

QString assignId(Query& inserted, const Numbering& table, const QString& prefix)
{
    const qint64 count = inserted.lastInsertId();
    const QString id = numberedId(count, table.width, prefix);
    inserted.set(QStringLiteral("update %1 set %2 = ?\nwhere count = ?")
                     .arg(QLatin1String(table.table), QLatin1String(table.idColumn)),
                 {id, count})
        .exec();
    return id;
}

} // namespace data
