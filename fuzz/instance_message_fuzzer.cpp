// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes arbitrary bytes as what a connection to the first instance received. A complete
// message must encode back to the same bytes, and the decoder must judge a message as soon
// as the bytes allow: one byte less of a complete message is incomplete, and bytes that are
// invalid stay invalid whatever follows.
//
// Input: the bytes received.
#include <cstddef>
#include <cstdint>

#include "fuzz_failure.h"
#include "instance_message.h"

using namespace numerette;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const DecodedInstanceMessage decoded = decodeInstanceMessage(bytes);
    if (decoded.status == DecodeStatus::Complete) {
        if (encodeInstanceMessage(decoded.message) != bytes.toByteArray())
            fuzzFailure(QStringLiteral("a decoded message does not encode back to its bytes"));
    }
    if (size == 0)
        return 0;
    const DecodeStatus shorter = decodeInstanceMessage(bytes.chopped(1)).status;
    if (decoded.status == DecodeStatus::Complete && shorter != DecodeStatus::Incomplete)
        fuzzFailure(QStringLiteral("a complete message less one byte is not incomplete"));
    if (shorter == DecodeStatus::Invalid && decoded.status != DecodeStatus::Invalid)
        fuzzFailure(QStringLiteral("invalid bytes became valid with one more byte"));
    return 0;
}
