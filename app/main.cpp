#include "app/errorbox.h"
#include "app/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("kelvane.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));

    kelvane::ErrorBox errorBox;
    kelvane::TForm1 form1(errorBox);
    form1.show();
    return app.exec();
}
