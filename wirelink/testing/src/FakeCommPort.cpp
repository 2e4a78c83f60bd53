#include "wirelink/FakeCommPort.h"

#include <algorithm>

#include "wirelink/Frame.h"
#include "wirelink/LineSettings.h"

namespace wirelink {

namespace {

constexpr std::size_t kFrameOverhead = 9;
constexpr std::size_t kCountOffset = 5;

}  // namespace

FakeCommPort::Reply FakeCommPort::Answer(const ByteBuffer& bytes, duration latency) {
    return Reply{Chunk{bytes, latency, 0}};
}

FakeCommPort::Reply FakeCommPort::Trickle(const ByteBuffer& bytes, duration gap) {
    Reply reply;
    for (const std::uint8_t b : bytes) {
        reply.push_back(Chunk{ByteBuffer{b}, gap, 0});
    }
    return reply;
}

ByteBuffer FakeCommPort::DataFrame(std::uint8_t addr, std::uint8_t type, std::uint8_t cmdh,
                                   std::uint8_t cmdl, const ByteBuffer& data) {
    return BuildFrame(addr, type, cmdh, cmdl, data).value();
}

FakeCommPort::FakeCommPort(FakeClock& clock) : clock_(clock) {}

void FakeCommPort::queueReply(Reply reply) {
    replies_.push_back(std::move(reply));
}

void FakeCommPort::queueReplies(std::size_t count, const Reply& reply) {
    for (std::size_t i = 0; i < count; ++i) {
        replies_.push_back(reply);
    }
}

void FakeCommPort::setResponder(std::function<Reply(const ByteBuffer&)> responder) {
    responder_ = std::move(responder);
}

void FakeCommPort::injectInput(const ByteBuffer& bytes, duration after, int lineError) {
    schedule(clock_.now() + after, bytes, lineError);
}

void FakeCommPort::streamInput(const ByteBuffer& pattern, duration gap, bool restartPerFrame) {
    stream_ = pattern;
    streamGap_ = std::max<duration>(gap, std::chrono::microseconds(1));
    streamNext_ = clock_.now() + streamGap_;
    streamAt_ = 0;
    streamRestarts_ = restartPerFrame;
}

void FakeCommPort::failNextOpen(PortError code, const std::string& text) {
    openFailure_ = PortFailure(code, text);
}

void FakeCommPort::setPortNumber(std::int16_t number) {
    portName_ = std::to_string(number);
    log_.push_back("port " + portName_);
}

void FakeCommPort::setPortName(const std::string& name) {
    portName_ = name;
    log_.push_back("port " + name);
}

void FakeCommPort::setSettings(const std::string& settings) {
    if (!ParseLineSettings(settings)) {
        throw PortFailure(PortError::InvalidSettings, "Invalid property value");
    }
    settings_ = settings;
    log_.push_back("settings " + settings);
}

void FakeCommPort::open() {
    if (open_) {
        throw PortFailure(PortError::PortAlreadyOpen, "Port already open");
    }
    if (openFailure_) {
        const Error failure = *openFailure_;
        openFailure_.reset();
        throw failure;
    }
    open_ = true;
    ++openCount_;
    log_.push_back("open");
}

void FakeCommPort::close() {
    open_ = false;
    arrivals_.clear();
    received_.clear();
    pending_.clear();
    log_.push_back("close");
}

void FakeCommPort::setModemLine(bool& line, bool high, const char* name) {
    // A port without modem lines refuses them whether open or not, so callers cannot
    // depend on the moment they drive them.
    if (!modemLines_) {
        throw PortFailure(PortError::CannotSetCommState, "Inappropriate ioctl for device");
    }
    line = high;
    log_.push_back(std::string(name) + (high ? " 1" : " 0"));
}

void FakeCommPort::setDtr(bool high) {
    setModemLine(dtr_, high, "dtr");
}

void FakeCommPort::setRts(bool high) {
    setModemLine(rts_, high, "rts");
}

bool FakeCommPort::dsrHolding() {
    return open_ && modemLines_ && (dsrHigh_ || clock_.now() < dsrHighUntil_);
}

void FakeCommPort::requireOpen(const char* what) const {
    if (!open_) {
        throw PortFailure(PortError::PortNotOpen,
                          std::string(what) + ": operation valid only when the port is open");
    }
}

std::size_t FakeCommPort::bytesAvailable() {
    requireOpen("bytesAvailable");
    deliver();
    return received_.size();
}

void FakeCommPort::discardInput() {
    requireOpen("discardInput");
    deliver();
    received_.clear();
    log_.push_back("discard");
}

ByteBuffer FakeCommPort::read(std::size_t maxBytes) {
    requireOpen("read");
    deliver();
    const std::size_t count =
        maxBytes == 0 ? received_.size() : std::min(maxBytes, received_.size());
    ByteBuffer bytes(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(count));
    received_.erase(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(count));
    return bytes;
}

void FakeCommPort::write(const ByteBuffer& bytes) {
    requireOpen("write");
    writes_.push_back(WriteRecord{bytes, settings_, dtr_, rts_, clock_.now()});
    log_.push_back("write " + HexBytes(bytes));
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    collectFrames();
}

int FakeCommPort::takeLineError() {
    const int error = lineError_;
    lineError_ = 0;
    return error;
}

bool FakeCommPort::waitForInput(std::size_t known, std::chrono::milliseconds timeout) {
    requireOpen("waitForInput");
    deliver();
    const auto deadline = clock_.now() + timeout;
    while (received_.size() <= known) {
        const auto next = nextArrival();
        if (!next || *next > deadline) {
            clock_.advanceTo(deadline);
            return false;
        }
        clock_.advanceTo(*next);
        deliver();
    }
    return true;
}

std::optional<Clock::time_point> FakeCommPort::nextArrival() const {
    std::optional<Clock::time_point> next;
    if (!arrivals_.empty()) {
        next = arrivals_.front().at;
    }
    if (!stream_.empty() && (!next || streamNext_ < *next)) {
        next = streamNext_;
    }
    return next;
}

void FakeCommPort::collectFrames() {
    // Anything in front of a start byte (an adapter speed code) is not a frame.
    while (!pending_.empty() && pending_.front() != kStartByte) {
        pending_.erase(pending_.begin());
    }
    while (pending_.size() >= kCountOffset + 2) {
        const std::size_t count = pending_[kCountOffset] + 256u * pending_[kCountOffset + 1];
        const std::size_t length = count + kFrameOverhead;
        if (pending_.size() < length) {
            return;
        }
        ByteBuffer frame(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
        frames_.push_back(frame);
        answer(frame);
    }
}

void FakeCommPort::answer(const ByteBuffer& frame) {
    if (streamRestarts_) {
        streamNext_ = clock_.now() + streamGap_;
        streamAt_ = 0;
    }
    Reply reply;
    if (!replies_.empty()) {
        reply = std::move(replies_.front());
        replies_.pop_front();
    } else if (responder_) {
        reply = responder_(frame);
    }
    auto at = clock_.now();
    for (const Chunk& chunk : reply) {
        at += chunk.gap;
        schedule(at, chunk.bytes, chunk.lineError);
    }
}

void FakeCommPort::schedule(Clock::time_point at, const ByteBuffer& bytes, int lineError) {
    const auto later =
        std::upper_bound(arrivals_.begin(), arrivals_.end(), at,
                         [](const Clock::time_point& t, const Arrival& a) { return t < a.at; });
    arrivals_.insert(later, Arrival{at, bytes, lineError});
}

void FakeCommPort::deliver() {
    const auto now = clock_.now();
    auto it = arrivals_.begin();
    for (; it != arrivals_.end() && it->at <= now; ++it) {
        received_.insert(received_.end(), it->bytes.begin(), it->bytes.end());
        if (it->lineError != 0) {
            lineError_ = it->lineError;
        }
    }
    arrivals_.erase(arrivals_.begin(), it);
    for (; !stream_.empty() && streamNext_ <= now; streamNext_ += streamGap_) {
        received_.push_back(stream_[streamAt_]);
        streamAt_ = (streamAt_ + 1) % stream_.size();
    }
}

}  // namespace wirelink
