#include "app/main_unit.h"
#include "app/startup.h"
#include "data/database.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::applyOfficeLook();

    ui::QtMessageService messages;
    ui::QtModalService modal;
    ui::QtFileCopyService files;
    ui::App app(data::defaultDatabasePath(), messages, modal, files);
    if (!app.openDatabase()) {
        messages.error(app.databaseError());
        return 1;
    }
    app::Tmain_frm* main = app::createWindows(app);
    main->show();
    if (QWidget* login = app.window(QStringLiteral("login_frm"))) {
        login->raise();
        login->activateWindow();
    }
    return application.exec();
}
