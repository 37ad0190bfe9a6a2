// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "midi_out.h"

namespace numerette {

// A MIDI device for tests: records the messages sent while it is open; opening can be
// made to fail, at once or later (an output that never answered).
class FakeMidiOut final : public MidiOut {
public:
    bool open() override;
    void shortMessage(std::uint32_t message) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void setFailureHandler(std::function<void()> handler) override { m_failureHandler = std::move(handler); }

    // The open device loses its output, as one opened in the background that failed.
    void failLater();

    void setOpenFails(bool fails) { m_openFails = fails; }
    const std::vector<std::uint32_t>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }
    int openCount() const { return m_openCount; }

private:
    std::vector<std::uint32_t> m_messages;
    bool m_open = false;
    bool m_openFails = false;
    int m_openCount = 0;
    std::function<void()> m_failureHandler;
};

} // namespace numerette
