// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include <QByteArrayList>
#include <QStringList>

#include "midi_out.h"

class QTimer;

namespace numerette {

struct FluidSynthOptions {
    // Tried in order until one opens; each must take a rendering callback (pulseaudio, which
    // PipeWire desktops provide too, alsa, jack; not "file"). With none the device has no
    // audio output of its own: its sound is what render() pulls (offline rendering).
    QByteArrayList audioDrivers{"pulseaudio", "alsa"};
    // General MIDI soundfonts; the first that exists is loaded.
    QStringList soundFonts{QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
                           QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")};
    // Diagnostics: the synthesizer logs every event it plays at fluidsynth's information level.
    bool logEvents = false;
    // An audio output that has not opened after this long (a sound server that takes the
    // connection and never answers) counts as none.
    int openTimeLimitMs = 3000;
};

// The MIDI synthesizer here: FluidSynth with a General MIDI soundfont, played through the
// desktop's sound server.
//
// Nothing here waits on the sound server or the disk in the owner's thread: a worker thread
// opens the audio output, loads the soundfont (20-50 ms, far more when the disk is cold)
// into a synthesizer that the output only reaches once it can play, and plays the messages
// the owner queues. Opening waits a few milliseconds for the output's answer, so that a
// machine without one is told at once; an output that answers later is waited for in the
// background, up to the time limit, and a failure then closes the device and calls the
// failure handler. Until the synthesizer has loaded, the output plays silence, notes are
// dropped (a note played late is out of time) and the other messages are kept and played
// in order once it can; it counts as loaded once the instruments chosen meanwhile are. A
// channel sounds once an instrument has been chosen on it, and only the chosen
// instruments' samples are held in memory. Closing leaves the worker to let go of the output; a sound server
// that hangs keeps only the worker waiting.
class FluidSynthMidiOut final : public MidiOut {
public:
    explicit FluidSynthMidiOut(FluidSynthOptions options = {});
    ~FluidSynthMidiOut() override;
    FluidSynthMidiOut(const FluidSynthMidiOut&) = delete;
    FluidSynthMidiOut& operator=(const FluidSynthMidiOut&) = delete;

    bool open() override;
    void setFailureHandler(std::function<void()> handler) override;
    void shortMessage(std::uint32_t message) override;
    void close() override;
    bool isOpen() const override;

    // Whether the soundfont has loaded and notes sound.
    bool isReady() const;
    // Writes the next frames of the synthesizer's output, 44.1 kHz stereo, once the
    // messages sent so far have been played; silence while the device is closed or loading.
    // Only for a device without an audio output.
    void render(int frames, float* left, float* right);

private:
    struct Device;
    void watchOpening();
    void lose();

    FluidSynthOptions m_options;
    std::shared_ptr<Device> m_device;
    std::function<void()> m_failureHandler;
    // Polls an output still opening in the background; only while it opens.
    std::unique_ptr<QTimer> m_openingWatch;
    std::chrono::steady_clock::time_point m_openingDeadline;
};

} // namespace numerette
