// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray_blink.h"

namespace numerette {

namespace {

constexpr int LeastTicks = 14;

} // namespace

TrayBlink::Step TrayBlink::tick(bool needsAttention)
{
    if (!m_running) {
        m_running = true;
        m_transparent = true; // so that the first tick shows the picture
        m_ticks = 0;
    }
    m_transparent = !m_transparent;
    if (m_ticks < LeastTicks)
        ++m_ticks;
    if (m_ticks >= LeastTicks && !needsAttention) {
        m_running = false;
        return {Image::Picture, true};
    }
    return {m_transparent ? Image::Transparent : Image::Picture, false};
}

} // namespace numerette
