#include "ui/bound.h"

#include "data/values.h"
#include "ui/app.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace ui {

namespace {
QString shown(const data::ListQuery* q, const QString& field)
{
    return data::displayText(q->value(field), field);
}
} // namespace

BoundEdit::BoundEdit(const QString& name, data::ListQuery* query, const QString& field,
                     QWidget* parent)
    : QLineEdit(parent), m_query(query), m_field(field)
{
    setObjectName(name);
    setReadOnly(true);
    connect(query, &data::ListQuery::currentChanged, this, &BoundEdit::load);
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    load();
}

void BoundEdit::setEditable(bool editable) { setReadOnly(!editable); }

void BoundEdit::load()
{
    setText(shown(m_query, m_field));
    setCursorPosition(0);
    m_edited = false;
}

BoundLabel::BoundLabel(const QString& name, data::ListQuery* query, const QString& field,
                       QWidget* parent)
    : QLabel(parent), m_query(query), m_field(field)
{
    setObjectName(name);
    connect(query, &data::ListQuery::currentChanged, this, &BoundLabel::load);
    load();
}

void BoundLabel::load() { setText(shown(m_query, m_field)); }

BoundMemo::BoundMemo(const QString& name, data::ListQuery* query, const QString& field,
                     QWidget* parent)
    : QPlainTextEdit(parent), m_query(query), m_field(field)
{
    setObjectName(name);
    setReadOnly(true);
    connect(query, &data::ListQuery::currentChanged, this, &BoundMemo::load);
    load();
}

void BoundMemo::load() { setPlainText(shown(m_query, m_field)); }

Navigator::Navigator(const QString& name, data::ListQuery* query, App& app, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    struct Step {
        const char* name;
        QStyle::StandardPixmap icon;
        QString tip;
        std::function<void()> act;
    };
    const QList<Step> steps{
        {"first", QStyle::SP_MediaSkipBackward, QStringLiteral("รายการแรก"), [query] { query->first(); }},
        {"prior", QStyle::SP_MediaSeekBackward, QStringLiteral("รายการก่อนหน้า"), [query] { query->prior(); }},
        {"next", QStyle::SP_MediaSeekForward, QStringLiteral("รายการถัดไป"), [query] { query->next(); }},
        {"last", QStyle::SP_MediaSkipForward, QStringLiteral("รายการสุดท้าย"), [query] { query->last(); }},
        {"refresh", QStyle::SP_BrowserReload, QStringLiteral("ปรับปรุงข้อมูล"),
         [query] {
             if (query->isOpen())
                 query->reopen();
         }},
    };
    for (const Step& s : steps) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(s.name));
        b->setIcon(style()->standardIcon(s.icon));
        b->setToolTip(s.tip);
        b->setAutoRaise(false);
        const auto act = s.act;
        connect(b, &QToolButton::clicked, this, [&app, act] { app.handle(act); });
        row->addWidget(b);
    }
    row->addStretch();
}

} // namespace ui
