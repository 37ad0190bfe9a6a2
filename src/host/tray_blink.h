// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace numerette {

// The icon's blink, one step per tick of the 200 ms tray timer: the picture and a transparent
// image in turn, starting and ending on the picture, for 14 ticks at least and on for as long
// as something needs attention.
class TrayBlink {
public:
    enum class Image { Picture, Transparent };

    struct Step {
        Image image = Image::Picture;
        // The blink is over: the timer stops.
        bool finished = false;
    };

    // needsAttention: an alarm rings or the shutdown countdown runs.
    Step tick(bool needsAttention);

private:
    // Set between the first and the last tick of a blink.
    bool m_running = false;
    bool m_transparent = false;
    int m_ticks = 0;
};

} // namespace numerette
