// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace numerette {

class Calculator;

// One action's changes to what the calculator shows, reported once. While a batch is open
// the calculator only notes that its view changed; when the outermost batch closes it emits
// viewChanged once, if anything changed, and the window renders once. Every public entry of
// the calculator that changes what it shows opens one; a caller that runs several entries as
// one action (a typed key's key-down, character and entry steps; a hot key's press and
// release; a copied column) opens one around them.
class ChangeBatch {
public:
    explicit ChangeBatch(Calculator& calculator);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    Calculator& m_calculator;
};

// While a dialog shows over the calculator's window, also in the middle of an action, the
// batches open when it showed are set aside: the change they hold is reported at once, so the
// window behind the dialog shows the action as it stands so far, and what runs while the
// dialog is open (its own answer, a hot key, the clipboard monitor) is reported once per
// action of its own, as if no batch were open.
class ChangeBatchesSetAside {
public:
    explicit ChangeBatchesSetAside(Calculator& calculator);
    ~ChangeBatchesSetAside();
    ChangeBatchesSetAside(const ChangeBatchesSetAside&) = delete;
    ChangeBatchesSetAside& operator=(const ChangeBatchesSetAside&) = delete;

private:
    Calculator& m_calculator;
    int m_setAsideBefore;
};

} // namespace numerette
