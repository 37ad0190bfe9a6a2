#include "window_host.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

namespace {

QString messageTitle()
{
    return QStringLiteral(" Numerette");
}

// Catalogue texts break lines with CR LF; a label wants plain line feeds.
QString shown(const QString& text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

QString WindowHost::weekdayName(QDate date) const
{
    return QLocale::system().dayName(date.dayOfWeek());
}

QString WindowHost::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

void WindowHost::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void WindowHost::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void WindowHost::closeWindow()
{
    if (m_window)
        m_window->close();
}

bool WindowHost::askYesNo(const QString& question)
{
    return QMessageBox::question(m_window, messageTitle(), shown(question), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

void WindowHost::showInformation(const QString& text)
{
    QMessageBox::information(m_window, messageTitle(), shown(text));
}

void WindowHost::storeSetting(const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("Numeret"), QStringLiteral("Numeret"));
    settings.beginGroup(QStringLiteral("Conf"));
    settings.setValue(key, value);
}
