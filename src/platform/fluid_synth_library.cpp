// SPDX-License-Identifier: GPL-3.0-or-later
#include "fluid_synth_library.h"

#include <optional>

#include <QLibrary>

#include "library_functions.h"

namespace numerette {

namespace {

std::optional<FluidSynthLibrary> load()
{
    // Never unloaded: the audio drivers' threads run in it until the process ends.
    QLibrary library(QStringLiteral(NUMERETTE_FLUIDSYNTH_LIBRARY));
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load())
        return std::nullopt;
    FluidSynthLibrary functions{};
    const bool complete = resolveFunction(library, "new_fluid_settings", functions.newSettings)
        && resolveFunction(library, "delete_fluid_settings", functions.deleteSettings)
        && resolveFunction(library, "fluid_settings_setnum", functions.setNumber)
        && resolveFunction(library, "fluid_settings_setint", functions.setInteger)
        && resolveFunction(library, "fluid_settings_setstr", functions.setString)
        && resolveFunction(library, "new_fluid_audio_driver2", functions.newAudioDriver)
        && resolveFunction(library, "delete_fluid_audio_driver", functions.deleteAudioDriver)
        && resolveFunction(library, "new_fluid_synth", functions.newSynth)
        && resolveFunction(library, "delete_fluid_synth", functions.deleteSynth)
        && resolveFunction(library, "fluid_synth_sfload", functions.loadSoundFont)
        && resolveFunction(library, "fluid_synth_noteon", functions.noteOn)
        && resolveFunction(library, "fluid_synth_noteoff", functions.noteOff)
        && resolveFunction(library, "fluid_synth_program_change", functions.programChange)
        && resolveFunction(library, "fluid_synth_process", functions.process)
        && resolveFunction(library, "fluid_set_log_function", functions.setLogFunction);
    if (!complete)
        return std::nullopt;
    // Already in the process when the library uses ALSA: loading it again only finds it.
    QLibrary alsa(QStringLiteral("asound"), 2);
    alsa.setLoadHints(QLibrary::PreventUnloadHint);
    if (alsa.load())
        resolveFunction(alsa, "snd_lib_error_set_handler", functions.setAlsaErrorHandler);
    return functions;
}

} // namespace

const FluidSynthLibrary* FluidSynthLibrary::get()
{
    static const std::optional<FluidSynthLibrary> library = load();
    return library ? &*library : nullptr;
}

} // namespace numerette
