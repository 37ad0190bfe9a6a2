// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
}
class KeySounds;
class QAction;
class QMenu;
class QWidget;
class TapeView;

// The commands that read or extend the calculation list without arithmetic: in
// "Calculation &List" "&Edit" (`mnuEditar`, F2, checked in edit mode), "&Search Text or
// Number" (`mnuLocalizar`, F3) and "&Group the Capitalization Totals" (`mnuAgrupar`,
// Ctrl+A), around the clear command; in "&Options" "&Copy Calculator Display"
// (`mnuCopiar`, Ctrl+C) after redo. Their rules are the calculator's; this shows their
// messages and moves the focus.
class ListEditing : public QObject {
    Q_OBJECT

public:
    ListEditing(QWidget& window, numerette::Calculator& calculator, TapeView& tape, KeySounds& sounds,
                QMenu* listMenu, QMenu* optionsMenu);

    void mnuEditar_Click();
    void mnuLocalizar_Click();
    void mnuAgrupar_Click();

private:
    QWidget& m_window;
    numerette::Calculator& m_calculator;
    TapeView& m_tape;
    KeySounds& m_sounds;
    QAction* m_edit;
};
