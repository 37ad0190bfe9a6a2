// SPDX-License-Identifier: GPL-3.0-or-later
// Times the key sounds' device opened after the window has painted, as the calculator opens
// it: how long from the opening until notes sound (the library loaded, the soundfont read),
// the first opening in the process and later ones, and how long a note sent then takes to
// be played. A key typed later than the opening's time after the window painted sounds on
// time. Offline, without a sound server: an audio output adds its own few milliseconds.
// Not a test.
//   bench_first_sound [RUNS]
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "fluid_synth_midi_out.h"

using numerette::FluidSynthMidiOut;
using numerette::FluidSynthOptions;

namespace {

constexpr std::uint32_t NoteOn = 0x782493;
// The calculator chooses the instrument as it opens the device: the piano, on the fourth
// channel.
constexpr std::uint32_t ProgramChange = 0x00C3;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from open() until the soundfont and the instrument have loaded.
double openUntilReady()
{
    FluidSynthMidiOut midi(FluidSynthOptions{.audioDrivers = {}});
    QElapsedTimer clock;
    clock.start();
    if (!midi.open())
        return -1;
    midi.shortMessage(ProgramChange);
    while (!midi.isReady())
        QThread::usleep(200);
    return double(clock.nsecsElapsed()) / 1e6;
}

// Milliseconds from a note sent to a ready device until its sound has been rendered.
double noteUntilPlayed()
{
    FluidSynthMidiOut midi(FluidSynthOptions{.audioDrivers = {}});
    if (!midi.open())
        return -1;
    midi.shortMessage(ProgramChange);
    while (!midi.isReady())
        QThread::usleep(200);
    std::vector<float> left(64), right(64);
    QElapsedTimer clock;
    clock.start();
    midi.shortMessage(NoteOn);
    midi.render(64, left.data(), right.data());
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    const double first = openUntilReady();
    if (first < 0) {
        std::puts("no soundfont or no FluidSynth library: nothing to time");
        return 1;
    }
    std::vector<double> later, played;
    for (int run = 0; run < runs; ++run) {
        later.push_back(openUntilReady());
        played.push_back(noteUntilPlayed());
    }
    std::printf("| Key sounds' device, offline | ms |\n|---|---|\n");
    std::printf("| Opened to ready, first in the process (library loaded) | %.1f |\n", first);
    std::printf("| Opened to ready, later, median of %d | %.1f |\n", runs, median(later));
    std::printf("| Note sent to note rendered, ready device, median of %d | %.2f |\n", runs, median(played));
    return 0;
}
