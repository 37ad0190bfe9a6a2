// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace numerette {

// What the calculator needs from the world around it: the window, the clipboard, the
// clock and the user's answers. The window implements it; tests and the headless tape
// use their own. Every effect has a harmless default.
class CalculatorHost {
public:
    virtual ~CalculatorHost() = default;

    virtual QDate today() const { return QDate::currentDate(); }
    // The date header's weekday: a three-letter abbreviation in the user's language.
    virtual QString weekdayName(QDate date) const;

    virtual QString clipboardText() const { return {}; }
    virtual void setClipboardText(const QString&) { }
    virtual void clearClipboard() { }

    // Esc: the window closes (and decides whether the process parks in the tray).
    virtual void closeWindow() { }
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString&) { return false; }
    virtual void showInformation(const QString&) { }
    // Written to the settings store when the user changes a setting in a visible window.
    virtual void storeSetting(const QString&, const QString&) { }
    // Keeps a copy of the list before the clear-list command wipes it.
    virtual void backUpList(const QString&) { }
};

} // namespace numerette
