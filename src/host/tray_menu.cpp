// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray_menu.h"

#include <QAction>
#include <QMenu>

#include "message_catalogue.h"

using numerette::LoadMessage;
using numerette::Message;

TrayMenu::TrayMenu(QObject* parent)
    : QObject(parent)
    , m_mnu0(new QMenu(QStringLiteral("#")))
    //: Submenu of the notification-area menu; the & marks its access key.
    , m_mnuUtil(new QMenu(tr("Tool&s")))
{
    m_mnu0->setObjectName(QStringLiteral("mnu0"));
    m_mnuUtil->setObjectName(QStringLiteral("mnuUtil"));
    buildMnu0();
    buildMnuUtil();
}

void TrayMenu::buildMnu0()
{
    //: Default item of the notification-area menu. The blanks and "Ctrl+Shift+C" show the global
    //: key that also brings the calculator up: keep the key as it is, only the words change.
    QAction* show = addItem(m_mnu0, QStringLiteral("mnuSystray"), tr("Show Numerette    Ctrl+Shift+C"));
    QFont bold = show->font();
    bold.setBold(true);
    show->setFont(bold);
    m_mnu0->setDefaultAction(show);
    connect(show, &QAction::triggered, this, &TrayMenu::showCalculatorRequested);
    m_mnu0->addSeparator();
    //: Opens the donation page in the web browser.
    connect(addItem(m_mnu0, QStringLiteral("mnuReg"), tr("Make a Donation -- Help Too!")), &QAction::triggered, this,
            &TrayMenu::donationRequested);
    m_mnu0->addMenu(m_mnuUtil)->setObjectName(QStringLiteral("mnuUtilItem"));
    m_mnu0->addSeparator();
    //: Ends the program, notification-area icon and all.
    connect(addItem(m_mnu0, QStringLiteral("mnuSair"), tr("Exit")), &QAction::triggered, this,
            &TrayMenu::exitRequested);
}

// The alarm entries come first, one more each time the last one is set (addAlarmEntry).
void TrayMenu::buildMnuUtil()
{
    addAlarmEntry();
    m_mnuDesligar = addItem(m_mnuUtil, QStringLiteral("mnuDesligar"), LoadMessage(Message::ShutdownTitle).trimmed());
    m_mnuDesligar->setCheckable(true);
    connect(m_mnuDesligar, &QAction::triggered, this, [this] {
        // The check mark follows the schedule, not the click.
        m_mnuDesligar->setChecked(!m_mnuDesligar->isChecked());
        emit shutdownRequested();
    });
    m_mnuUtil->addSeparator();
    //: Writes a menu entry for the program into the desktop's applications menu.
    connect(addItem(m_mnuUtil, QStringLiteral("mnuAtalho"), tr("Create Shortcut under Start Menu")),
            &QAction::triggered, this, &TrayMenu::menuShortcutRequested);
}

// The menus have no parent widget: the notification area and the calculator pop them up.
TrayMenu::~TrayMenu()
{
    delete m_mnu0;
    delete m_mnuUtil;
}

QAction* TrayMenu::addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* item = new QAction(caption, menu);
    item->setObjectName(name);
    menu->addAction(item);
    return item;
}

void TrayMenu::addAlarmEntry()
{
    const qsizetype index = m_mnuAlarme.size();
    QAction* entry = new QAction(LoadMessage(Message::AlarmTitle).trimmed(), m_mnuUtil);
    entry->setObjectName(QStringLiteral("mnuAlarme"));
    entry->setData(index);
    entry->setCheckable(true);
    // Below the last entry, above the shutdown item.
    m_mnuUtil->insertAction(m_mnuDesligar, entry);
    m_mnuAlarme.append(entry);
    connect(entry, &QAction::triggered, this, [this, entry, index] {
        entry->setChecked(!entry->isChecked());
        emit alarmRequested(index);
    });
}

void TrayMenu::showAlarmEntry(qsizetype index, bool set, const QString& captionTime)
{
    QAction* entry = m_mnuAlarme.at(index);
    entry->setChecked(set);
    entry->setText(set ? LoadMessage(Message::AlarmSetCaption, captionTime) : LoadMessage(Message::AlarmTitle).trimmed());
}

void TrayMenu::showShutdown(bool set, const QString& captionTime)
{
    m_mnuDesligar->setChecked(set);
    m_mnuDesligar->setText(set ? LoadMessage(Message::ShutdownSetCaption, captionTime) : LoadMessage(Message::ShutdownTitle).trimmed());
}
