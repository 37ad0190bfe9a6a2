// SPDX-License-Identifier: GPL-3.0-or-later
#include "fluid_synth_midi_out.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

namespace numerette {

namespace {

constexpr double SampleRate = 44100.0;
// fluidsynth's default of 0.2 is barely audible next to other programs.
constexpr double Gain = 0.5;

template <typename T, void (*Delete)(T*)>
struct CDeleter {
    void operator()(T* handle) const { Delete(handle); }
};
using SettingsHandle = std::unique_ptr<fluid_settings_t, CDeleter<fluid_settings_t, delete_fluid_settings>>;
using DriverHandle = std::unique_ptr<fluid_audio_driver_t, CDeleter<fluid_audio_driver_t, delete_fluid_audio_driver>>;

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) { }

// Without a sound card every failed open prints a screenful of ALSA and fluidsynth errors;
// open() reports the failure, and the program says what it means.
void silenceLibraries()
{
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(ignoreAlsaError);
    });
}

bool isNote(std::uint32_t message)
{
    return (message & 0xE0) == 0x80;
}

void play(fluid_synth_t* synth, std::uint32_t message)
{
    const int channel = int(message & 0x0F);
    const int data1 = int((message >> 8) & 0x7F);
    const int data2 = int((message >> 16) & 0x7F);
    switch (message & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth, channel, data1); break;
    // A note-on with velocity 0 ends the note.
    case 0x90: fluid_synth_noteon(synth, channel, data1, data2); break;
    case 0xC0: fluid_synth_program_change(synth, channel, data1); break;
    default: break;
    }
}

// The buffers come zeroed: without a synthesizer they stay silent.
int process(fluid_synth_t* synth, int frames, int effectCount, float* effects[], int outCount, float* out[])
{
    if (!synth)
        return FLUID_OK;
    // Only JACK gives buffers of their own to reverb and chorus; elsewhere they are mixed
    // into the dry output.
    if (effectCount == 0) {
        float* mixed[] = {out[0], out[1], out[0], out[1]};
        return fluid_synth_process(synth, frames, 4, mixed, outCount, out);
    }
    return fluid_synth_process(synth, frames, effectCount, effects, outCount, out);
}

} // namespace

struct FluidSynthMidiOut::Device {
    ~Device()
    {
        driver.reset();
        if (loader.joinable())
            loader.join();
        if (fluid_synth_t* loaded = synth.load())
            delete_fluid_synth(loaded);
    }

    // Runs on the audio driver's thread.
    static int renderInto(void* device, int frames, int effectCount, float* effects[], int outCount, float* out[])
    {
        return process(static_cast<Device*>(device)->synth.load(std::memory_order_acquire), frames, effectCount,
                       effects, outCount, out);
    }

    // Runs on the loader thread: the synthesizer is published only once it can play.
    void load(const QByteArray& soundFont)
    {
        fluid_synth_t* loading = new_fluid_synth(settings.get());
        if (!loading)
            return;
        if (fluid_synth_sfload(loading, soundFont.constData(), 1) == FLUID_FAILED) {
            delete_fluid_synth(loading);
            return;
        }
        synth.store(loading, std::memory_order_release);
    }

    SettingsHandle settings;
    DriverHandle driver;
    std::thread loader;
    // Owned; null until the soundfont has loaded.
    std::atomic<fluid_synth_t*> synth{nullptr};
    // Messages other than notes that arrived during the load; the owner's thread only.
    std::vector<std::uint32_t> pending;
};

FluidSynthMidiOut::FluidSynthMidiOut(FluidSynthOptions options)
    : m_options(std::move(options))
{
}

FluidSynthMidiOut::~FluidSynthMidiOut() = default;

bool FluidSynthMidiOut::open()
{
    if (m_device)
        return true;
    const auto soundFont = std::find_if(m_options.soundFonts.cbegin(), m_options.soundFonts.cend(),
                                        [](const QString& path) { return QFileInfo(path).isFile(); });
    if (soundFont == m_options.soundFonts.cend())
        return false;
    silenceLibraries();

    auto device = std::make_unique<Device>();
    device->settings.reset(new_fluid_settings());
    if (!device->settings)
        return false;
    fluid_settings_t* settings = device->settings.get();
    fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    fluid_settings_setnum(settings, "synth.gain", Gain);
    fluid_settings_setint(settings, "synth.verbose", m_options.logEvents ? 1 : 0);
    for (const QByteArray& name : std::as_const(m_options.audioDrivers)) {
        if (fluid_settings_setstr(settings, "audio.driver", name.constData()) != FLUID_OK)
            continue;
        device->driver.reset(new_fluid_audio_driver2(settings, &Device::renderInto, device.get()));
        if (device->driver)
            break;
    }
    if (!m_options.audioDrivers.isEmpty() && !device->driver)
        return false;

    Device* loading = device.get();
    device->loader = std::thread([loading, path = QFile::encodeName(*soundFont)] { loading->load(path); });
    m_device = std::move(device);
    return true;
}

void FluidSynthMidiOut::shortMessage(std::uint32_t message)
{
    if (!m_device)
        return;
    fluid_synth_t* synth = m_device->synth.load(std::memory_order_acquire);
    if (!synth) {
        if (!isNote(message))
            m_device->pending.push_back(message);
        return;
    }
    for (std::uint32_t kept : std::exchange(m_device->pending, {}))
        play(synth, kept);
    play(synth, message);
}

void FluidSynthMidiOut::close()
{
    m_device.reset();
}

bool FluidSynthMidiOut::isOpen() const
{
    return m_device != nullptr;
}

bool FluidSynthMidiOut::isReady() const
{
    return m_device && m_device->synth.load(std::memory_order_acquire);
}

void FluidSynthMidiOut::render(int frames, float* left, float* right)
{
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
    float* out[] = {left, right};
    process(m_device ? m_device->synth.load(std::memory_order_acquire) : nullptr, frames, 0, nullptr, 2, out);
}

} // namespace numerette
