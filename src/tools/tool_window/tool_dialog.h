// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDialog>

namespace numerette {

// The base of the tool windows: Enter in a field moves the focus to the next field as Tab
// does, Enter on a push button presses it, Esc closes the window, and the window can be kept
// above other windows. No button is a default button: Enter in a field never presses one.
class ToolDialog : public QDialog {
    Q_OBJECT

public:
    explicit ToolDialog(QWidget* parent = nullptr);

    // The `Visivel` setting: the window stays above other windows.
    void setStayOnTop(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// True when a window of the program other than this one and its own message boxes is
// active: the tool windows close then.
bool anotherWindowIsActive(const QWidget& window);

// Closes `window` once another window of the program becomes active. The window's own
// message and input boxes take the activation too; they do not close it, nor does anything
// while `mayClose` says no (a report being written, a message of its own on screen).
void closeWhenAnotherWindowIsActive(QDialog& window, std::function<bool()> mayClose = [] { return true; });

} // namespace numerette
