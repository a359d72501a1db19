#include "data/staging.h"


namespace data {

QString Staging::listSql() const
{
    return QStringLiteral("select rowid, * from %1 where %2 = 'tmp'")
        .arg(QLatin1String(lines), QLatin1String(docColumn));
}

bool Staging::any(Query& q) const
{
    q.set(QStringLiteral("select * from %1 where %2 = 'tmp'")
              .arg(QLatin1String(lines), QLatin1String(docColumn)))
        .open();
    return !q.isEmpty();
}

bool Staging::removeLine(Query& q, qint64 rowid) const
{
    q.set(QStringLiteral("delete from %1 where rowid = ? and %2 = 'tmp'")
              .arg(QLatin1String(lines), QLatin1String(docColumn)),
          {rowid})
        .exec();
    return q.rowsAffected() == 1;
}

void Staging::rekey(Query& q, const QString& documentId) const
{
    q.set(QStringLiteral("update %1 set %2 = ? where %2 = 'tmp'")
              .arg(QLatin1String(lines), QLatin1String(docColumn)),
          {documentId})
        .exec();
}

} // namespace data
