// SPDX-License-Identifier: GPL-3.0-or-later
#include "fluid_synth_midi_out.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "fluid_synth_library.h"

namespace numerette {

namespace {

constexpr double SampleRate = 44100.0;
// fluidsynth's default of 0.2 is barely audible next to other programs.
constexpr double Gain = 0.5;

template <typename T>
struct CDeleter {
    void (*destroy)(T*) = nullptr;
    void operator()(T* handle) const { destroy(handle); }
};
using SettingsHandle = std::unique_ptr<fluid_settings_t, CDeleter<fluid_settings_t>>;
using DriverHandle = std::unique_ptr<fluid_audio_driver_t, CDeleter<fluid_audio_driver_t>>;

// How long the owner waits for the worker's answer: enough for an output that is there or
// plainly missing (a few milliseconds), short enough for the window not to freeze.
constexpr auto QuickAnswer = std::chrono::milliseconds(25);
constexpr int WatchIntervalMs = 25;

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) { }

// Without a sound card every failed open prints a screenful of ALSA and fluidsynth errors;
// open() reports the failure, and the program says what it means.
void silenceLibraries(const FluidSynthLibrary& fluid)
{
    static std::once_flag silenced;
    std::call_once(silenced, [&fluid] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid.setLogFunction(level, nullptr, nullptr);
        if (fluid.setAlsaErrorHandler)
            fluid.setAlsaErrorHandler(ignoreAlsaError);
    });
}

bool isNote(std::uint32_t message)
{
    return (message & 0xE0) == 0x80;
}

void play(const FluidSynthLibrary& fluid, fluid_synth_t* synth, std::uint32_t message)
{
    const int channel = int(message & 0x0F);
    const int data1 = int((message >> 8) & 0x7F);
    const int data2 = int((message >> 16) & 0x7F);
    switch (message & 0xF0) {
    case 0x80: fluid.noteOff(synth, channel, data1); break;
    // A note-on with velocity 0 ends the note.
    case 0x90: fluid.noteOn(synth, channel, data1, data2); break;
    case 0xC0: fluid.programChange(synth, channel, data1); break;
    default: break;
    }
}

// The buffers come zeroed: without a synthesizer they stay silent.
int process(const FluidSynthLibrary& fluid, fluid_synth_t* synth, int frames, int effectCount, float* effects[],
            int outCount, float* out[])
{
    if (!synth)
        return FLUID_OK;
    // Only JACK gives buffers of their own to reverb and chorus; elsewhere they are mixed
    // into the dry output.
    if (effectCount == 0) {
        float* mixed[] = {out[0], out[1], out[0], out[1]};
        return fluid.process(synth, frames, 4, mixed, outCount, out);
    }
    return fluid.process(synth, frames, effectCount, effects, outCount, out);
}

} // namespace

// Shared by the owner and the worker thread; whichever lets go last deletes it.
struct FluidSynthMidiOut::Device {
    enum class Stage { Opening, Open, Failed };

    // Runs on the audio driver's thread.
    static int renderInto(void* opaque, int frames, int effectCount, float* effects[], int outCount, float* out[])
    {
        const auto* device = static_cast<Device*>(opaque);
        return process(device->fluid, device->synth.load(std::memory_order_acquire), frames, effectCount, effects,
                       outCount, out);
    }

    explicit Device(const FluidSynthLibrary& library)
        : fluid(library)
    {
    }

    static void run(const std::shared_ptr<Device>& device, FluidSynthOptions options, const QByteArray& soundFont);
    // The worker's part once the output is open: load, then play what the owner queues.
    void play(fluid_settings_t* settings, const QByteArray& soundFont);

    const FluidSynthLibrary& fluid;
    // Both sides; the worker answers through `changed`.
    std::mutex mutex;
    std::condition_variable changed;
    Stage stage = Stage::Opening;
    bool closing = false;
    bool finished = false;
    std::deque<std::uint32_t> queued;
    std::uint64_t sent = 0;
    std::uint64_t played = 0;
    // Owned by the worker; null until the soundfont has loaded. Read by the audio output.
    std::atomic<fluid_synth_t*> synth{nullptr};
};

void FluidSynthMidiOut::Device::run(const std::shared_ptr<Device>& device, FluidSynthOptions options, const QByteArray& soundFont)
{
    const FluidSynthLibrary& fluid = device->fluid;
    silenceLibraries(fluid);
    SettingsHandle settings(fluid.newSettings(), {fluid.deleteSettings});
    DriverHandle driver(nullptr, {fluid.deleteAudioDriver});
    if (settings) {
        fluid.setNumber(settings.get(), "synth.sample-rate", SampleRate);
        fluid.setNumber(settings.get(), "synth.gain", Gain);
        fluid.setInteger(settings.get(), "synth.verbose", options.logEvents ? 1 : 0);
        // The soundfont's samples are read when an instrument is chosen, only that
        // instrument's: the keys play one, and the whole font would take some 6 MiB.
        fluid.setInteger(settings.get(), "synth.dynamic-sample-loading", 1);
        // A sound server that takes the connection and never answers holds this thread here.
        for (const QByteArray& name : std::as_const(options.audioDrivers)) {
            if (fluid.setString(settings.get(), "audio.driver", name.constData()) != FLUID_OK)
                continue;
            driver.reset(fluid.newAudioDriver(settings.get(), &Device::renderInto, device.get()));
            if (driver)
                break;
        }
    }
    const bool open = settings && (driver || options.audioDrivers.isEmpty());
    {
        std::lock_guard lock(device->mutex);
        device->stage = open ? Stage::Open : Stage::Failed;
    }
    device->changed.notify_all();
    if (open)
        device->play(settings.get(), soundFont);
    // The output stops before the synthesizer it plays goes.
    driver.reset();
    if (fluid_synth_t* loaded = device->synth.exchange(nullptr))
        fluid.deleteSynth(loaded);
    {
        std::lock_guard lock(device->mutex);
        device->finished = true;
    }
    device->changed.notify_all();
}

void FluidSynthMidiOut::Device::play(fluid_settings_t* settings, const QByteArray& soundFont)
{
    if (fluid_synth_t* loading = fluid.newSynth(settings)) {
        if (fluid.loadSoundFont(loading, soundFont.constData(), 0) == FLUID_FAILED) {
            fluid.deleteSynth(loading);
        } else {
            // The instrument chosen meanwhile reads its samples as it is chosen: done before
            // notes are let through, so that the first note is not held up by it.
            std::unique_lock lock(mutex);
            const std::deque<std::uint32_t> chosen = std::exchange(queued, {});
            lock.unlock();
            for (const std::uint32_t message : chosen)
                numerette::play(fluid, loading, message);
            lock.lock();
            played += chosen.size();
            synth.store(loading, std::memory_order_release);
            changed.notify_all();
        }
    }
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return closing || !queued.empty(); });
        if (closing)
            return;
        std::deque<std::uint32_t> batch = std::exchange(queued, {});
        lock.unlock();
        if (fluid_synth_t* loaded = synth.load(std::memory_order_acquire)) {
            for (const std::uint32_t message : batch)
                numerette::play(fluid, loaded, message);
        }
        lock.lock();
        played += batch.size();
        changed.notify_all();
    }
}

FluidSynthMidiOut::FluidSynthMidiOut(FluidSynthOptions options)
    : m_options(std::move(options))
{
}

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    close();
}

bool FluidSynthMidiOut::open()
{
    if (m_device)
        return true;
    const auto soundFont = std::find_if(m_options.soundFonts.cbegin(), m_options.soundFonts.cend(),
                                        [](const QString& path) { return QFileInfo(path).isFile(); });
    if (soundFont == m_options.soundFonts.cend())
        return false;
    const FluidSynthLibrary* fluid = FluidSynthLibrary::get();
    if (!fluid)
        return false;

    auto device = std::make_shared<Device>(*fluid);
    std::thread(&Device::run, device, m_options, QFile::encodeName(*soundFont)).detach();
    Device::Stage stage;
    {
        std::unique_lock lock(device->mutex);
        device->changed.wait_for(lock, QuickAnswer, [&device] { return device->stage != Device::Stage::Opening; });
        stage = device->stage;
    }
    if (stage == Device::Stage::Failed)
        return false;
    m_device = std::move(device);
    if (stage == Device::Stage::Opening)
        watchOpening();
    return true;
}

// The answer is read in turns of the event loop, so the window never waits for it.
void FluidSynthMidiOut::watchOpening()
{
    m_openingDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.openTimeLimitMs);
    if (!m_openingWatch) {
        m_openingWatch = std::make_unique<QTimer>();
        m_openingWatch->setInterval(WatchIntervalMs);
        QObject::connect(m_openingWatch.get(), &QTimer::timeout, m_openingWatch.get(), [this] {
            Device::Stage stage = Device::Stage::Failed;
            if (m_device) {
                std::lock_guard lock(m_device->mutex);
                stage = m_device->stage;
            }
            if (stage == Device::Stage::Open)
                m_openingWatch->stop();
            else if (stage == Device::Stage::Failed || std::chrono::steady_clock::now() >= m_openingDeadline)
                lose();
        });
    }
    m_openingWatch->start();
}

void FluidSynthMidiOut::lose()
{
    close();
    if (m_failureHandler)
        m_failureHandler();
}

void FluidSynthMidiOut::setFailureHandler(std::function<void()> handler)
{
    m_failureHandler = std::move(handler);
}

void FluidSynthMidiOut::shortMessage(std::uint32_t message)
{
    if (!m_device || (isNote(message) && !isReady()))
        return;
    {
        std::lock_guard lock(m_device->mutex);
        m_device->queued.push_back(message);
        ++m_device->sent;
    }
    m_device->changed.notify_all();
}

// Waits a moment for the worker to let go of the output, so that a program that ends now
// does not end in the middle of it; a worker held by a hanging sound server is left behind.
void FluidSynthMidiOut::close()
{
    if (m_openingWatch)
        m_openingWatch->stop();
    const std::shared_ptr<Device> device = std::exchange(m_device, nullptr);
    if (!device)
        return;
    std::unique_lock lock(device->mutex);
    device->closing = true;
    device->changed.notify_all();
    device->changed.wait_for(lock, QuickAnswer, [&device] { return device->finished; });
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
    if (!m_device)
        return;
    {
        std::unique_lock lock(m_device->mutex);
        m_device->changed.wait_for(lock, std::chrono::seconds(1), [this] {
            return m_device->played == m_device->sent || m_device->finished;
        });
    }
    float* out[] = {left, right};
    process(m_device->fluid, m_device->synth.load(std::memory_order_acquire), frames, 0, nullptr, 2, out);
}

} // namespace numerette
