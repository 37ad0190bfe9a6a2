// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace numerette {
class Calculator;
class TypedCalculations;
}
class QAction;
class QPlainTextEdit;
class QWidget;

// "Co&rrect Item..." (`mnuCorrigir`, F10, in "Calculation &List" and in the tape's context
// menu on an item line): the item on the tape's caret line, or on the line right-clicked,
// can be corrected in a dialog; the calculation is then typed again with the correction and
// appended to the list. A calculation that cannot be replayed as typed is refused with a
// message, and nothing changes. The keys each calculation was typed with are kept beside
// the state file, so that the calculations restored after a restart can be corrected too.
class CorrectionCommand : public QObject {
    Q_OBJECT

public:
    // `hostTag` names the calculator's state file (1 main, 2 secondary), beside which its
    // typing history is kept.
    CorrectionCommand(QWidget& window, numerette::Calculator& calculator, QPlainTextEdit& tape, int hostTag);
    ~CorrectionCommand() override;

    QAction* mnuCorrigir() const { return m_correct; }

    void mnuCorrigir_Click();
    // The command for the line holding a list position.
    void correctAt(qsizetype listPosition);

private:
    void showTapeMenu(const QPoint& at);
    qsizetype caretListPosition() const;
    void takeBackHistory();
    void keepHistory();

    QWidget& m_window;
    numerette::Calculator& m_calculator;
    QPlainTextEdit& m_tape;
    numerette::TypedCalculations* m_history;
    QAction* m_correct;
    QString m_historyPath;
    QMetaObject::Connection m_restored;
};
