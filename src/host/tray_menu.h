// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

// The notification-area menu `mnu0`: show the calculator (the default item, in bold), the
// donation page, the Tools submenu `mnuUtil` (alarm entries, timed shutdown, menu shortcut)
// and Exit. Items carry their names as object names. The menus belong to this object.
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
    void mnuSystray_Click();
    void mnuReg_Click();
    void mnuAlarme_Click(qsizetype index);
    void mnuDesligar_Click();
    void mnuAtalho_Click();
    void mnuSair_Click();

private:
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);

    QMenu* m_mnu0;
    QMenu* m_mnuUtil;
    QList<QAction*> m_mnuAlarme;
    // Null until built: the first alarm entry goes in before it.
    QAction* m_mnuDesligar = nullptr;
};
