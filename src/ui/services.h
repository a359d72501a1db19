#pragma once

#include <QString>

class QDialog;

namespace ui {

// The three kinds of message box and the error box. Only Yes of a confirmation
// proceeds; Cancel of an input box gives its default text.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void info(const QString& text) = 0;
    virtual bool confirm(const QString& question) = 0;
    virtual QString input(const QString& caption, const QString& prompt,
                          const QString& defaultText) = 0;
    virtual void error(const QString& text) = 0;
};

// Shows a window modally: the opener waits until it is closed.
class ModalService {
public:
    virtual ~ModalService() = default;
    virtual int show(QDialog* window) = 0;
};

// Copies a file into place with progress, asking before it replaces one.
class FileCopyService {
public:
    enum class Result { Copied, Aborted, Failed };
    virtual ~FileCopyService() = default;
    virtual Result copy(const QString& from, const QString& to, QString* error) = 0;
};

// The question asked before a record of a register is deleted.
inline QString deleteQuestion(const QString& name)
{
    return QStringLiteral("ต้องการลบ ") + name + QStringLiteral(" ออกจากฐานข้อมูล");
}

// The services of the running program: QMessageBox, QInputDialog, exec().
class QtMessageService : public MessageService {
public:
    void info(const QString& text) override;
    bool confirm(const QString& question) override;
    QString input(const QString& caption, const QString& prompt,
                  const QString& defaultText) override;
    void error(const QString& text) override;
};

class QtModalService : public ModalService {
public:
    int show(QDialog* window) override;
};

class QtFileCopyService : public FileCopyService {
public:
    Result copy(const QString& from, const QString& to, QString* error) override;
};

} // namespace ui
