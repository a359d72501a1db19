#include "ui/datepicker.h"

#include "data/values.h"

#include <QRegularExpression>

namespace ui {

QDate parseBuddhistDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt() - 543, m.captured(2).toInt(), m.captured(1).toInt());
}

DatePicker::DatePicker(const QString& name, QWidget* parent) : QDateEdit(parent)
{
    setObjectName(name);
    setDisplayFormat(QStringLiteral("d/M/yyyy"));
    setCalendarPopup(true);
    setDate(QDate::currentDate());
}

QString DatePicker::textFromDateTime(const QDateTime& dateTime) const
{
    return data::dateText(dateTime.date());
}

QDateTime DatePicker::dateTimeFromText(const QString& text) const
{
    const QDate d = parseBuddhistDate(text);
    return QDateTime(d.isValid() ? d : date(), QTime(0, 0));
}

QValidator::State DatePicker::validate(QString& input, int&) const
{
    if (parseBuddhistDate(input).isValid())
        return QValidator::Acceptable;
    static const QRegularExpression partial(QStringLiteral("^\\d{0,2}(/\\d{0,2}(/\\d{0,4})?)?$"));
    return partial.match(input).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

void DatePicker::fixup(QString& input) const
{
    if (!parseBuddhistDate(input).isValid())
        input = data::dateText(date());
}

} // namespace ui
