#include <gtest/gtest.h>

#include <algorithm>

#include "wirelink/Frame.h"
#include "wirelink/ResponseDecoder.h"

namespace wirelink {
namespace {

using Phase = ResponseDecoder::Phase;

// Feeds the bytes the way the link reads them: what the decoder waits for, in reads of
// its read size, everything still to come already waiting at each read.
std::optional<AttemptOutcome> FeedAsRead(ResponseDecoder& decoder, const ByteBuffer& bytes) {
    std::size_t at = 0;
    for (;;) {
        const std::size_t left = bytes.size() - at;
        if (left < decoder.wanted()) {
            return std::nullopt;  // the line went silent: a time-out for the link
        }
        const std::size_t take = std::min(left, decoder.readSize());
        const ByteBuffer chunk(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                               bytes.begin() + static_cast<std::ptrdiff_t>(at + take));
        at += take;
        if (auto outcome = decoder.feed(chunk)) {
            return outcome;
        }
    }
}

TEST(ResponseDecoderTest, SingleByteAnswers) {
    for (const auto& [byte, outcome] :
         {std::pair{kAck, AttemptOutcome::ACK}, std::pair{kNak, AttemptOutcome::NAK},
          std::pair{kBusy, AttemptOutcome::BUSY}}) {
        ResponseDecoder decoder;
        EXPECT_EQ(decoder.wanted(), 1u);
        EXPECT_EQ(decoder.readSize(), 1u);
        EXPECT_EQ(decoder.feed({byte}), outcome);
    }
}

TEST(ResponseDecoderTest, FailWaitsForItsCode) {
    ResponseDecoder decoder;
    EXPECT_EQ(decoder.feed({kFail}), std::nullopt);
    EXPECT_EQ(decoder.phase(), Phase::FailCode);
    EXPECT_EQ(decoder.wanted(), 1u);
    EXPECT_EQ(decoder.feed({0x21}), AttemptOutcome::FAIL);
    EXPECT_EQ(decoder.failCode(), 0x21);
}

TEST(ResponseDecoderTest, UnknownFirstByteIsNeverRecognised) {
    ResponseDecoder decoder;
    EXPECT_EQ(decoder.feed({0x41}), std::nullopt);
    // An ACK behind a stray byte does not count: the attempt can only time out.
    EXPECT_EQ(decoder.feed({kAck}), std::nullopt);
    EXPECT_EQ(decoder.phase(), Phase::First);
    EXPECT_EQ(decoder.wanted(), 1u);
    // Nothing behind it is kept: a peer that never stops sending costs no memory.
    for (int i = 0; i < 100000; ++i) {
        decoder.feed({kStartByte});
    }
    EXPECT_EQ(decoder.received(), (ByteBuffer{0x41}));
}

TEST(ResponseDecoderTest, ReadsNeverTakeMoreThanTheLongestFrame) {
    ResponseDecoder decoder;
    decoder.feed({kStartByte});
    // Bytes beyond a frame are only read up to the longest frame in all.
    EXPECT_EQ(decoder.readSize(), kMaxResponseFrame - 1);
    decoder.feed({0, 0, 0, 0, 0xFD, 0x7F});
    EXPECT_EQ(decoder.readSize(), kMaxResponseFrame - 7);
    decoder.feed(ByteBuffer(kMaxResponseFrame - 8, 0));
    EXPECT_EQ(decoder.readSize(), 1u);
}

TEST(ResponseDecoderTest, DataFrameInThreeReads) {
    const ByteBuffer frame = BuildFrame(1, 9, 0x10, 0x00, {10, 20, 30}).value();
    ResponseDecoder decoder;
    EXPECT_EQ(decoder.feed({frame[0]}), std::nullopt);
    EXPECT_EQ(decoder.phase(), Phase::Header);
    EXPECT_EQ(decoder.wanted(), 6u);
    EXPECT_EQ(decoder.readSize(), kMaxResponseFrame - 1);
    EXPECT_EQ(decoder.feed(ByteBuffer(frame.begin() + 1, frame.begin() + 7)), std::nullopt);
    EXPECT_EQ(decoder.phase(), Phase::Body);
    EXPECT_EQ(decoder.wanted(), 5u);
    EXPECT_EQ(decoder.feed(ByteBuffer(frame.begin() + 7, frame.end())), AttemptOutcome::DATA);
    EXPECT_EQ(decoder.data(), (ByteBuffer{10, 20, 30}));
}

TEST(ResponseDecoderTest, HeaderReadBringingTheWholeFrameLeavesNothingToWaitFor) {
    const ByteBuffer frame = BuildFrame(1, 9, 0x10, 0x00, {1, 2}).value();
    ResponseDecoder decoder;
    decoder.feed({frame[0]});
    EXPECT_EQ(decoder.feed(ByteBuffer(frame.begin() + 1, frame.end())), std::nullopt);
    EXPECT_EQ(decoder.wanted(), 0u);
    EXPECT_EQ(decoder.feed({}), AttemptOutcome::DATA);
    EXPECT_EQ(decoder.data(), (ByteBuffer{1, 2}));
}

TEST(ResponseDecoderTest, ExtraBytesInTheSameReadAreTakenIntoTheChecksum) {
    ByteBuffer frame = BuildFrame(1, 9, 0x10, 0x00, {1, 2}).value();
    frame.push_back(0x33);
    ResponseDecoder decoder;
    EXPECT_EQ(FeedAsRead(decoder, frame), AttemptOutcome::CHECKSUM);
    // Arriving after the frame was complete, the same byte is never looked at.
    ResponseDecoder later;
    EXPECT_EQ(FeedAsRead(later, ByteBuffer(frame.begin(), frame.end() - 1)), AttemptOutcome::DATA);
}

TEST(ResponseDecoderTest, ShortReadInTheBodyKeepsWaiting) {
    const ByteBuffer frame = BuildFrame(1, 9, 0x10, 0x00, {1, 2, 3, 4}).value();
    ResponseDecoder decoder;
    decoder.feed({frame[0]});
    decoder.feed(ByteBuffer(frame.begin() + 1, frame.begin() + 7));
    EXPECT_EQ(decoder.feed({frame[7]}), std::nullopt);
    EXPECT_EQ(decoder.wanted(), 5u);
    EXPECT_EQ(decoder.feed(ByteBuffer(frame.begin() + 8, frame.end())), AttemptOutcome::DATA);
}

TEST(ResponseDecoderTest, WrongChecksum) {
    ByteBuffer frame = BuildFrame(1, 9, 0x10, 0x00, {1}).value();
    frame[7] ^= 0x80;
    ResponseDecoder decoder;
    EXPECT_EQ(FeedAsRead(decoder, frame), AttemptOutcome::CHECKSUM);
}

TEST(ResponseDecoderTest, CountLimit) {
    ResponseDecoder atLimit;
    atLimit.feed({kStartByte});
    EXPECT_EQ(atLimit.feed({1, 9, 0, 0x10, 0xFD, 0x7F}), std::nullopt);
    EXPECT_EQ(atLimit.wanted(), kMaxResponseData + 2);

    ResponseDecoder beyond;
    beyond.feed({kStartByte});
    EXPECT_EQ(beyond.feed({1, 9, 0, 0x10, 0xFE, 0x7F}), AttemptOutcome::TOOLONG);
}

}  // namespace
}  // namespace wirelink
