// SPDX-License-Identifier: GPL-3.0-or-later
#include "fluid_synth_library.h"

#include <optional>

#include <QLibrary>

namespace numerette {

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::optional<FluidSynthLibrary> load()
{
    // Never unloaded: the audio drivers' threads run in it until the process ends.
    QLibrary library(QStringLiteral(NUMERETTE_FLUIDSYNTH_LIBRARY));
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load())
        return std::nullopt;
    FluidSynthLibrary functions{};
    const bool complete = resolve(library, "new_fluid_settings", functions.newSettings)
        && resolve(library, "delete_fluid_settings", functions.deleteSettings)
        && resolve(library, "fluid_settings_setnum", functions.setNumber)
        && resolve(library, "fluid_settings_setint", functions.setInteger)
        && resolve(library, "fluid_settings_setstr", functions.setString)
        && resolve(library, "new_fluid_audio_driver2", functions.newAudioDriver)
        && resolve(library, "delete_fluid_audio_driver", functions.deleteAudioDriver)
        && resolve(library, "new_fluid_synth", functions.newSynth)
        && resolve(library, "delete_fluid_synth", functions.deleteSynth)
        && resolve(library, "fluid_synth_sfload", functions.loadSoundFont)
        && resolve(library, "fluid_synth_noteon", functions.noteOn)
        && resolve(library, "fluid_synth_noteoff", functions.noteOff)
        && resolve(library, "fluid_synth_program_change", functions.programChange)
        && resolve(library, "fluid_synth_process", functions.process)
        && resolve(library, "fluid_set_log_function", functions.setLogFunction);
    if (!complete)
        return std::nullopt;
    // Already in the process when the library uses ALSA: loading it again only finds it.
    QLibrary alsa(QStringLiteral("asound"), 2);
    alsa.setLoadHints(QLibrary::PreventUnloadHint);
    if (alsa.load())
        resolve(alsa, "snd_lib_error_set_handler", functions.setAlsaErrorHandler);
    return functions;
}

} // namespace

const FluidSynthLibrary* FluidSynthLibrary::get()
{
    static const std::optional<FluidSynthLibrary> library = load();
    return library ? &*library : nullptr;
}

} // namespace numerette
