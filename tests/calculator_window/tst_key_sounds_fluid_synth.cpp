// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAction>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fluidsynth.h>

#include "calculator.h"
#include "calculator_port.h"
#include "fluid_synth_midi_out.h"
#include "key_sounds.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::FluidSynthMidiOut;
using numerette::FluidSynthOptions;

namespace {

constexpr int SampleRate = 44100;
constexpr int KeyZ = 90;

// What the synthesizer says it played, from fluidsynth's own event log: lines such as
// "noteon <channel> <key> <velocity> ...", "noteoff <channel> <key> ..." and
// "prog <channel> <bank> <program>". It logs from the thread that loads the soundfont too.
class SynthLog {
public:
    SynthLog() { fluid_set_log_function(FLUID_INFO, &SynthLog::record, this); }
    ~SynthLog() { fluid_set_log_function(FLUID_INFO, nullptr, nullptr); }

    // The lines that start so, cut to their first fields.
    QStringList lines(const QString& start, int fields) const
    {
        std::lock_guard lock(m_mutex);
        QStringList found;
        for (const QString& line : m_lines) {
            if (line.startsWith(start))
                found.append(line.section(u'\t', 0, fields - 1));
        }
        return found;
    }

private:
    static void record(int, const char* message, void* log)
    {
        auto* self = static_cast<SynthLog*>(log);
        std::lock_guard lock(self->m_mutex);
        self->m_lines.append(QString::fromUtf8(message));
    }

    mutable std::mutex m_mutex;
    QStringList m_lines;
};

// The root mean square of the next seconds of the device's left channel.
double loudness(FluidSynthMidiOut& midi, double seconds)
{
    const int frames = int(seconds * SampleRate);
    std::vector<float> left(std::size_t(frames), 0.0f);
    std::vector<float> right(std::size_t(frames), 0.0f);
    midi.render(frames, left.data(), right.data());
    double sum = 0;
    for (float sample : left)
        sum += double(sample) * sample;
    return std::sqrt(sum / frames);
}

// Fluidsynth's float output has no dither: silence is zero. A note is far above this.
constexpr double Silent = 1e-4;
constexpr double Sounding = 2e-3;

struct Keyboard {
    explicit Keyboard(numerette::MidiOut& midi)
        : sounds(new KeySounds(window, calculator, settings, midi))
    {
    }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    QWidget window;
    KeySounds* sounds;
};

} // namespace

// The key sounds on the real synthesizer, pulled offline as an audio output would play them.
class TstKeySoundsFluidSynth : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keyZPlaysOneNoteUntilReleased();
    void noAudioOutputSwitchesTheSoundsOff_data();
    void noAudioOutputSwitchesTheSoundsOff();
    void soundServerThatNeverAnswers();
};

void TstKeySoundsFluidSynth::initTestCase()
{
    const QStringList fonts = FluidSynthOptions{}.soundFonts;
    if (std::none_of(fonts.cbegin(), fonts.cend(), [](const QString& font) { return QFileInfo::exists(font); }))
        QSKIP("no General MIDI soundfont here: install timgm6mb-soundfont");
}

// Musical mode: Z is MIDI note 36 on channel index 3, velocity 120, once however often the
// key repeats; its release lets the sound die away. The device opens before its soundfont
// has loaded: a note sent meanwhile is dropped rather than played late, the instrument
// chosen meanwhile is kept.
void TstKeySoundsFluidSynth::keyZPlaysOneNoteUntilReleased()
{
    FluidSynthMidiOut midi(FluidSynthOptions{.audioDrivers = {}, .logEvents = true});
    Keyboard keyboard(midi);
    keyboard.settings.setInstrumento(75);
    keyboard.sounds->applyStoredMode();
    SynthLog log;
    QVERIFY(midi.isOpen() && !midi.isReady());
    keyboard.sounds->keyDown(KeyZ);
    QTRY_VERIFY(midi.isReady());
    QCOMPARE_LT(loudness(midi, 0.2), Silent);
    keyboard.sounds->keyUp(KeyZ);

    for (int repeat = 0; repeat < 3; ++repeat)
        keyboard.sounds->keyDown(KeyZ);
    QCOMPARE_GT(loudness(midi, 0.2), Sounding);
    QCOMPARE(log.lines(u"prog\t3\t"_s, 4).last(), u"prog\t3\t0\t75"_s);
    QCOMPARE(log.lines(u"noteon"_s, 4), QStringList{u"noteon\t3\t36\t120"_s});

    keyboard.sounds->keyUp(KeyZ);
    QTRY_VERIFY(log.lines(u"noteoff"_s, 3).contains(u"noteoff\t3\t36"_s));
    loudness(midi, 1.5);
    QCOMPARE_LT(loudness(midi, 0.3), Silent);
}

void TstKeySoundsFluidSynth::noAudioOutputSwitchesTheSoundsOff_data()
{
    QTest::addColumn<QByteArrayList>("drivers");
    QTest::newRow("a driver this fluidsynth lacks") << QByteArrayList{"no-such-driver"};
    QTest::newRow("this machine's sound server") << FluidSynthOptions{}.audioDrivers;
}

// Without an audio output opening fails at once, and the keys stay silent.
void TstKeySoundsFluidSynth::noAudioOutputSwitchesTheSoundsOff()
{
    QFETCH(QByteArrayList, drivers);
    FluidSynthMidiOut midi(FluidSynthOptions{.audioDrivers = drivers});
    if (midi.open())
        QSKIP("this machine has an audio output");
    Keyboard keyboard(midi);
    keyboard.sounds->applyStoredMode();
    QVERIFY(keyboard.window.findChild<QAction*>(u"mnuSemSom"_s)->isChecked());
    keyboard.sounds->keyDown(KeyZ);
    QVERIFY(!midi.isOpen());
    QCOMPARE_LT(loudness(midi, 0.1), Silent);
}

// A sound server that takes the connection and never answers: opening does not wait for
// it, messages sent meanwhile do not either, and after the time limit the device closes and
// says so; the keys are silent from then on.
void TstKeySoundsFluidSynth::soundServerThatNeverAnswers()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"pulse"_s));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(server >= 0);
    const auto closeServer = qScopeGuard([server] { ::close(server); });
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    QVERIFY(std::size_t(path.size()) < sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    QCOMPARE(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QCOMPARE(::listen(server, 8), 0);
    const QByteArray oldServer = qgetenv("PULSE_SERVER");
    const auto restoreServer = qScopeGuard([&oldServer] { qputenv("PULSE_SERVER", oldServer); });
    qputenv("PULSE_SERVER", "unix:" + path);

    FluidSynthMidiOut midi(FluidSynthOptions{.audioDrivers = {"pulseaudio"}, .openTimeLimitMs = 300});
    Keyboard keyboard(midi);
    keyboard.sounds->applyStoredMode();
    QVERIFY(midi.isOpen());
    QVERIFY(keyboard.window.findChild<QAction*>(u"mnuSom"_s)->isChecked());
    keyboard.sounds->keyDown(KeyZ);
    keyboard.sounds->keyUp(KeyZ);
    QTRY_VERIFY_WITH_TIMEOUT(!midi.isOpen(), 10000);
    QVERIFY(keyboard.window.findChild<QAction*>(u"mnuSemSom"_s)->isChecked());
}

QTEST_MAIN(TstKeySoundsFluidSynth)
#include "tst_key_sounds_fluid_synth.moc"
