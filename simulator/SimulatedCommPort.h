#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "simulator/AnalyserSimulator.h"
#include "wirelink/Clock.h"
#include "wirelink/CommPort.h"

namespace kilnward::sim {

// The "Simulated analyser" port: a wirelink::CommPort whose other end is an in-process
// AnalyserSimulator. Bytes travel at the line speed of the port's settings (ten bits per
// byte) in both directions, on the given clock: with the real clock answers arrive after
// their line time and waits block without spinning; with an injected fake clock a test
// runs in no time. The port sets the simulator's pace to its line speed.
//
// With setInfraredAdapter(true) it also plays the infrared adapter on the modem lines:
// while DTR is low the adapter listens for its speed code (DSR low, and a byte written is
// consumed by the adapter instead of reaching the analyser); once it has a code and DTR is
// high again it passes data, raising DSR only while a byte is still on its way. An adapter
// that never got a code keeps DSR following DTR and passes nothing.
class SimulatedCommPort final : public wirelink::CommPort {
  public:
    // `simulator` and `clock` must outlive the port.
    explicit SimulatedCommPort(AnalyserSimulator& simulator,
                               wirelink::Clock& clock = wirelink::DefaultClock());

    // The line speed of the default settings.
    static constexpr unsigned kDefaultBaud = 9600;
    // Bytes the port holds at most in each direction, like a serial driver's buffers.
    static constexpr std::size_t kReceiveBufferSize = 65536;
    static constexpr std::size_t kSendBufferSize = 65536;

    void setInfraredAdapter(bool present) { adapter_ = present; }
    // Speed codes the adapter took, in order, since the port was opened.
    const std::vector<std::uint8_t>& adapterSpeedCodes() const { return speedCodes_; }
    bool dtr() const { return dtr_; }
    bool rts() const { return rts_; }

    void setPortNumber(std::int16_t number) override;
    void setPortName(const std::string& name) override { name_ = name; }
    std::string portName() const override { return name_; }
    // Also sets the simulator's pace to the new line speed.
    void setSettings(const std::string& settings) override;
    std::string settings() const override { return settings_; }

    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }

    bool hasModemLines() const override { return true; }
    void setDtr(bool high) override;
    void setRts(bool high) override { rts_ = high; }
    bool dsrHolding() override;

    std::size_t bytesAvailable() override;
    void discardInput() override;
    wirelink::ByteBuffer read(std::size_t maxBytes) override;

    void write(const wirelink::ByteBuffer& bytes) override;
    std::size_t bytesToWrite() override;

    int takeLineError() override { return std::exchange(lineError_, 0); }
    bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) override;
    bool waitForBytesWritten(std::chrono::milliseconds timeout) override;

  private:
    void requireOpen() const;
    // Moves everything whose time has come: our bytes to the analyser, its answers to us.
    void pump();
    std::optional<TimePoint> nextEvent() const;
    // Sleeps until the next event and returns true; when that lies past `deadline` (or
    // there is none), sleeps until `deadline` and returns false.
    bool sleepUntilEvent(TimePoint deadline);
    // Pumps and sleeps from event to event until `done` holds or `timeout` has passed;
    // returns whether `done` holds.
    bool waitUntil(std::chrono::milliseconds timeout, const std::function<bool()>& done);

    AnalyserSimulator& simulator_;
    wirelink::Clock& clock_;
    std::string name_ = "simulator";
    std::string settings_ = "9600,n,8,1";
    bool open_ = false;
    bool dtr_ = false;
    bool rts_ = false;
    bool adapter_ = false;
    bool adapterProgrammed_ = false;
    std::vector<std::uint8_t> speedCodes_;
    std::deque<std::pair<TimePoint, std::uint8_t>> outgoing_;
    TimePoint lineFree_{};
    wirelink::ByteBuffer incoming_;
    int lineError_ = 0;
};

}  // namespace kilnward::sim
