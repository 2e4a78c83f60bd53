#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "wirelink/ByteBuffer.h"
#include "wirelink/Clock.h"
#include "wirelink/CommPort.h"
#include "wirelink/Errors.h"
#include "wirelink/Export.h"
#include "wirelink/Host.h"
#include "wirelink/LinkEvent.h"

namespace wirelink {

// The serial link control: owns the serial port and speaks the analysers' frame protocol.
// Property getters carry the control's property names; setters are setXxx.
class WIRELINK_EXPORT Wirelink {
  public:
    // The class identifier hosts know the control by, and the name errors carry as source.
    static constexpr const char* kClassId = "NVWirelink.Wirelink";
    static constexpr const char* kSourceName = "Wirelink";
    // The control has no visible surface; hosts that lay it out give it this fixed size
    // and ignore any other.
    static constexpr int kWidthTwips = 480;
    static constexpr int kHeightTwips = 480;

    // `port` must outlive the control. `host` and `clock` may be null (no host events,
    // real steady clock).
    explicit Wirelink(CommPort& port, Host* host = nullptr, Clock* clock = nullptr);
    ~Wirelink();
    Wirelink(const Wirelink&) = delete;
    Wirelink& operator=(const Wirelink&) = delete;

    // Properties.
    bool RaiseErrors() const;
    void setRaiseErrors(bool value);
    std::string BaudRate() const;
    void setBaudRate(const std::string& value);
    bool Infrared() const;
    void setInfrared(bool value);
    std::int16_t ComPort() const;
    void setComPort(std::int16_t value);
    // Device name used instead of ComPort when not empty ("/dev/ttyUSB0"); not persisted.
    std::string PortName() const;
    void setPortName(const std::string& value);
    std::uint8_t BusyTimeout() const;
    void setBusyTimeout(std::uint8_t value);
    bool PermitsEvents() const;
    void setPermitsEvents(bool value);
    const ByteBuffer& LastRcvFrame() const;
    [[noreturn]] void setLastRcvFrame(const ByteBuffer& value);

    // Port.
    std::int32_t OpenCom();
    void CloseCom();
    std::int32_t RefreshCom();
    bool PortOpen() const;
    static void Appendtobuff(std::uint8_t dato, ByteBuffer& buffer);

    // Flows.
    std::int32_t Defineflow(std::uint8_t Addr, std::uint8_t IDinstr);
    bool Checkflow(std::uint8_t Addr) const;
    std::int32_t Releaseflow(std::uint8_t Addr);
    bool FlowIsConnected(std::uint8_t Addr) const;
    std::int32_t SetFlowConnected(std::uint8_t Addr);

    // Requests.
    std::int32_t SendFrame(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                           const ByteBuffer& DataBuff);
    std::int32_t SendTXFrame_wresponse(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                       const ByteBuffer& DataBuff);
    // As above, for a request whose answer carries at most `answerBytes` data bytes (for a
    // write: the write's answer; its status answer carries one). An attempt then waits at
    // most that answer's line time plus the inter-byte time-out, instead of the longest
    // frame's, so a peer that never goes quiet cannot hold the request long.
    std::int32_t SendFrame(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                           const ByteBuffer& DataBuff, std::uint16_t answerBytes);
    std::int32_t SendTXFrame_wresponse(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                       const ByteBuffer& DataBuff, std::uint16_t answerBytes);
    void CancelSendFrame();

    // Attempts that ended in a time-out since the control was made. Such an attempt's answer
    // may still arrive late, during a later request, and be taken for that request's answer;
    // a host that sees this count change can check what it read since.
    std::uint32_t TimedOutAttempts() const;
    // Discards whatever arrives until the line has been silent for two inter-byte times
    // (bounded like an attempt): late answers still on their way are gone afterwards.
    std::int32_t WaitLineQuiet();
    // Receives one line per notable event of the link (an attempt that timed out, an
    // answer whose header differs from its request); null: none.
    void setTrace(std::function<void(const std::string&)> trace);
    // Receives every event of the link: each frame sent, the bytes each attempt received,
    // each attempt's outcome with what follows, and notes; null: none. Independent of
    // setTrace.
    void setEventTrace(std::function<void(const LinkEvent&)> trace);

    // Event FrameCompletedOK(Addr).
    void setFrameCompletedOK(std::function<void(std::uint8_t)> handler);

    // The host window unloads: a request running now (reachable only through host events)
    // ends with WLerr_abortsend at its next wait.
    void HostUnloading();

    // Persistence through the host's property store.
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace wirelink
