#include "data/values.h"

#include "data/errors.h"

#include <QRegularExpression>
#include <QSet>

namespace data {

QString amountText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15);
}

QString dateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year() + 543);
}

QString isoDate(const QDate& date) { return date.toString(Qt::ISODate); }

QDate fromIsoDate(const QString& text) { return QDate::fromString(text, Qt::ISODate); }

bool isDateColumn(const QString& field)
{
    static const QSet<QString> dates{"receivedate",     "invpaydate",    "durreceivedate",
                                     "durbowdate",      "gexpire",       "durinrepairdate",
                                     "durrepairdate"};
    return dates.contains(field.toLower());
}

QString displayText(const QVariant& value, const QString& field)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double)
        return amountText(value.toDouble());
    if (isDateColumn(field)) {
        const QDate d = fromIsoDate(value.toString());
        if (d.isValid())
            return dateText(d);
    }
    return value.toString();
}

qint64 wholeNumber(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!whole.match(text).hasMatch())
        throw InvalidNumber{text};
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok)
        throw InvalidNumber{text};
    return n;
}

double decimalNumber(const QString& text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    if (!decimal.match(text).hasMatch())
        throw InvalidNumber{text};
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !qIsFinite(d))
        throw InvalidNumber{text};
    return d;
}

double amountOrZero(const QString& text) { return text.isEmpty() ? 0.0 : decimalNumber(text); }

QString invalidNumberText(const QString& value)
{
    return QStringLiteral("'%1' ไม่ใช่ตัวเลขที่ถูกต้อง").arg(value);
}

QString likeContaining(QString key)
{
    key.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    key.replace(QLatin1Char('%'), QLatin1String("\\%"));
    key.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + key + QLatin1Char('%');
}

int charCount(const QString& text) { return int(text.toUcs4().size()); }

bool isStagingId(const QString& id) { return id.compare(stagingId, Qt::CaseInsensitive) == 0; }

} // namespace data
