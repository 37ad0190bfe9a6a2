// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include <QDBusConnection>
#include <QString>

namespace numerette {

// What became of a request to power the computer off.
struct PowerOffResult {
    bool accepted = false;
    // Why the request failed, as the service put it; empty when accepted.
    QString error;
};

// Powers the computer off without asking any application first.
class PowerOff {
public:
    virtual ~PowerOff() = default;
    virtual PowerOffResult powerOff() = 0;
};

// logind's PowerOff on the system bus, or on the bus given (tests give the bus of a fake
// service). The system bus is reached only when the request is made. Never interactive: a
// power-off that needs an authorisation fails.
class LogindPowerOff : public PowerOff {
public:
    LogindPowerOff() = default;
    explicit LogindPowerOff(QDBusConnection bus);
    PowerOffResult powerOff() override;

private:
    std::optional<QDBusConnection> m_bus;
};

// Records the requests and answers as told; for tests.
class FakePowerOff : public PowerOff {
public:
    PowerOffResult powerOff() override;

    void setResult(PowerOffResult result) { m_result = std::move(result); }
    int requests() const { return m_requests; }

private:
    PowerOffResult m_result{true, {}};
    int m_requests = 0;
};

} // namespace numerette
