// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_sounds.h"

#include <cmath>
#include <cstdint>

#include <QAction>
#include <QInputDialog>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include "calculator_state.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "midi_out.h"
#include "settings_store.h"

using numerette::LoadMessage;
using numerette::Message;
using numerette::SoundMode;

namespace {

constexpr int LowestNote = 36;
constexpr int Velocity = 120;
// Note on and program change, fourth channel (index 3).
constexpr std::uint32_t NoteOnStatus = 0x93;
constexpr std::uint32_t ProgramChangeStatus = 0xC3;
// Beep mode's note: MIDI note 99 on the piano.
constexpr int BeepIndex = 63;
constexpr int HighestProgram = 127;

struct KeyNote {
    int keyCode;
    int index;
};

// The letter rows Z..M and A..L are the white keys of two octaves from C; the number row and
// Q..P go on upwards, and the numeric keypad doubles part of the range so that typing
// numbers plays a tune.
constexpr KeyNote MusicalKeys[] = {
    {'Z', 0},  {'X', 2},  {'C', 4},  {'V', 5},  {'B', 7},  {'N', 9},  {'M', 11},
    {'A', 12}, {'S', 14}, {'D', 16}, {'F', 17}, {'G', 19}, {'H', 21}, {'J', 23}, {'K', 24}, {'L', 26},
    {199, 28}, {186, 28},
    {'Q', 29}, {'W', 31}, {'E', 33}, {'R', 35}, {'T', 36}, {'Y', 38}, {'U', 40}, {'I', 41}, {'O', 43}, {'P', 45},
    {'1', 47}, {'2', 48}, {'3', 50}, {'4', 52}, {'5', 53}, {'6', 55}, {'7', 57}, {'8', 59}, {'9', 60}, {'0', 62},
    {45, 64},  {189, 64}, // Insert and "-"
    // Enter and the numeric keypad: / * - + . and 0 to 9.
    {13, 16},  {111, 19}, {106, 23}, {109, 26}, {107, 29}, {110, 33},
    {96, 35},  {97, 36},  {98, 38},  {99, 40},  {100, 41}, {101, 43}, {102, 45}, {103, 47}, {104, 48}, {105, 50},
};

std::optional<int> musicalIndex(int keyCode)
{
    for (const KeyNote& key : MusicalKeys) {
        if (key.keyCode == keyCode)
            return key.index;
    }
    return std::nullopt;
}

std::uint32_t noteMessage(int index, int velocity)
{
    return std::uint32_t(velocity) * 65536 + std::uint32_t(index + LowestNote) * 256 + NoteOnStatus;
}

std::uint32_t programChange(int program)
{
    return std::uint32_t(program) * 256 + ProgramChangeStatus;
}

// A number from 0 to 127 as the user's locale or plain digits write it. A fraction is
// rounded to the nearest program: the device takes whole numbers only.
std::optional<int> instrumentNumber(const QString& answer)
{
    bool ok = false;
    double value = QLocale().toDouble(answer, &ok);
    if (!ok)
        value = answer.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > HighestProgram)
        return std::nullopt;
    return int(std::lround(value));
}

} // namespace

KeySounds::KeySounds(QWidget& window, const numerette::CalculatorState& calculator, numerette::SettingsStore& settings,
                     numerette::MidiOut& midi)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_settings(settings)
    , m_midi(midi)
    , m_mode(SoundMode::None)
{
    m_menu = newSubmenu(&window, QStringLiteral("mnuSomEscolher"), tr("Soun&d when Typing"));
    m_none = addItem(QStringLiteral("mnuSemSom"), tr("&None"), &KeySounds::mnuSemSom_Click);
    m_beep = addItem(QStringLiteral("mnuBeep"), tr("Beep, Beep..."), &KeySounds::mnuBeep_Click);
    m_musical = addItem(QStringLiteral("mnuSom"), tr("Mu&sical (user choice)"), &KeySounds::mnuSom_Click);
    m_beep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_musical->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    renderChecks();
    // The window may go before the device it was given.
    m_midi.setFailureHandler([self = QPointer(this)] {
        if (self)
            self->outputLost();
    });
}

// The check marks always show the mode, also after a command that did not change it.
QAction* KeySounds::addItem(const QString& name, const QString& caption, void (KeySounds::*command)())
{
    QAction* item = newCheckItem(this, name, caption);
    connect(item, &QAction::triggered, this, [this, command] {
        (this->*command)();
        renderChecks();
    });
    return item;
}

void KeySounds::renderChecks()
{
    m_none->setChecked(m_mode == SoundMode::None);
    m_beep->setChecked(m_mode == SoundMode::Beep);
    m_musical->setChecked(m_mode == SoundMode::Musical);
}

// The load's choice is made without the user: as in a window not yet shown, nothing is asked,
// told or stored, even when the window is already up.
bool KeySounds::shownToUser() const
{
    return m_window.isVisible() && !m_applyingStoredMode;
}

void KeySounds::applyStoredMode()
{
    m_applyingStoredMode = true;
    m_openedByCommand = false;
    switch (m_settings.Sons()) {
    case SoundMode::None: mnuSemSom_Click(); break;
    case SoundMode::Beep: mnuBeep_Click(); break;
    case SoundMode::Musical:
        if (m_midi.open()) {
            m_midi.shortMessage(programChange(m_settings.Instrumento()));
            m_mode = SoundMode::Musical;
        }
        break;
    }
    m_applyingStoredMode = false;
    renderChecks();
}

void KeySounds::closeDevice()
{
    m_midi.close();
}

// The device is also closed when it was opened by a musical command that was then
// cancelled: a device left open under None would be opened a second time by the next command.
void KeySounds::mnuSemSom_Click()
{
    m_midi.close();
    if (m_mode != SoundMode::None)
        m_settings.setSons(SoundMode::None);
    m_mode = SoundMode::None;
}

void KeySounds::mnuBeep_Click()
{
    const bool visible = shownToUser();
    if (m_mode == SoundMode::None && !openDevice())
        return;
    if (m_mode != SoundMode::None && visible)
        silence();
    m_midi.shortMessage(programChange(0));
    m_mode = SoundMode::Beep;
    if (visible)
        m_settings.setSons(SoundMode::Beep);
}

void KeySounds::mnuSom_Click()
{
    const bool visible = shownToUser();
    if (m_mode != SoundMode::None && visible)
        silence();
    if (m_mode == SoundMode::None && !openDevice())
        return;
    const std::optional<int> instrument = visible ? askInstrument() : m_settings.Instrumento();
    if (!instrument) {
        mnuSemSom_Click();
        return;
    }
    // The output may have failed while the question was open; that has been told.
    if (!m_midi.isOpen())
        return;
    m_midi.shortMessage(programChange(*instrument));
    m_mode = SoundMode::Musical;
    if (visible) {
        m_settings.setInstrumento(*instrument);
        m_settings.setSons(SoundMode::Musical);
    }
}

// A device that cannot be opened switches the sounds off, saying so in the shown window.
bool KeySounds::openDevice()
{
    m_openedByCommand = true;
    if (m_midi.open())
        return true;
    if (shownToUser())
        numerette::message_boxes::show(&m_window, QMessageBox::Warning, LoadMessage(Message::SoundCardError));
    mnuSemSom_Click();
    return false;
}

// An output that failed after it was opened in the background: the keys fall silent, as
// when opening failed at once (with message 9 after a command in the shown window, without
// a word at load). The stored choice stays, for the next start to try again.
void KeySounds::outputLost()
{
    m_mode = SoundMode::None;
    renderChecks();
    if (m_openedByCommand && shownToUser())
        numerette::message_boxes::show(&m_window, QMessageBox::Warning, LoadMessage(Message::SoundCardError));
}

// Asks until the answer is an instrument number; an empty answer or Cancel gives none.
std::optional<int> KeySounds::askInstrument()
{
    for (;;) {
        QInputDialog box(&m_window);
        box.setWindowTitle(LoadMessage(Message::InstrumentTitle));
        box.setLabelText(LoadMessage(Message::InstrumentPrompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box.setTextValue(QString::number(m_settings.Instrumento()));
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        const QString answer = box.textValue().trimmed();
        if (answer.isEmpty())
            return std::nullopt;
        if (const std::optional<int> program = instrumentNumber(answer))
            return program;
    }
}

bool KeySounds::takesKeys() const
{
    return !m_window.isMinimized() && !m_window.isMaximized() && m_calculator.keysAccepted();
}

void KeySounds::keyDown(int keyCode)
{
    if (!takesKeys())
        return;
    std::optional<int> index;
    if (m_mode == SoundMode::Beep)
        index = BeepIndex;
    else if (m_mode == SoundMode::Musical && keyCode != m_lastKeyCode)
        index = musicalIndex(keyCode);
    if (!index)
        return;
    m_currentNote = *index;
    m_midi.shortMessage(noteMessage(*index, Velocity));
    m_lastKeyCode = keyCode;
}

// Releasing any key stops the note that sounds, and the released key's own note.
void KeySounds::keyUp(int keyCode)
{
    if (!takesKeys())
        return;
    if (m_mode == SoundMode::Beep) {
        noteOff(BeepIndex);
        m_lastKeyCode = 0;
    } else if (m_mode == SoundMode::Musical) {
        noteOff(m_currentNote);
        if (const std::optional<int> index = musicalIndex(keyCode)) {
            noteOff(*index);
            m_lastKeyCode = 0;
        }
    }
}

void KeySounds::noteOff(int index)
{
    m_currentNote = index;
    m_midi.shortMessage(noteMessage(index, 0));
}

// The key whose note is stopped here may never report its release (a dialog took it), so
// pressing it again plays again.
void KeySounds::silence()
{
    if (m_mode == SoundMode::None)
        return;
    noteOff(m_currentNote);
    m_lastKeyCode = 0;
}
