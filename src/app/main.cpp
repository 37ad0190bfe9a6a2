// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "accessible_program.h"
#include "activation_return.h"
#include "app_picture.h"
#include "command_line.h"
#include "command_word.h"
#include "display_platform.h"
#include "frm_start.h"
#include "frm_sys_tray.h"
#include "instance_channel.h"
#include "languages.h"
#include "message_catalogue.h"
#include "program_version.h"
#include "settings_store.h"
#include "termination_signal.h"

namespace {

int printAndEnd(std::FILE* stream, const QString& text, int status)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before anything starts: --help and --version need no display and leave a running
    // instance alone.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    using Action = numerette::StartupCommandLine::Action;
    numerette::StartupCommandLine commandLine = numerette::parseStartupCommandLine(arguments);
    if (commandLine.action == Action::ShowHelp || commandLine.action == Action::UsageError) {
        // Help and usage errors speak the user's language, without needing a display; an
        // ordinary start reads the same words without the translations it loads below.
        const QCoreApplication reader(argc, argv);
        numerette::installTranslations();
        commandLine = numerette::parseStartupCommandLine(arguments);
    }
    switch (commandLine.action) {
    case Action::ShowHelp:
        return printAndEnd(stdout, commandLine.text, 0);
    case Action::ShowVersion:
        return printAndEnd(stdout, numerette::versionNotice(QStringLiteral("numerette")), 0);
    case Action::UsageError:
        return printAndEnd(stderr, commandLine.text, 2);
    case Action::Start:
        break;
    }

    // Chosen before the application object exists: Qt aborts when no platform plugin starts.
    const std::optional<QString> platform = numerette::displayPlatform(numerette::DisplayEnvironment::current());
    if (!platform) {
        const QCoreApplication reporter(argc, argv);
        numerette::installTranslations();
        const QString text = numerette::noDisplayText();
        numerette::notifyNoDisplay(text);
        return printAndEnd(stderr, text, 1);
    }
    qputenv("QT_QPA_PLATFORM", platform->toLocal8Bit());
    QApplication application(argc, argv);
    numerette::installTranslations();
    QCoreApplication::setOrganizationName(QStringLiteral("Numeret"));
    QCoreApplication::setApplicationName(QStringLiteral("Numeret"));
    QCoreApplication::setApplicationVersion(numerette::programVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("numerette"));
    // The settings and data keep the old name above; the user hears the program's own.
    numerette::announceProgramAs(QStringLiteral("Numerette"));
    QGuiApplication::setWindowIcon(appIcon());
    // The host decides when the process ends: a calculator closed to the notification area
    // leaves no window open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    numerette::ActivationReturn activationReturn;
    application.installEventFilter(&activationReturn);
    numerette::SetDocumentOpener(
        [](const QString& target) { return QDesktopServices::openUrl(QUrl::fromUserInput(target)); });

    const QString& commandWord = commandLine.commandWord;
    numerette::LocalInstanceChannel channel;
    numerette::SettingsStore settings;
    frmSysTray host(commandWord, channel, settings);
    host.setPressedKey(commandLine.pressedKey);
    frmStart splash;
    host.setSplash(&splash);
    QObject::connect(&splash, &frmStart::hostDue, &host, &frmSysTray::load);
    // The calculator is built while the splash shows, once the splash is on screen.
    QObject::connect(&splash, &frmStart::painted, &host, &frmSysTray::prepare, Qt::QueuedConnection);
    QObject::connect(&host, &frmSysTray::unloaded, &application, &QCoreApplication::quit);
    // A session that ends, or a kill, closes the program as its Exit command does: the
    // calculation in progress and the settings are written first.
    numerette::TerminationSignal termination;
    QObject::connect(&termination, &numerette::TerminationSignal::requested, &host, &frmSysTray::unloadHost);
    // A key pressed from a desktop shortcut goes mostly to a running calculator: no splash.
    if (numerette::showsSplash(commandWord) && commandLine.pressedKey.isEmpty())
        splash.show();
    return application.exec();
}
