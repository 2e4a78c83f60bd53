#pragma once

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "simulator/AnalyserCommandSet.h"
#include "simulator/FaultPlan.h"
#include "simulator/FrameAssembler.h"
#include "simulator/OutputSchedule.h"
#include "simulator/SimTime.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// A simulated analyser with one instrument type code and address: the instrument side of
// the frame protocol, the analyser's command set and scripted faults.
//
// It is a pure byte engine with no clock and no I/O of its own: the caller feeds it the
// bytes received, with the time they arrived, and takes the bytes to send once their time
// has come. That lets one engine serve a pseudo-terminal and an in-process port alike.
class AnalyserSimulator {
  public:
    using Logger = std::function<void(const std::string&)>;

    // `now` anchors the analyser's clock, which starts at `clockStart`.
    AnalyserSimulator(std::uint8_t type, std::uint8_t addr, TimePoint now,
                      const QDateTime& clockStart = QDateTime::currentDateTime());

    // Answers go out at `baud` with ten bits per byte; 0 sends them at once.
    void setPaceBaud(unsigned baud);
    Duration byteTime() const { return output_.byteTime(); }

    // A fault whose `from` is 0 starts with the next request.
    void addFault(const FaultRule& rule) { faults_.add(rule, requests_ + 1); }
    // Called with one line per request served.
    void setLogger(Logger logger) { logger_ = std::move(logger); }

    void receive(const wirelink::ByteBuffer& bytes, TimePoint now);
    std::optional<TimePoint> nextOutputTime() const { return output_.nextDue(); }
    wirelink::ByteBuffer takeOutput(TimePoint now) { return output_.takeDue(now); }

    // Requests addressed to this analyser so far.
    std::uint64_t requestCount() const { return requests_; }
    AnalyserCommandSet& state() { return commands_; }
    const AnalyserCommandSet& state() const { return commands_; }

  private:
    void handle(const RequestFrame& request, TimePoint now);
    Answer answer(const RequestFrame& request, TimePoint now, std::string& note);
    void transmit(const RequestFrame& request, const Answer& answer, TimePoint now,
                  std::string& note);
    wirelink::ByteBuffer encode(const RequestFrame& request, const Answer& answer) const;

    std::uint8_t type_;
    std::uint8_t addr_;
    FrameAssembler assembler_;
    AnalyserCommandSet commands_;
    FaultPlan faults_;
    OutputSchedule output_;
    Logger logger_;
    std::uint64_t requests_ = 0;
    // Device writes received so far: what a dropwrite fault counts.
    std::uint64_t deviceWrites_ = 0;
};

}  // namespace kilnward::sim
