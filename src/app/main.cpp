#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "activation_return.h"
#include "app_picture.h"
#include "command_word.h"
#include "frm_start.h"
#include "frm_sys_tray.h"
#include "instance_channel.h"
#include "message_catalogue.h"
#include "settings_store.h"
#include "termination_signal.h"

int main(int argc, char* argv[])
{
    // Hot keys, NumLock and typed keys need X11: on a Wayland desktop the program runs through
    // XWayland whenever it is there, unless the user chose a platform himself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Numeret"));
    QCoreApplication::setApplicationName(QStringLiteral("Numeret"));
    QGuiApplication::setDesktopFileName(QStringLiteral("numerette"));
    QGuiApplication::setWindowIcon(appIcon());
    // The host decides when the process ends: a calculator closed to the notification area
    // leaves no window open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    numerette::ActivationReturn activationReturn;
    application.installEventFilter(&activationReturn);
    numerette::SetDocumentOpener(
        [](const QString& target) { return QDesktopServices::openUrl(QUrl::fromUserInput(target)); });

    const QString commandWord = numerette::commandWordFrom(QCoreApplication::arguments());
    numerette::LocalInstanceChannel channel;
    numerette::SettingsStore settings;
    frmSysTray host(commandWord, channel, settings);
    frmStart splash;
    host.setSplash(&splash);
    QObject::connect(&splash, &frmStart::hostDue, &host, &frmSysTray::load);
    QObject::connect(&host, &frmSysTray::unloaded, &application, &QCoreApplication::quit);
    // A session that ends, or a kill, closes the program as its Exit command does: the
    // calculation in progress and the settings are written first.
    numerette::TerminationSignal termination;
    QObject::connect(&termination, &numerette::TerminationSignal::requested, &host, &frmSysTray::unloadHost);
    if (numerette::showsSplash(commandWord))
        splash.show();
    return application.exec();
}
