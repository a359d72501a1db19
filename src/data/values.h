#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace data {

// Amount in the shortest form with at most 15 significant digits, "." as the point,
// no thousands separator (1070, 237.5, 1e+15).
QString amountText(double value);
// The empty value of an amount box.
inline const QString zeroAmountText = QStringLiteral("0.00");

// d/M/yyyy in the Buddhist Era: 2026-12-11 shows 11/12/2569.
QString dateText(const QDate& date);
// ISO yyyy-MM-dd, the stored form of a date.
QString isoDate(const QDate& date);
QDate fromIsoDate(const QString& text);
// Whether a column of the schema holds a date.
bool isDateColumn(const QString& field);
// A stored value as a user sees it: amounts and dates in their forms, the rest as text.
QString displayText(const QVariant& value, const QString& field);

// Whole number: an optional sign and digits. Throws InvalidNumber otherwise.
qint64 wholeNumber(const QString& text);
// Decimal with "." as the point. Throws InvalidNumber otherwise.
double decimalNumber(const QString& text);
// As decimalNumber, but an empty text is 0.
double amountOrZero(const QString& text);
// The text the invalid-number box shows for a value.
QString invalidNumberText(const QString& value);

// The pattern of `column LIKE ? ESCAPE '\'` that finds a keyword anywhere, as typed:
// % and _ in the keyword are no wildcards.
QString likeContaining(QString key);

// Characters as the office counts them: every consonant, vowel sign and tone mark is one.
int charCount(const QString& text);

// Whether a typed document id is the staging id "tmp", in any letter case.
bool isStagingId(const QString& id);
inline const QString stagingId = QStringLiteral("tmp");

} // namespace data
