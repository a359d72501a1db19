#include "fakes.h"

#include <QDialog>
#include <QFile>

namespace testing {

namespace {
QString kindName(FakeMessages::Kind k)
{
    switch (k) {
    case FakeMessages::Kind::Info: return QStringLiteral("info");
    case FakeMessages::Kind::Confirm: return QStringLiteral("confirm");
    case FakeMessages::Kind::Input: return QStringLiteral("input");
    case FakeMessages::Kind::Error: return QStringLiteral("error");
    }
    return {};
}
} // namespace

QString FakeMessages::take(Kind kind)
{
    if (m_boxes.isEmpty())
        return QStringLiteral("<no box shown>");
    const Box b = m_boxes.takeFirst();
    if (b.kind != kind)
        return QStringLiteral("<%1 box: %2>").arg(kindName(b.kind), b.text);
    return b.text;
}

QStringList FakeMessages::leftOver() const
{
    QStringList out = m_unexpected;
    for (const Box& b : m_boxes)
        out << QStringLiteral("%1 box not checked: %2").arg(kindName(b.kind), b.text);
    for (const QString& a : m_answers)
        out << QStringLiteral("answer not used: %1").arg(a);
    return out;
}

void FakeMessages::reset()
{
    m_boxes.clear();
    m_answers.clear();
    m_unexpected.clear();
}

void FakeMessages::info(const QString& text) { m_boxes << Box{Kind::Info, text}; }

void FakeMessages::error(const QString& text) { m_boxes << Box{Kind::Error, text}; }

bool FakeMessages::confirm(const QString& question)
{
    m_boxes << Box{Kind::Confirm, question};
    if (m_answers.isEmpty()) {
        m_unexpected << QStringLiteral("confirmation nobody answered: ") + question;
        return false;
    }
    const QString a = m_answers.dequeue();
    if (a != QLatin1String("\x01" "yes") && a != QLatin1String("\x01" "no"))
        m_unexpected << QStringLiteral("confirmation answered with text: ") + question;
    return a == QLatin1String("\x01" "yes");
}

QString FakeMessages::input(const QString& caption, const QString& prompt,
                            const QString& defaultText)
{
    m_boxes << Box{Kind::Input, caption + QLatin1Char('|') + prompt + QLatin1Char('|') + defaultText};
    if (m_answers.isEmpty()) {
        m_unexpected << QStringLiteral("input box nobody answered: ") + caption;
        return defaultText;
    }
    const QString a = m_answers.dequeue();
    if (a == QLatin1String("\x01" "cancel"))
        return defaultText;
    if (a.startsWith(QLatin1Char('\x01')))
        m_unexpected << QStringLiteral("input box answered Yes/No: ") + caption;
    return a;
}

int FakeModal::show(QDialog* window)
{
    shown << window->objectName();
    window->show();
    return 0;
}

FakeFiles::Result FakeFiles::copy(const QString& from, const QString& to, QString* error)
{
    calls << Call{from, to};
    if (next == Result::Failed)
        *error = failure;
    if (next != Result::Copied)
        return next;
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        *error = failure;
        return Result::Failed;
    }
    return Result::Copied;
}

} // namespace testing
