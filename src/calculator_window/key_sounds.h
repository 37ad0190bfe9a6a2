// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QObject>

namespace numerette {
class CalculatorState;
class MidiOut;
class SettingsStore;
enum class SoundMode;
}
class QAction;
class QMenu;
class QWidget;

// The "&Settings" submenu "Soun&d when Typing" (`mnuSomEscolher`) and the sounds it
// chooses: none (`mnuSemSom`), one high note for every key (`mnuBeep`, Ctrl+B), or a note
// per key on an instrument of the user's choice, the keyboard laid out like a piano
// (`mnuSom`, Ctrl+U). The notes play on the fourth MIDI channel, velocity 120, from MIDI
// note 36 upwards. The mode is stored in `Sons` and the instrument in `Instrumento` when
// the user chooses them in the shown window.
//
// A held key plays its note once, however often it repeats; releasing it stops the note.
// A key-up that a dialog swallows would leave the note hanging, so the window stops it
// whenever it loses the focus (which every dialog of the calculator takes).
class KeySounds : public QObject {
    Q_OBJECT

public:
    KeySounds(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings,
              numerette::MidiOut& midi);

    QMenu* mnuSomEscolher() const { return m_menu; }
    QAction* mnuSemSom() const { return m_none; }
    QAction* mnuBeep() const { return m_beep; }
    QAction* mnuSom() const { return m_musical; }

    // The window's load: the stored mode, without a question or a message (also when the
    // window is shown by then).
    void applyStoredMode();
    // The window's close: the device is closed until the next load.
    void closeDevice();
    // After the window's own handling of a key going down (repeats included) or up, with
    // its virtual key code. Ignored while the window is minimized, maximized or parked.
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    // Stops the note that sounds.
    void silence();

private:
    void mnuSemSom_Click();
    void mnuBeep_Click();
    void mnuSom_Click();
    bool openDevice();
    void outputLost();
    std::optional<int> askInstrument();
    QAction* addItem(const QString& name, const QString& caption, void (KeySounds::*command)());
    void renderChecks();
    bool takesKeys() const;
    bool shownToUser() const;
    void noteOff(int index);

    QWidget& m_window;
    const numerette::CalculatorState& m_calculator;
    numerette::SettingsStore& m_settings;
    numerette::MidiOut& m_midi;
    QMenu* m_menu;
    QAction* m_none = nullptr;
    QAction* m_beep = nullptr;
    QAction* m_musical = nullptr;
    numerette::SoundMode m_mode;
    // `CurrentNote`: semitones above the lowest note of the note last started.
    int m_currentNote = 0;
    // `LastKeyCode`: the key whose note sounds, 0 when none; its repeats play nothing.
    int m_lastKeyCode = 0;
    // The device was last opened by a command of the user, not by the window's load.
    bool m_openedByCommand = false;
    bool m_applyingStoredMode = false;
};
