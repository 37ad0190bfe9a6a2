#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "calculator.h"
#include "frm_calcula.h"
#include "message_catalogue.h"
#include "system_locale.h"
#include "window_host.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Numeret"));
    QCoreApplication::setApplicationName(QStringLiteral("Numeret"));
    QGuiApplication::setDesktopFileName(QStringLiteral("numerette"));
    numerette::SetDocumentOpener(
        [](const QString& target) { return QDesktopServices::openUrl(QUrl::fromUserInput(target)); });

    WindowHost host;
    numerette::Calculator calculator(host);
    calculator.setNumberLocale(numerette::system_locale::numberLocale());
    calculator.setDateOrder(numerette::system_locale::dateOrder());
    frmCalcula window(calculator);
    host.attach(&window);
    window.show();
    return application.exec();
}
