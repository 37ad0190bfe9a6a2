// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
}
class KeySounds;
class QAction;
class QWidget;
class TapeView;

// The commands that read or extend the calculation list without arithmetic: "&Edit"
// (`mnuEditar`, F2, checked in edit mode), "&Search Text or Number" (`mnuLocalizar`, F3),
// "&Group the Capitalization Totals" (`mnuAgrupar`, Ctrl+A) and "&Copy Calculator Display"
// (`mnuCopiar`, Ctrl+C). Their rules are the calculator's; this shows their messages and
// moves the focus.
class ListEditing : public QObject {
    Q_OBJECT

public:
    ListEditing(QWidget& window, numerette::Calculator& calculator, TapeView& tape, KeySounds& sounds);

    QAction* mnuEditar() const { return m_edit; }
    QAction* mnuLocalizar() const { return m_search; }
    QAction* mnuAgrupar() const { return m_group; }
    QAction* mnuCopiar() const { return m_copy; }

    void mnuEditar_Click();
    void mnuLocalizar_Click();
    void mnuAgrupar_Click();

private:
    QWidget& m_window;
    numerette::Calculator& m_calculator;
    TapeView& m_tape;
    KeySounds& m_sounds;
    QAction* m_edit;
    QAction* m_search;
    QAction* m_group;
    QAction* m_copy;
};
