// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include <QByteArrayList>
#include <QStringList>

#include "midi_out.h"

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
};

// The MIDI synthesizer here: FluidSynth with a General MIDI soundfont, played through the
// desktop's sound server.
//
// Opening is quick and never waits for the soundfont (20-50 ms, far more when the disk is
// cold): it opens the audio output, which fails at once where there is none, and a worker
// thread loads the soundfont into a synthesizer that nothing else can reach yet. Once it
// has loaded, the synthesizer is handed over and plays. Until then the audio output plays
// silence, notes are dropped (a note played late is out of time; one sent during the load
// would wait for it) and the other messages are kept and applied in order when it is ready.
// Closing during the load waits for the load to end.
class FluidSynthMidiOut final : public MidiOut {
public:
    explicit FluidSynthMidiOut(FluidSynthOptions options = {});
    ~FluidSynthMidiOut() override;
    FluidSynthMidiOut(const FluidSynthMidiOut&) = delete;
    FluidSynthMidiOut& operator=(const FluidSynthMidiOut&) = delete;

    bool open() override;
    void shortMessage(std::uint32_t message) override;
    void close() override;
    bool isOpen() const override;

    // Whether the soundfont has loaded and notes sound.
    bool isReady() const;
    // Writes the next frames of the synthesizer's output, 44.1 kHz stereo; silence while
    // the device is closed or loading. Only for a device without an audio output.
    void render(int frames, float* left, float* right);

private:
    struct Device;

    FluidSynthOptions m_options;
    std::unique_ptr<Device> m_device;
};

} // namespace numerette
