#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "wirelink/CommPort.h"
#include "wirelink/FakeClock.h"
#include "wirelink/PortErrors.h"

namespace wirelink {

// A scripted serial port for tests. Every complete frame written is answered by the next
// queued reply (or the responder); answers arrive on the fake clock, and waits advance
// that clock instead of sleeping. Everything written is recorded with the line settings
// and modem lines in force at the time.
class FakeCommPort final : public CommPort {
  public:
    using duration = Clock::duration;

    // Bytes that arrive together, `gap` after the previous chunk (the first one: after
    // the frame was written). A non-zero line error is reported once they have arrived.
    struct Chunk {
        ByteBuffer bytes;
        duration gap{};
        int lineError = 0;
    };
    using Reply = std::vector<Chunk>;

    struct WriteRecord {
        ByteBuffer bytes;
        std::string settings;
        bool dtr = false;
        bool rts = false;
        Clock::time_point at;
    };

    // The delay of an instrument's answer unless a reply says otherwise.
    static constexpr duration kDefaultLatency = std::chrono::milliseconds(1);

    // One answer arriving at once after `latency`.
    static Reply Answer(const ByteBuffer& bytes, duration latency = kDefaultLatency);
    // One byte every `gap`.
    static Reply Trickle(const ByteBuffer& bytes, duration gap);
    // A response data frame for `data` (address, type and command as given).
    static ByteBuffer DataFrame(std::uint8_t addr, std::uint8_t type, std::uint8_t cmdh,
                                std::uint8_t cmdl, const ByteBuffer& data);

    explicit FakeCommPort(FakeClock& clock);

    // Script.
    void queueReply(Reply reply);
    void queueReplies(std::size_t count, const Reply& reply);
    // Answers frames when no reply is queued (no responder and no queued reply: silence).
    void setResponder(std::function<Reply(const ByteBuffer& frame)> responder);
    // Bytes that arrive without being asked for, `after` from now.
    void injectInput(const ByteBuffer& bytes, duration after = {}, int lineError = 0);
    // A peer that never goes quiet: `pattern` over and over, one byte every `gap` (at least
    // a microsecond) from now on. With `restartPerFrame`, every frame written starts the
    // pattern afresh (a peer that answers each request with the same endless answer).
    void streamInput(const ByteBuffer& pattern, duration gap, bool restartPerFrame = false);
    void setModemLines(bool present) { modemLines_ = present; }
    void setDsrHolding(bool high) { dsrHigh_ = high; }
    void holdDsrHighFor(duration d) { dsrHighUntil_ = clock_.now() + d; }
    void failNextOpen(PortError code, const std::string& text);

    // Observation.
    const std::vector<WriteRecord>& writes() const { return writes_; }
    // Complete frames written, bytes of byte-by-byte writes joined.
    const std::vector<ByteBuffer>& frames() const { return frames_; }
    // Everything done to the port in order: "port 3", "settings 9600,n,8,1", "open",
    // "close", "dtr 1", "rts 0", "write 02 05 ...", "discard".
    const std::vector<std::string>& log() const { return log_; }
    bool dtr() const { return dtr_; }
    bool rts() const { return rts_; }
    int openCount() const { return openCount_; }
    std::size_t repliesLeft() const { return replies_.size(); }

    // CommPort.
    void setPortNumber(std::int16_t number) override;
    void setPortName(const std::string& name) override;
    std::string portName() const override { return portName_; }
    void setSettings(const std::string& settings) override;
    std::string settings() const override { return settings_; }
    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool hasModemLines() const override { return modemLines_; }
    void setDtr(bool high) override;
    void setRts(bool high) override;
    bool dsrHolding() override;
    std::size_t bytesAvailable() override;
    void discardInput() override;
    ByteBuffer read(std::size_t maxBytes) override;
    void write(const ByteBuffer& bytes) override;
    std::size_t bytesToWrite() override { return 0; }
    int takeLineError() override;
    bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) override;
    bool waitForBytesWritten(std::chrono::milliseconds /*timeout*/) override { return true; }

  private:
    struct Arrival {
        Clock::time_point at;
        ByteBuffer bytes;
        int lineError;
    };

    void requireOpen(const char* what) const;
    void setModemLine(bool& line, bool high, const char* name);
    void collectFrames();
    void answer(const ByteBuffer& frame);
    void schedule(Clock::time_point at, const ByteBuffer& bytes, int lineError);
    void deliver();
    std::optional<Clock::time_point> nextArrival() const;

    FakeClock& clock_;
    std::deque<Reply> replies_;
    std::function<Reply(const ByteBuffer&)> responder_;
    std::vector<Arrival> arrivals_;  // ordered by time
    std::deque<std::uint8_t> received_;
    ByteBuffer stream_;
    duration streamGap_{};
    Clock::time_point streamNext_{};
    std::size_t streamAt_ = 0;
    bool streamRestarts_ = false;
    ByteBuffer pending_;  // written bytes not yet a complete frame
    std::vector<WriteRecord> writes_;
    std::vector<ByteBuffer> frames_;
    std::vector<std::string> log_;
    std::string portName_;
    std::string settings_ = "9600,n,8,1";
    std::optional<Error> openFailure_;
    Clock::time_point dsrHighUntil_{};
    int lineError_ = 0;
    int openCount_ = 0;
    bool open_ = false;
    bool modemLines_ = true;
    bool dtr_ = false;
    bool rts_ = false;
    bool dsrHigh_ = false;
};

}  // namespace wirelink
