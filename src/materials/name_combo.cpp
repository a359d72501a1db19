#include "materials/name_combo.h"

#include "data/query.h"

#include <QLineEdit>

namespace materials {

NameCombo::NameCombo(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(20);
    connect(lineEdit(), &QLineEdit::textEdited, this, &NameCombo::userChanged);
    connect(this, &QComboBox::textActivated, this, &NameCombo::userChanged);
}

void NameCombo::setText(const QString& text)
{
    // The current item is the one the text names, so that leaving the box, which
    // activates the item its text names, finds nothing to change.
    setCurrentIndex(findText(text));
    setEditText(text);
    lineEdit()->setCursorPosition(0);
    m_last = text;
}

void NameCombo::setNames(const QStringList& names)
{
    const QString keep = currentText();
    clear();
    addItems(names);
    setText(keep);
}

void NameCombo::clearAll()
{
    clear();
    setText(QString());
}

void NameCombo::revert()
{
    m_reverted = true;
    setText(m_last);
}

void NameCombo::userChanged()
{
    m_reverted = false;
    emit changed();
    if (!m_reverted)
        m_last = currentText();
}

QStringList columnOf(data::Query& query, const QString& column)
{
    QStringList out;
    for (bool row = query.first(); row; row = query.next())
        out << query.field(column);
    query.first();
    return out;
}

} // namespace materials
