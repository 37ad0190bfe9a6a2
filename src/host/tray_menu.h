// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

// The notification-area menu `mnu0`: show the calculator (the default item, in bold), the
// donation page, the Tools submenu `mnuUtil` (alarm entries, timed shutdown, menu shortcut)
// and Exit, each declared in order in one function of tray_menu.cpp. Items carry their names
// as object names, and tell what the user chose by a signal; the host and the schedule
// commands act on it. The menus belong to this object.
class TrayMenu : public QObject {
    Q_OBJECT

public:
    explicit TrayMenu(QObject* parent = nullptr);
    ~TrayMenu() override;

    QMenu* mnu0() const { return m_mnu0; }
    QMenu* mnuUtil() const { return m_mnuUtil; }

    // The alarm entries `mnuAlarme`, one below the other; entry 0 exists from the start.
    qsizetype alarmEntryCount() const { return m_mnuAlarme.size(); }
    QAction* mnuAlarme(qsizetype index) const { return m_mnuAlarme.at(index); }
    void addAlarmEntry();
    // Checked with the set caption, or unchecked with the caption of an unset entry.
    void showAlarmEntry(qsizetype index, bool set, const QString& captionTime);
    void showShutdown(bool set, const QString& captionTime);

signals:
    // `mnuSystray`.
    void showCalculatorRequested();
    // `mnuReg`.
    void donationRequested();
    // The alarm entry `index` of `mnuAlarme`: set, or cancel, that alarm.
    void alarmRequested(qsizetype index);
    // `mnuDesligar`: set, or cancel, the timed shutdown.
    void shutdownRequested();
    // `mnuAtalho`: the program's entry in the desktop's applications menu.
    void menuShortcutRequested();
    // `mnuSair`.
    void exitRequested();

private:
    void buildMnu0();
    void buildMnuUtil();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);

    QMenu* m_mnu0;
    QMenu* m_mnuUtil;
    QList<QAction*> m_mnuAlarme;
    // Null until built: the first alarm entry goes in before it.
    QAction* m_mnuDesligar = nullptr;
};
