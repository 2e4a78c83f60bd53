#pragma once

#include <cstdint>

#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// What the analyser replies to one request.
struct Answer {
    enum class Kind { None, Ack, Nak, Busy, Fail, Data };

    Kind kind = Kind::None;
    std::uint8_t failCode = 0;
    wirelink::ByteBuffer data;

    static Answer ack() { return {Kind::Ack, 0, {}}; }
    static Answer nak() { return {Kind::Nak, 0, {}}; }
    static Answer busy() { return {Kind::Busy, 0, {}}; }
    static Answer fail(std::uint8_t code) { return {Kind::Fail, code, {}}; }
    static Answer withData(wirelink::ByteBuffer bytes) { return {Kind::Data, 0, std::move(bytes)}; }
};

// Fail codes of the protocol.
inline constexpr std::uint8_t kFailWrongType = 0x20;
inline constexpr std::uint8_t kFailUnknownCommand = 0x21;
inline constexpr std::uint8_t kFailDataCount = 0x22;
inline constexpr std::uint8_t kFailTooManyData = 0x23;

// Write statuses reported by the status request.
inline constexpr std::uint8_t kStatusOk = 0;
inline constexpr std::uint8_t kStatusReadOnly = 1;
inline constexpr std::uint8_t kStatusWriteFailure = 2;
inline constexpr std::uint8_t kStatusUnexpected = 3;
inline constexpr std::uint8_t kStatusOutOfRange = 4;

}  // namespace kilnward::sim
