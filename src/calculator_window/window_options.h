// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
class SettingsStore;
}
class QAction;
class QMenu;
class QWidget;

// The check marks of the "&Settings" menu that change how the window behaves: staying in
// the notification area on close (`mnuSystray`), NumLock always on (`mnuNumLock`) and
// always on top (`mnuVisivel`). A check set by the program takes effect at once; one the
// user toggles is also stored at once. Inserting text while calculating (`mnuInserir`)
// is stored here too.
class WindowOptions : public QObject {
    Q_OBJECT

public:
    WindowOptions(QWidget& window, numerette::Calculator& calculator, numerette::SettingsStore& settings,
                  QMenu* settingsMenu, QAction* insertText);

    bool stayInTray() const;
    void setStayInTray(bool on);
    void setNumLockAlways(bool on);
    bool numLockAlways() const;
    QAction* numLockItem() const { return m_numLock; }
    void setAlwaysOnTop(bool on);

signals:
    // The user toggled staying in the notification area.
    void stayInTrayToggled(bool on);

private:
    QAction* addOption(QMenu* menu, const QString& name, const QString& caption);
    void applyAlwaysOnTop(bool on);

    QWidget& m_window;
    QAction* m_stayInTray;
    QAction* m_numLock;
    QAction* m_alwaysOnTop;
};
