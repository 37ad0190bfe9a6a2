// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace numerette {

// What the calculator needs from the world around it: the window, the clipboard, the
// clock and the user's answers. The window implements it; tests and the headless tape
// use their own. Every effect has a harmless default.
class CalculatorPort {
public:
    virtual ~CalculatorPort() = default;

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
    // The user's choices the window keeps in its settings: the number format (its menu
    // index) and whether Enter adds.
    virtual void storeNumberFormat(int) { }
    virtual void storeAddOnEnter(bool) { }
    // Keeps a copy of the list before the clear-list command wipes it, when the user wants
    // one; false when that copy could not be made, and the list then stays.
    virtual bool backUpList(const QString&) { return true; }
    // Keeps a copy of a full list the user chose to erase, whatever the backup setting;
    // false when no copy could be made, and the list then stays.
    virtual bool keepErasedList(const QString& list) { return backUpList(list); }
};

} // namespace numerette
