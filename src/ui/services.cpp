#include "ui/services.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>

namespace ui {

namespace {

QWidget* boxParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

QString boxCaption() { return QApplication::applicationDisplayName(); }

} // namespace

void QtMessageService::info(const QString& text)
{
    QMessageBox::information(boxParent(), boxCaption(), text);
}

bool QtMessageService::confirm(const QString& question)
{
    return QMessageBox::question(boxParent(), boxCaption(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString QtMessageService::input(const QString& caption, const QString& prompt,
                                const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(boxParent(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

void QtMessageService::error(const QString& text)
{
    QMessageBox::critical(boxParent(), boxCaption(), text);
}

int QtModalService::show(QDialog* window) { return window->exec(); }

FileCopyService::Result QtFileCopyService::copy(const QString& from, const QString& to,
                                                QString* error)
{
    if (QFileInfo::exists(to) &&
        QMessageBox::question(boxParent(), boxCaption(),
                              QStringLiteral("มีแฟ้ม %1 อยู่แล้ว ต้องการเขียนทับหรือไม่").arg(to),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return Result::Aborted;

    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return Result::Failed;
    }
    // QSaveFile writes beside the target and moves over it at commit, so an aborted or
    // failed copy never leaves a broken file under the target's name.
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return Result::Failed;
    }
    const qint64 total = qMax<qint64>(in.size(), 1);
    QProgressDialog progress(QStringLiteral("กำลังคัดลอก %1").arg(QFileInfo(from).fileName()),
                             QStringLiteral("ยกเลิก"), 0, 1000, boxParent());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    qint64 done = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if ((chunk.isEmpty() && in.error() != QFile::NoError) ||
            out.write(chunk) != chunk.size()) {
            *error = in.error() != QFile::NoError ? in.errorString() : out.errorString();
            out.cancelWriting();
            return Result::Failed;
        }
        done += chunk.size();
        progress.setValue(int(done * 1000 / total));
        if (progress.wasCanceled()) {
            out.cancelWriting();
            return Result::Aborted;
        }
    }
    if (!out.commit()) {
        *error = out.errorString();
        return Result::Failed;
    }
    return Result::Copied;
}

} // namespace ui
