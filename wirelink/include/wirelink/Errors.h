#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "wirelink/ByteBuffer.h"
#include "wirelink/Export.h"

namespace wirelink {

// Link status codes. 0 is success; every other value is one of these or a failure
// passed through from the serial port with its own code.
enum class WLink_errors : std::uint32_t {
    WLerr_timeouterror = 0x80040200,
    WLerr_hardwareerror = 0x80040201,
    WLerr_DSRerror = 0x80040202,
    WLerr_checksumerror = 0x80040203,
    WLerr_nakerror = 0x80040204,
    WLerr_flowalreadydefined = 0x80040205,
    WLerr_flownotdefined = 0x80040206,
    WLerr_readonlyproperty = 0x80040207,
    WLerr_devicenotopened = 0x80040208,
    WLerr_flowdisconnected = 0x80040209,
    WLerr_nottxcommand = 0x8004020A,
    WLerr_busytoolong = 0x8004020B,
    WLerr_cancelledsend = 0x8004020C,
    WLerr_abortsend = 0x8004020D,
    WLerr_cannotchange = 0x8004020E,
    WLerr_invalidbaud = 0x8004020F,
    // Beyond the classic link block: a request started from inside host event processing
    // while another one runs, and a request or response with more data than a frame carries.
    WLerr_requestinprogress = 0x80040210,
    WLerr_frametoolong = 0x80040211,
    // Infrared chosen on a port without modem lines (a pseudo-terminal): the adapter
    // cannot be powered or programmed there.
    WLerr_nomodemlines = 0x80040212,
    WLerrFAIL_ID = 0x80040400,
    WLerrFAIL_CMDUNKNOW = 0x80040401,
    WLerrFAIL_ERRORNUMBERDATA = 0x80040402,
    WLerrFAIL_TOOMANYDATAFORFLOW = 0x80040403,
    WLerrFAIL_NOTDEFINED = 0x80040404,
    WLerrRESP_WRITETOREADONLY = 0x80040600,
    WLerrRESP_PERIPHERROR = 0x80040601,
    WLerrRESP_STATUSERROR = 0x80040602,
    WLerrRESP_OUTOFRANGE = 0x80040603,
    WLerrRESP_NOTDEFINED = 0x80040604,
};

// The signed 32-bit status a call returns for an error of the table.
constexpr std::int32_t StatusOf(WLink_errors e) {
    return static_cast<std::int32_t>(e);
}

// The bytes a message may name: instrument address and type, command, returned code.
struct ErrorContext {
    std::uint8_t addr = 0;
    std::uint8_t type = 0;
    std::uint8_t cmdh = 0;
    std::uint8_t cmdl = 0;
    std::uint8_t code = 0;
};

// A byte as two upper-case hexadecimal digits ("0A").
WIRELINK_EXPORT std::string Hex2(std::uint8_t value);
// Bytes as Hex2 pairs separated by single spaces ("" for none).
WIRELINK_EXPORT std::string HexBytes(const ByteBuffer& bytes);

// The message of the error table for `error`, filled from `context`.
WIRELINK_EXPORT std::string ErrorText(WLink_errors error, const ErrorContext& context);

// A failure raised to the caller: the status code, its message and the source.
class WIRELINK_EXPORT Error : public std::runtime_error {
  public:
    Error(std::int32_t code, const std::string& message, std::string source = "Wirelink");
    Error(WLink_errors error, const ErrorContext& context, std::string source = "Wirelink");
    // The same failure raised again under another source.
    Error(const Error& error, std::string source);

    std::int32_t code() const noexcept { return code_; }
    const std::string& source() const noexcept { return source_; }
    // The bytes the message names, for an error of the table; empty for a passed-through
    // failure. A translated message is filled from them.
    const std::optional<ErrorContext>& context() const noexcept { return context_; }

  private:
    std::int32_t code_;
    std::string source_;
    std::optional<ErrorContext> context_;
};

}  // namespace wirelink
