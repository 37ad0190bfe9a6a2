// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace numerette {

// A MIDI output device on the desktop's default synthesizer, taking short messages: the
// status byte in bits 0-7, the first data byte in bits 8-15, the second in bits 16-23
// (0x782493 is a note-on of note 36, velocity 120, on the fourth channel).
class MidiOut {
public:
    virtual ~MidiOut() = default;

    // False when there is no synthesizer to play on (no audio output, no soundfont).
    // Opening an open device keeps it as it is. Never waits long: an output that takes
    // longer to answer is opened in the background, and if it fails the device closes
    // and reports it through the failure handler.
    virtual bool open() = 0;
    // Called on the owner's thread when an open device loses its output; the device is
    // closed by then.
    virtual void setFailureHandler(std::function<void()> handler) = 0;
    // Has no effect while the device is closed.
    virtual void shortMessage(std::uint32_t message) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
};

} // namespace numerette
