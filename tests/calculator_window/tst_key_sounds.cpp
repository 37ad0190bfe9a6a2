// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <memory>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator.h"
#include "calculator_port.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "key_sounds.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::SoundMode;
using Messages = std::vector<std::uint32_t>;

namespace {

std::uint32_t on(int note) { return 120 * 65536 + note * 256 + 0x93; }
std::uint32_t off(int note) { return note * 256 + 0x93; }
std::uint32_t program(int instrument) { return instrument * 256 + 0xC3; }

// Answers the dialogs that open while it lives: input boxes with the scripted answers in
// turn ("<cancel>" presses Cancel), message boxes with OK; keeps what they showed.
struct Dialogs {
    explicit Dialogs(QStringList scripted = {})
        : answers(std::move(scripted))
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.append(box->text());
                box->done(QMessageBox::Ok);
            } else if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                prompts.append({input->windowTitle(), input->labelText(), input->textValue()});
                const QString answer = answers.isEmpty() ? u"<cancel>"_s : answers.takeFirst();
                input->setTextValue(answer);
                answer == u"<cancel>"_s ? input->reject() : input->accept();
            }
        });
        timer.start(10);
    }

    QStringList answers;
    QTimer timer;
    QStringList messages;
    QList<QStringList> prompts;
};

// The key sounds of a window, on a recording device.
struct Sounds {
    explicit Sounds(numerette::SettingsStore& settings)
        : sounds(new KeySounds(window, calculator, settings, midi))
    {
    }
    QString checked() const
    {
        for (const QString& name : {u"mnuSemSom"_s, u"mnuBeep"_s, u"mnuSom"_s}) {
            if (window.findChild<QAction*>(name)->isChecked())
                return name;
        }
        return {};
    }
    // Key codes going down; negative ones going up.
    void play(const QList<int>& keys)
    {
        for (int key : keys)
            key > 0 ? sounds->keyDown(key) : sounds->keyUp(-key);
    }

    numerette::FakeMidiOut midi;
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    QWidget window;
    KeySounds* sounds;
};

} // namespace

template <>
char* QTest::toString(const Messages& messages)
{
    QStringList hex;
    for (std::uint32_t message : messages)
        hex.append(QString::number(message, 16));
    return qstrdup(hex.join(u' ').toLatin1().constData());
}

class TstKeySounds : public QObject {
    Q_OBJECT

private slots:
    void init();
    void musicalKeys_data();
    void musicalKeys();
    void keySequences_data();
    void keySequences();
    void load_data();
    void load();
    void commands_data();
    void commands();
    void instrumentPrompt();
    void outputLostLater_data();
    void outputLostLater();
    void aNoteStoppedForADialogPlaysAgain();
    void windowKeysSoundAndDialogsSilence();

private:
    // Sounds loaded from the stored settings, with what the load sent left out.
    std::unique_ptr<Sounds> sounds(bool shown = false)
    {
        auto keyboard = std::make_unique<Sounds>(*m_settings);
        if (shown) {
            keyboard->window.show();
            if (!QTest::qWaitForWindowExposed(&keyboard->window))
                qFatal("the window is not shown");
        }
        keyboard->sounds->applyStoredMode();
        keyboard->midi.clearMessages();
        return keyboard;
    }
    QString stored(const QString& key) const
    {
        return QSettings(m_dir->filePath(u"numeret.ini"_s), QSettings::IniFormat).value(u"Conf/"_s + key).toString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<numerette::SettingsStore> m_settings;
};

void TstKeySounds::init()
{
    m_settings.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<numerette::SettingsStore>(m_dir->filePath(u"numeret.ini"_s));
}

void TstKeySounds::musicalKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("note"); // 0: none
    const std::pair<QByteArray, QList<int>> rows[] = {
        {"ZXCVBNM", {36, 38, 40, 41, 43, 45, 47}},
        {"ASDFGHJKL", {48, 50, 52, 53, 55, 57, 59, 60, 62}},
        {"QWERTYUIOP", {65, 67, 69, 71, 72, 74, 76, 77, 79, 81}},
        {"1234567890", {83, 84, 86, 88, 89, 91, 93, 95, 96, 98}},
    };
    for (const auto& [keys, notes] : rows) {
        for (qsizetype i = 0; i < keys.size(); ++i)
            QTest::addRow("%c", keys[i]) << int(keys[i]) << notes[i];
    }
    const std::tuple<const char*, int, int> others[] = {
        {"Enter", 13, 52},     {"code 199", 199, 64}, {"code 186", 186, 64}, {"keypad .", 110, 69},
        {"keypad 0", 96, 71},  {"keypad 1", 97, 72},  {"keypad 2", 98, 74},  {"keypad 3", 99, 76},
        {"keypad 4", 100, 77}, {"keypad 5", 101, 79}, {"keypad 6", 102, 81}, {"keypad 7", 103, 83},
        {"keypad 8", 104, 84}, {"keypad 9", 105, 86}, {"keypad /", 111, 55}, {"keypad *", 106, 59},
        {"keypad -", 109, 62}, {"keypad +", 107, 65}, {"Insert", 45, 100},   {"code 189", 189, 100},
        {"Shift", 16, 0},      {"F1", 112, 0},        {"=", 187, 0},         {"Delete", 46, 0},
        {"no key code", 0, 0},
    };
    for (const auto& [name, keyCode, note] : others)
        QTest::newRow(name) << keyCode << note;
}

// Musical mode: a key of the table plays its note; its release stops the note sounding
// (the same) and the key's own; other keys play nothing.
void TstKeySounds::musicalKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, note);
    auto keyboard = sounds();
    keyboard->sounds->keyDown(keyCode);
    keyboard->sounds->keyUp(keyCode);
    QCOMPARE(keyboard->midi.messages(), (note ? Messages{on(note), off(note), off(note)} : Messages{off(36)}));
}

void TstKeySounds::keySequences_data()
{
    QTest::addColumn<SoundMode>("mode");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<Messages>("expected");
    QTest::newRow("Z held: one C whatever the repeats")
        << SoundMode::Musical << QList<int>{90, 90, 90, -90} << Messages{0x782493, 0x2493, 0x2493};
    QTest::newRow("Z, X quickly: C and D") << SoundMode::Musical << QList<int>{90, 88, -90, -88}
                                          << Messages{on(36), on(38), off(38), off(36), off(36), off(38)};
    QTest::newRow("keypad 1 2 5") << SoundMode::Musical << QList<int>{97, 98, 101}
                                  << Messages{on(72), on(74), on(79)};
    QTest::newRow("Z again after its release") << SoundMode::Musical << QList<int>{90, -90, 90}
                                              << Messages{on(36), off(36), off(36), on(36)};
    QTest::newRow("Shift released under a held Z") << SoundMode::Musical << QList<int>{90, 16, -16, 90}
                                                  << Messages{on(36), off(36)};
    QTest::newRow("beep: every key and repeat restarts 99")
        << SoundMode::Beep << QList<int>{65, 65, 16, -65} << Messages{0x786393, on(99), on(99), off(99)};
    QTest::newRow("none") << SoundMode::None << QList<int>{90, -90} << Messages{};
}

void TstKeySounds::keySequences()
{
    QFETCH(SoundMode, mode);
    QFETCH(QList<int>, keys);
    QFETCH(Messages, expected);
    m_settings->setSons(mode);
    auto keyboard = sounds();
    keyboard->play(keys);
    QCOMPARE(keyboard->midi.messages(), expected);
}

void TstKeySounds::load_data()
{
    QTest::addColumn<QString>("sons"); // empty: never stored
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<Messages>("sent");
    QTest::newRow("first start: musical") << QString() << false << u"mnuSom"_s << Messages{19395};
    QTest::newRow("beep: the piano") << u"2"_s << false << u"mnuBeep"_s << Messages{0xC3};
    QTest::newRow("none") << u"1"_s << false << u"mnuSemSom"_s << Messages{};
    QTest::newRow("musical, no device") << u"3"_s << true << u"mnuSemSom"_s << Messages{};
    QTest::newRow("beep, no device") << u"2"_s << true << u"mnuSemSom"_s << Messages{};
}

// The load stores nothing and shows nothing, not even when the device fails.
void TstKeySounds::load()
{
    QFETCH(QString, sons);
    QFETCH(bool, openFails);
    QFETCH(QString, checked);
    QFETCH(Messages, sent);
    if (!sons.isEmpty())
        m_settings->setSons(SoundMode(sons.toInt()));
    m_settings->setInstrumento(75);
    Dialogs dialogs;
    Sounds keyboard(*m_settings);
    keyboard.midi.setOpenFails(openFails);
    keyboard.sounds->applyStoredMode();
    QCOMPARE(keyboard.checked(), checked);
    QCOMPARE(keyboard.midi.messages(), sent);
    QCOMPARE(keyboard.midi.isOpen(), checked != u"mnuSemSom"_s);
    QCOMPARE(stored(u"Sons"_s), sons);
    QVERIFY(dialogs.messages.isEmpty());
}

void TstKeySounds::commands_data()
{
    QTest::addColumn<SoundMode>("from");
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<Messages>("sent");
    QTest::addColumn<QString>("sons"); // stored
    QTest::addColumn<QString>("instrument");
    const auto none = SoundMode::None;
    const auto beep = SoundMode::Beep;
    const auto musical = SoundMode::Musical;
    QTest::newRow("beep from musical") << musical << false << u"mnuBeep"_s << QStringList() << u"mnuBeep"_s
                                       << Messages{off(36), program(0)} << u"2"_s << QString();
    QTest::newRow("musical asks until 0 to 127")
        << beep << false << u"mnuSom"_s << QStringList{u"200"_s, u"-1"_s, u"abc"_s, u"nan"_s, u" 50 "_s}
        << u"mnuSom"_s << Messages{off(36), program(50)} << u"3"_s << u"50"_s;
    QTest::newRow("musical rounds a fraction") << none << false << u"mnuSom"_s << QStringList{u"2.6"_s}
                                               << u"mnuSom"_s << Messages{program(3)} << u"3"_s << u"3"_s;
    QTest::newRow("musical answered empty") << beep << false << u"mnuSom"_s << QStringList{QString()}
                                            << u"mnuSemSom"_s << Messages{off(36)} << u"1"_s << QString();
    QTest::newRow("musical cancelled from none") << none << false << u"mnuSom"_s << QStringList{u"<cancel>"_s}
                                                 << u"mnuSemSom"_s << Messages{} << u"1"_s << QString();
    QTest::newRow("beep, no device") << none << true << u"mnuBeep"_s << QStringList() << u"mnuSemSom"_s
                                     << Messages{} << u"1"_s << QString();
}

// The commands of the shown window's menu. The device is open exactly while sounds are on,
// and switching between beep and musical keeps it open.
void TstKeySounds::commands()
{
    QFETCH(SoundMode, from);
    QFETCH(bool, openFails);
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(QString, checked);
    QFETCH(Messages, sent);
    QFETCH(QString, sons);
    QFETCH(QString, instrument);
    m_settings->setSons(from);
    auto keyboard = sounds(true);
    keyboard->midi.setOpenFails(openFails);
    const int opened = keyboard->midi.openCount();
    Dialogs dialogs(answers);
    keyboard->window.findChild<QAction*>(command)->trigger();
    QCOMPARE(keyboard->checked(), checked);
    QCOMPARE(keyboard->midi.messages(), sent);
    QCOMPARE(keyboard->midi.isOpen(), checked != u"mnuSemSom"_s);
    QCOMPARE(keyboard->midi.openCount(), opened + (from == SoundMode::None && !openFails));
    QCOMPARE(stored(u"Sons"_s), sons);
    QCOMPARE(stored(u"Instrumento"_s), instrument);
    QCOMPARE(dialogs.prompts.size(), qsizetype(command == u"mnuSom"_s && !openFails ? answers.size() : 0));
    const QString noDevice = u"Error while trying to access MIDI resource of your Sound Card"_s;
    QCOMPARE(dialogs.messages, openFails ? QStringList{noDevice} : QStringList());
}

void TstKeySounds::outputLostLater_data()
{
    QTest::addColumn<QString>("openedBy"); // a command, or "load"
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("sons");     // stored afterwards
    QTest::newRow("musical at load") << u"load"_s << true << u"3"_s;
    QTest::newRow("beep command, shown window") << u"mnuBeep"_s << true << u"2"_s;
    QTest::newRow("musical command, shown window") << u"mnuSom"_s << true << u"3"_s;
    QTest::newRow("beep command, hidden window") << u"mnuBeep"_s << false << u"1"_s;
}

// An output opened in the background that fails later (a sound server that never answered)
// turns the sounds off as a failed open does: message 9 after the user's command in the
// shown window, nothing at load; the stored choice stays for the next start.
void TstKeySounds::outputLostLater()
{
    QFETCH(QString, openedBy);
    QFETCH(bool, shown);
    QFETCH(QString, sons);
    m_settings->setSons(openedBy == u"load" ? SoundMode::Musical : SoundMode::None);
    auto keyboard = sounds(shown);
    Dialogs dialogs({u"0"_s});
    if (openedBy != u"load")
        keyboard->window.findChild<QAction*>(openedBy)->trigger();
    QVERIFY(keyboard->midi.isOpen());
    keyboard->midi.failLater();
    QCOMPARE(keyboard->checked(), u"mnuSemSom"_s);
    keyboard->play({90, -90});
    QCOMPARE(keyboard->midi.messages().size(), openedBy == u"load" ? 0 : 1);
    QCOMPARE(stored(u"Sons"_s), sons);
    const QString noDevice = u"Error while trying to access MIDI resource of your Sound Card"_s;
    QTRY_COMPARE(dialogs.messages, (shown && openedBy != u"load") ? QStringList{noDevice} : QStringList());
}

void TstKeySounds::instrumentPrompt()
{
    m_settings->setInstrumento(100);
    auto keyboard = sounds(true);
    Dialogs dialogs({u"100"_s});
    keyboard->window.findChild<QAction*>(u"mnuSom"_s)->trigger();
    QCOMPARE(dialogs.prompts.value(0),
             (QStringList{u" Choose Keyboard Sound"_s,
                          u"Enter an instrument number from 0 to 127.\n\nExample:\n000 = Piano\n050 = Synth Strings\n"
                          u"075 = Flute\n100 = FX5 Bright\n\nUse your keyboard to play sounds."_s,
                          u"100"_s}));
}

// A dialog swallows the key's release: the note stops, and the key plays again next time.
void TstKeySounds::aNoteStoppedForADialogPlaysAgain()
{
    auto keyboard = sounds();
    keyboard->play({90, 90});
    keyboard->sounds->silence();
    keyboard->play({90});
    QCOMPARE(keyboard->midi.messages(), (Messages{on(36), off(36), on(36)}));
}

// The calculator window plays its keys, stops the note when a dialog takes the focus and
// closes the device when it closes.
void TstKeySounds::windowKeysSoundAndDialogsSilence()
{
    qputenv("XDG_DATA_HOME", m_dir->path().toUtf8());
    FakeCalculatorOwner owner;
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    FakeDesktop desktop;
    numerette::FakeMidiOut& midi = desktop.midi;
    frmCalcula window(calculator, *m_settings, CalculatorLaunch{}, owner, desktop.services());
    window.load();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The device opens once the window has painted.
    QTRY_VERIFY(midi.isOpen());
    midi.clearMessages();

    QTest::keyPress(&window, Qt::Key_Z);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, u"z"_s, true);
    QApplication::sendEvent(&window, &repeat);
    {
        Dialogs dialogs;
        QMessageBox::information(&window, u"test"_s, u"a dialog"_s);
    }
    QCOMPARE(midi.messages(), (Messages{on(36), off(36)}));
    window.close();
    QVERIFY(!midi.isOpen());
}

QTEST_MAIN(TstKeySounds)
#include "tst_key_sounds.moc"
