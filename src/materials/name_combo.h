#pragma once

#include <QComboBox>
#include <QStringList>

namespace data {
class Query;
}

namespace materials {

// An editable combo box of group or type names. The user types a name or picks one from
// the list, and changed() tells the window either way; filling the list or setting the
// text from code never does. There is no completion: the box holds what was typed.
class NameCombo : public QComboBox {
    Q_OBJECT
public:
    NameCombo(const QString& name, QWidget* parent);

    QString text() const { return currentText(); }
    void setText(const QString& text);
    // A new list; the text stays as it was.
    void setNames(const QStringList& names);
    // Empties the list and the text.
    void clearAll();
    // Puts back the text the box held before the user's last change, for a window that
    // refused the change.
    void revert();

signals:
    void changed();

private:
    void userChanged();

    QString m_last;
    bool m_reverted = false;
};

// Every value of the column in the rows of an open query, in their order; the first row
// is current again afterwards.
QStringList columnOf(data::Query& query, const QString& column);

} // namespace materials
