// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>

namespace numerette {

// For the libraries loaded when first used rather than linked (the synthesizer, the
// spreadsheet writer, the printing service): sets `function` to the library's function of
// that name, of the type its header declares; false when the library lacks it.
template <typename Function>
bool resolveFunction(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace numerette
