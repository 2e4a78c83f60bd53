#include "wirelink/ResponseDecoder.h"

#include "wirelink/Frame.h"

namespace wirelink {

namespace {
constexpr std::size_t kHeaderBytes = 6;  // address, type, command low/high, count
constexpr std::size_t kDataOffset = 7;
}  // namespace

std::size_t ResponseDecoder::readSize() const noexcept {
    if (phase_ == Phase::First || phase_ == Phase::FailCode) {
        return 1;
    }
    // Every byte waiting, but never more than the longest frame in all.
    return received_.size() >= kMaxResponseFrame ? 0 : kMaxResponseFrame - received_.size();
}

std::optional<AttemptOutcome> ResponseDecoder::feed(const ByteBuffer& bytes) {
    received_.insert(received_.end(), bytes.begin(), bytes.end());
    switch (phase_) {
        case Phase::First:
            return decodeFirst();
        case Phase::FailCode:
            return received_.size() >= 2 ? std::optional(AttemptOutcome::FAIL) : std::nullopt;
        case Phase::Header:
            return decodeHeader();
        case Phase::Body:
            return decodeBody();
    }
    return std::nullopt;
}

std::optional<AttemptOutcome> ResponseDecoder::decodeFirst() {
    if (received_.empty()) {
        return std::nullopt;
    }
    // Only byte 0 decides: an unrecognised byte stays in front, so the attempt runs into
    // its time-out and the next attempt starts afresh. What follows it can never be
    // recognised, so it is not kept: a peer that never stops sending costs no memory.
    switch (received_[0]) {
        case kNak:
            return AttemptOutcome::NAK;
        case kBusy:
            return AttemptOutcome::BUSY;
        case kAck:
            return AttemptOutcome::ACK;
        case kFail:
            phase_ = Phase::FailCode;
            return std::nullopt;
        case kStartByte:
            phase_ = Phase::Header;
            wanted_ = kHeaderBytes;
            return std::nullopt;
        default:
            received_.resize(1);
            return std::nullopt;
    }
}

std::optional<AttemptOutcome> ResponseDecoder::decodeHeader() {
    if (received_.size() < 1 + kHeaderBytes) {
        // A short header read (the caller read less than it was asked to wait for):
        // keep collecting header bytes.
        wanted_ = 1 + kHeaderBytes - received_.size();
        return std::nullopt;
    }
    const std::size_t count = declaredCount();
    if (count > kMaxResponseData) {
        return AttemptOutcome::TOOLONG;
    }
    // Bytes the header read brought beyond the header count towards the body; a read that
    // already holds the whole frame leaves nothing to wait for.
    wanted_ = missingBodyBytes();
    phase_ = Phase::Body;
    return std::nullopt;
}

std::optional<AttemptOutcome> ResponseDecoder::decodeBody() {
    wanted_ = missingBodyBytes();
    if (wanted_ > 0) {
        return std::nullopt;  // a read shorter than what was waited for
    }
    // Bytes beyond the declared length in the same read stay in: the last two bytes
    // received are taken as the checksum.
    return validateBody();
}

std::size_t ResponseDecoder::missingBodyBytes() const {
    const std::size_t frameLength = kDataOffset + declaredCount() + 2;
    return received_.size() >= frameLength ? 0 : frameLength - received_.size();
}

AttemptOutcome ResponseDecoder::validateBody() const {
    const std::size_t length = received_.size();
    const std::uint16_t checksum = FrameChecksum(received_.data(), length - 2);
    const bool matches =
        received_[length - 2] == (checksum & 0xFF) && received_[length - 1] == (checksum >> 8);
    return matches ? AttemptOutcome::DATA : AttemptOutcome::CHECKSUM;
}

std::size_t ResponseDecoder::declaredCount() const {
    return received_[5] + 256u * received_[6];
}

std::uint8_t ResponseDecoder::failCode() const {
    return received_.size() >= 2 ? received_[1] : 0;
}

ByteBuffer ResponseDecoder::data() const {
    if (received_.size() < kDataOffset) {
        return {};
    }
    const std::size_t count = declaredCount();
    if (received_.size() < kDataOffset + count) {
        return {};
    }
    return ByteBuffer(received_.begin() + kDataOffset, received_.begin() + kDataOffset + count);
}

}  // namespace wirelink
