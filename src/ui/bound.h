#pragma once

#include "data/listquery.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace ui {

class App;

// A box showing one field of a list query's current row. Read-only, unless a window
// edits the row in place: then edited() tells whether the user changed it since it was
// last loaded.
class BoundEdit : public QLineEdit {
    Q_OBJECT
public:
    BoundEdit(const QString& name, data::ListQuery* query, const QString& field, QWidget* parent);
    void setEditable(bool editable);
    bool edited() const { return m_edited; }
    void load();
    const QString& field() const { return m_field; }

private:
    data::ListQuery* m_query;
    QString m_field;
    bool m_edited = false;
};

class BoundLabel : public QLabel {
    Q_OBJECT
public:
    BoundLabel(const QString& name, data::ListQuery* query, const QString& field, QWidget* parent);
    void load();

private:
    data::ListQuery* m_query;
    QString m_field;
};

class BoundMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    BoundMemo(const QString& name, data::ListQuery* query, const QString& field, QWidget* parent);
    void load();

private:
    data::ListQuery* m_query;
    QString m_field;
};

// First, prior, next, last and refresh over a list query.
class Navigator : public QWidget {
    Q_OBJECT
public:
    Navigator(const QString& name, data::ListQuery* query, App& app, QWidget* parent);
};

} // namespace ui
