// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
class SettingsStore;
}
class QAction;
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
                  QAction* insertText);

    bool stayInTray() const;
    void setStayInTray(bool on);
    void setNumLockAlways(bool on);
    bool numLockAlways() const;
    QAction* mnuSystray() const { return m_stayInTray; }
    QAction* mnuNumLock() const { return m_numLock; }
    QAction* mnuVisivel() const { return m_alwaysOnTop; }
    void setAlwaysOnTop(bool on);

signals:
    // The user toggled staying in the notification area.
    void stayInTrayToggled(bool on);

private:
    void applyAlwaysOnTop(bool on);

    QWidget& m_window;
    QAction* m_stayInTray;
    QAction* m_numLock;
    QAction* m_alwaysOnTop;
};
