#include <gtest/gtest.h>

#include "SimulatorHarness.h"

namespace kilnward::sim::test {
namespace {

ByteBuffer ReadRequest(std::uint32_t address, std::uint16_t count, std::uint8_t device = 1) {
    return {device,
            static_cast<std::uint8_t>(address),
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 24),
            static_cast<std::uint8_t>(count),
            static_cast<std::uint8_t>(count >> 8)};
}

ByteBuffer WriteRequest(std::uint32_t address, const ByteBuffer& data, std::uint8_t device = 1) {
    ByteBuffer request = ReadRequest(address, 0, device);
    request.resize(5);
    request.insert(request.end(), data.begin(), data.end());
    return request;
}

ByteBuffer Fail(std::uint8_t code) {
    return {wirelink::kFail, code};
}

class AnalyserSimulatorTest : public ::testing::Test, public SimulatorHarness {};

TEST_F(AnalyserSimulatorTest, StatusRequestAnswersTheDocumentedFrame) {
    EXPECT_EQ(raw({0x02, 0x05, 0x09, 0x03, 0x5A, 0x00, 0x00, 0x92, 0xFF}),
              (ByteBuffer{0x02, 0x05, 0x09, 0x03, 0x5A, 0x01, 0x00, 0x00, 0x91, 0xFF}));
}

TEST_F(AnalyserSimulatorTest, FrameChecksInOrder) {
    ByteBuffer corrupted = wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value();
    corrupted.back() ^= 0x01;
    EXPECT_EQ(raw(corrupted), kNakAnswer);
    EXPECT_EQ(request(0x5A, 0x03, {}, kAddr, 10), Fail(0x20));
    EXPECT_EQ(request(0x5A, 0x04), Fail(0x21));
    EXPECT_EQ(request(0xDF, 0x02), Fail(0x22));
    EXPECT_EQ(request(0x5E, 0x00, {1}), Fail(0x22));
    EXPECT_EQ(request(0xDC, 0x00, WriteRequest(0, ByteBuffer(257, 1))), Fail(0x23));
    // A wrong checksum is reported before anything else is looked at.
    ByteBuffer wrongTypeAndSum = wirelink::BuildFrame(kAddr, 10, 0x12, 0x34, {}).value();
    wrongTypeAndSum.back() ^= 0x01;
    EXPECT_EQ(raw(wrongTypeAndSum), kNakAnswer);
}

TEST_F(AnalyserSimulatorTest, OtherAddressesAndNoiseGetNoAnswer) {
    EXPECT_TRUE(request(0x5A, 0x03, {}, 6).empty());
    EXPECT_TRUE(raw({0x7F, 0x15, 0x00}).empty());
    EXPECT_EQ(sim.requestCount(), 0u);
    // Noise in front of a frame does not disturb it.
    ByteBuffer noisy{0x33, 0x44};
    const ByteBuffer frame = wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value();
    noisy.insert(noisy.end(), frame.begin(), frame.end());
    EXPECT_EQ(raw(noisy), status(0));
    EXPECT_EQ(sim.requestCount(), 1u);
}

TEST_F(AnalyserSimulatorTest, FrameCutShortByAPauseIsDropped) {
    const ByteBuffer frame = wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value();
    EXPECT_TRUE(raw(ByteBuffer(frame.begin(), frame.begin() + 4)).empty());
    clock.advance(std::chrono::seconds(1));
    EXPECT_EQ(raw(frame), status(0));
}

TEST_F(AnalyserSimulatorTest, FrameSplitAcrossReadsIsAssembled) {
    const ByteBuffer frame = wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value();
    EXPECT_TRUE(raw(ByteBuffer(frame.begin(), frame.begin() + 3)).empty());
    clock.advance(std::chrono::milliseconds(100));
    EXPECT_EQ(raw(ByteBuffer(frame.begin() + 3, frame.end())), status(0));
}

TEST_F(AnalyserSimulatorTest, DeviceWritesNeedAWriteTransaction) {
    EXPECT_EQ(request(0xDC, 0x00, WriteRequest(0x10, {0xAA, 0xBB})), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(3));
    EXPECT_EQ(request(0x5C, 0x00, ReadRequest(0x10, 2)), dataAnswer(0x5C, 0x00, {0, 0}));

    EXPECT_EQ(request(0xDF, 0x01, {1}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(0));
    EXPECT_EQ(request(0xDC, 0x00, WriteRequest(0x10, {0xAA, 0xBB})), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(0));
    EXPECT_EQ(request(0xDF, 0x00), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(0));
    EXPECT_FALSE(sim.state().inWriteTransaction());
    EXPECT_EQ(request(0x5C, 0x00, ReadRequest(0x0F, 4)),
              dataAnswer(0x5C, 0x00, {0, 0xAA, 0xBB, 0}));

    EXPECT_EQ(request(0xDF, 0x00), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(3)) << "ending a transaction never started";
}

TEST_F(AnalyserSimulatorTest, AccessOutsideTheSectorIsRefused) {
    request(0xDF, 0x01, {1});
    EXPECT_EQ(request(0xDC, 0x00, WriteRequest(2047, {1, 2})), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(4));
    EXPECT_EQ(request(0xDC, 0x00, WriteRequest(0, {1}, 2)), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(4));
    EXPECT_EQ(sim.state().sector().bytes(), ByteBuffer(2048, 0));

    EXPECT_EQ(request(0x5C, 0x00, ReadRequest(2016, 33)), Fail(0x22));
    EXPECT_EQ(request(0x5C, 0x00, ReadRequest(0xFFFFFFF0, 32)), Fail(0x22));
    EXPECT_EQ(request(0x5C, 0x00, ReadRequest(0, 1, 2)), Fail(0x22));
    const ByteBuffer whole = request(0x5C, 0x00, ReadRequest(0, 2048));
    EXPECT_EQ(whole, dataAnswer(0x5C, 0x00, ByteBuffer(2048, 0)));
}

TEST_F(AnalyserSimulatorTest, RemoteModeAndModeBytes) {
    EXPECT_EQ(request(0xDF, 0x02, {1}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(0));
    EXPECT_TRUE(sim.state().remoteMode());
    EXPECT_EQ(request(0xDF, 0x02, {7}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(4));
    EXPECT_TRUE(sim.state().remoteMode());
    EXPECT_EQ(request(0xDF, 0x02, {0}), kAckAnswer);
    EXPECT_FALSE(sim.state().remoteMode());
    EXPECT_EQ(request(0xDF, 0x01, {0}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(4));
    EXPECT_FALSE(sim.state().inWriteTransaction());
}

TEST_F(AnalyserSimulatorTest, ClockRecordRunsFromWhatWasSet) {
    EXPECT_EQ(request(0x5E, 0x00), dataAnswer(0x5E, 0x00, {5, 3, 26, 14, 7}));
    EXPECT_EQ(request(0xDE, 0x00, {31, 12, 99, 23, 59}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(0));
    EXPECT_EQ(request(0x5E, 0x00), dataAnswer(0x5E, 0x00, {31, 12, 99, 23, 59}));
    clock.advance(std::chrono::seconds(61));
    // One minute later the century has turned.
    EXPECT_EQ(request(0x5E, 0x00), dataAnswer(0x5E, 0x00, {1, 1, 0, 0, 0}));
}

TEST_F(AnalyserSimulatorTest, InvalidClockRecordIsOutOfRange) {
    for (const ByteBuffer& record :
         {ByteBuffer{31, 4, 3, 12, 0}, ByteBuffer{1, 13, 3, 12, 0}, ByteBuffer{1, 1, 100, 12, 0},
          ByteBuffer{1, 1, 3, 24, 0}, ByteBuffer{1, 1, 3, 12, 60}, ByteBuffer{0, 1, 3, 12, 0}}) {
        EXPECT_EQ(request(0xDE, 0x00, record), kAckAnswer);
        EXPECT_EQ(writeStatus(), status(4));
    }
    EXPECT_EQ(request(0x5E, 0x00), dataAnswer(0x5E, 0x00, {5, 3, 26, 14, 7}));
}

TEST_F(AnalyserSimulatorTest, PacedAnswersTakeTenBitsPerByte) {
    sim.setPaceBaud(9600);
    const auto start = clock.now();
    const ByteBuffer answer = writeStatus();
    EXPECT_EQ(answer, status(0));
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(clock.now() - start);
    EXPECT_NEAR(static_cast<double>(took.count()), 10 * 10'000'000.0 / 9600, 5.0);
}

TEST_F(AnalyserSimulatorTest, LoggerNamesEachRequest) {
    std::vector<std::string> lines;
    sim.setLogger([&](const std::string& line) { lines.push_back(line); });
    request(0xDF, 0x02, {1});
    request(0x5A, 0x03, {}, 9);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "#1 DF02 [01] -> ACK");
    EXPECT_EQ(lines[1], "frame for address 09 ignored");
}

}  // namespace
}  // namespace kilnward::sim::test
