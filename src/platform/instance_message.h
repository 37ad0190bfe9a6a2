// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMetaType>
#include <QString>

#include <optional>

namespace numerette {

// What a starting process tells the first instance of the program.
struct InstanceMessage {
    enum class Kind : quint8 { HandOver = 1, Close = 2, PressKey = 3 };

    Kind kind = Kind::HandOver;
    // For a hand-over: the command word followed by the time of day. Words the receiver does
    // not know pass through unchanged; interpreting them is the receiver's business. For a key
    // press: the key's name as numerette --press took it ("7", "{Enter}").
    QString text;

    friend bool operator==(const InstanceMessage&, const InstanceMessage&) = default;
};

// Largest text a message carries, in UTF-8 bytes.
constexpr qsizetype MaxInstanceMessageText = 4096;

// The bytes of one message: "NUM9", the kind (one byte), the text length (4 bytes, big-endian)
// and the text in UTF-8. No value when the text exceeds MaxInstanceMessageText.
std::optional<QByteArray> encodeInstanceMessage(const InstanceMessage& message);

enum class DecodeStatus { Incomplete, Complete, Invalid };

struct DecodedInstanceMessage {
    DecodeStatus status = DecodeStatus::Incomplete;
    InstanceMessage message; // meaningful only when Complete
};

// Reads everything one connection has received so far. A connection carries one message, so
// bytes after it make the whole invalid. Invalid as early as the bytes allow: a wrong first
// byte, an unknown kind or an oversized length is rejected before the rest arrives.
DecodedInstanceMessage decodeInstanceMessage(QByteArrayView bytes);

} // namespace numerette

Q_DECLARE_METATYPE(numerette::InstanceMessage)
