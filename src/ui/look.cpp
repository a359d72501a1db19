#include "ui/look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace ui {

void applyOfficeLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationDisplayName(QStringLiteral("ระบบบริหารงานพัสดุสำหรับหน่วยราชการ"));
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Loma", "Garuda", "Norasi"}) {
        if (families.contains(QLatin1String(family))) {
            QFont font{QString::fromLatin1(family)};
            font.setPointSize(10);
            QApplication::setFont(font);
            break;
        }
    }
}

} // namespace ui
