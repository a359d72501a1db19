#pragma once

#include <QDateEdit>

namespace ui {

// A date picker that shows and takes dates as the office writes them: d/M/yyyy in the
// Buddhist Era (11/12/2569 for 2026-12-11), with a calendar to pick from.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const QString& name, QWidget* parent);

protected:
    QString textFromDateTime(const QDateTime& dateTime) const override;
    QDateTime dateTimeFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// d/M/yyyy in the Buddhist Era to a date; invalid when the text is not one.
QDate parseBuddhistDate(const QString& text);

} // namespace ui
