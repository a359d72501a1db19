#pragma once

#include "ui/services.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace testing {

// Records every box and answers confirmations and input boxes from a queue. A box that
// needs an answer nobody queued is recorded in unexpected, and the fixture's check fails.
class FakeMessages : public ui::MessageService {
public:
    enum class Kind { Info, Confirm, Input, Error };
    struct Box {
        Kind kind;
        QString text; // message, question, or caption|prompt|default of an input box
    };

    void answerYes() { m_answers.enqueue(QStringLiteral("\x01" "yes")); }
    void answerNo() { m_answers.enqueue(QStringLiteral("\x01" "no")); }
    void answerInput(const QString& text) { m_answers.enqueue(text); }
    void answerCancel() { m_answers.enqueue(QStringLiteral("\x01" "cancel")); }

    // The oldest box not yet taken, if it is of that kind; otherwise a text describing
    // what stood there instead, so a comparison fails and shows it.
    QString takeInfo() { return take(Kind::Info); }
    QString takeConfirm() { return take(Kind::Confirm); }
    QString takeInput() { return take(Kind::Input); }
    QString takeError() { return take(Kind::Error); }

    // Boxes shown and not taken, and boxes that found no queued answer, as text.
    QStringList leftOver() const;
    int pendingAnswers() const { return int(m_answers.size()); }
    void reset();

    void info(const QString& text) override;
    bool confirm(const QString& question) override;
    QString input(const QString& caption, const QString& prompt,
                  const QString& defaultText) override;
    void error(const QString& text) override;

private:
    QString take(Kind kind);

    QList<Box> m_boxes;
    QQueue<QString> m_answers;
    QStringList m_unexpected;
};

// Shows a window without a nested event loop, so the test can act on it and close it.
class FakeModal : public ui::ModalService {
public:
    int show(QDialog* window) override;
    QStringList shown; // object names, in order
};

// Copies at once, or answers with the result a test set.
class FakeFiles : public ui::FileCopyService {
public:
    Result copy(const QString& from, const QString& to, QString* error) override;
    struct Call {
        QString from, to;
    };
    QList<Call> calls;
    Result next = Result::Copied;
    QString failure = QStringLiteral("copy failed");
};

} // namespace testing
