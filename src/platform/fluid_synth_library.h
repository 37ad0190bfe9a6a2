// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fluidsynth.h>

namespace numerette {

// The FluidSynth functions the synthesizer plays with, from the library loaded the first time
// a device opens rather than linked into the program: the library and the audio stack it
// brings (some forty files: the sound servers' clients, the sample formats) stay out of a
// start that plays no note.
struct FluidSynthLibrary {
    decltype(&::new_fluid_settings) newSettings;
    decltype(&::delete_fluid_settings) deleteSettings;
    decltype(&::fluid_settings_setnum) setNumber;
    decltype(&::fluid_settings_setint) setInteger;
    decltype(&::fluid_settings_setstr) setString;
    decltype(&::new_fluid_audio_driver2) newAudioDriver;
    decltype(&::delete_fluid_audio_driver) deleteAudioDriver;
    decltype(&::new_fluid_synth) newSynth;
    decltype(&::delete_fluid_synth) deleteSynth;
    decltype(&::fluid_synth_sfload) loadSoundFont;
    decltype(&::fluid_synth_noteon) noteOn;
    decltype(&::fluid_synth_noteoff) noteOff;
    decltype(&::fluid_synth_program_change) programChange;
    decltype(&::fluid_synth_process) process;
    decltype(&::fluid_set_log_function) setLogFunction;
    // ALSA's error report, which the library's own audio driver prints through; null when
    // the library came without ALSA.
    int (*setAlsaErrorHandler)(void (*)(const char*, int, const char*, int, const char*, ...));

    // Loaded on the first call, then kept for the life of the process; null when the library
    // or one of its functions is missing (the device then has no synthesizer to play on).
    static const FluidSynthLibrary* get();
};

} // namespace numerette
