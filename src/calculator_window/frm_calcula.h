#pragma once

#include <QMainWindow>

namespace numerette {
class Calculator;
}
class CalculatorMenus;
class DisplayRow;
class Keypad;
class TapeView;

// The calculator window: the calculation list on top, the display row, the keypad, and
// the menus. It renders the calculator's state and hands it every key and command; it
// keeps no state of its own.
class frmCalcula : public QMainWindow {
    Q_OBJECT

public:
    explicit frmCalcula(numerette::Calculator& calculator, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void render();

    numerette::Calculator& m_calculator;
    TapeView* m_tape;
    DisplayRow* m_displayRow;
    Keypad* m_keypad;
    CalculatorMenus* m_menus;
};
