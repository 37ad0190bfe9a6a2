// SPDX-License-Identifier: GPL-3.0-or-later
#include "instance_message.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace numerette {

namespace {

constexpr QByteArrayView Magic("NUM9");
constexpr qsizetype KindOffset = 4;
constexpr qsizetype LengthOffset = 5;
constexpr qsizetype HeaderSize = 9;

bool isKnownKind(char byte)
{
    const auto kind = static_cast<InstanceMessage::Kind>(byte);
    return kind == InstanceMessage::Kind::HandOver || kind == InstanceMessage::Kind::Close
        || kind == InstanceMessage::Kind::PressKey;
}

DecodedInstanceMessage withStatus(DecodeStatus status)
{
    return {status, {}};
}

} // namespace

std::optional<QByteArray> encodeInstanceMessage(const InstanceMessage& message)
{
    const QByteArray text = message.text.toUtf8();
    if (text.size() > MaxInstanceMessageText)
        return std::nullopt;
    QByteArray bytes = Magic.toByteArray();
    bytes.append(static_cast<char>(message.kind));
    char length[4];
    qToBigEndian(static_cast<quint32>(text.size()), length);
    bytes.append(length, sizeof length);
    bytes.append(text);
    return bytes;
}

DecodedInstanceMessage decodeInstanceMessage(QByteArrayView bytes)
{
    const qsizetype magicSeen = std::min(bytes.size(), Magic.size());
    if (bytes.first(magicSeen) != Magic.first(magicSeen))
        return withStatus(DecodeStatus::Invalid);
    if (bytes.size() > KindOffset && !isKnownKind(bytes[KindOffset]))
        return withStatus(DecodeStatus::Invalid);
    if (bytes.size() < HeaderSize)
        return withStatus(DecodeStatus::Incomplete);

    const auto length = qFromBigEndian<quint32>(bytes.data() + LengthOffset);
    if (length > MaxInstanceMessageText)
        return withStatus(DecodeStatus::Invalid);
    const qsizetype total = HeaderSize + qsizetype(length);
    if (bytes.size() < total)
        return withStatus(DecodeStatus::Incomplete);
    if (bytes.size() > total)
        return withStatus(DecodeStatus::Invalid);

    // Keep a leading byte-order mark: the text arrives exactly as it was sent.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes.sliced(HeaderSize));
    if (decoder.hasError())
        return withStatus(DecodeStatus::Invalid);
    return {DecodeStatus::Complete,
            {static_cast<InstanceMessage::Kind>(bytes[KindOffset]), text}};
}

} // namespace numerette
