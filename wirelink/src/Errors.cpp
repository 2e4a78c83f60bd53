#include "wirelink/Errors.h"

#include <utility>

namespace wirelink {

namespace {

std::string Command(const ErrorContext& c) {
    return Hex2(c.cmdh) + Hex2(c.cmdl);
}

std::string OnAddr(const ErrorContext& c) {
    return " on instrument addr : 0x" + Hex2(c.addr);
}

}  // namespace

std::string Hex2(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string HexBytes(const ByteBuffer& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += Hex2(byte);
    }
    return text;
}

std::string ErrorText(WLink_errors error, const ErrorContext& c) {
    using E = WLink_errors;
    switch (error) {
        case E::WLerr_timeouterror:
            return "Timeout error" + OnAddr(c);
        case E::WLerr_hardwareerror:
            return "Serial hardware error detected" + OnAddr(c);
        case E::WLerr_DSRerror:
            return "Serial TX line not ready";
        case E::WLerr_checksumerror:
            return "Checksum error" + OnAddr(c);
        case E::WLerr_nakerror:
            return "Checksum error from instrument addr : 0x" + Hex2(c.addr);
        case E::WLerr_flowalreadydefined:
            return "Flow 0x" + Hex2(c.addr) + " already defined";
        case E::WLerr_flownotdefined:
            return "Flow 0x" + Hex2(c.addr) + " not defined";
        case E::WLerr_readonlyproperty:
            return "Write denied to a Read-Only Property";
        case E::WLerr_devicenotopened:
            return "Serial device not opened";
        case E::WLerr_flowdisconnected:
            return "Flow 0x" + Hex2(c.addr) + " is disconnected";
        case E::WLerr_nottxcommand:
            return "Command 0x" + Command(c) + " can't perform write operation" + OnAddr(c);
        case E::WLerr_busytoolong:
            return "Command 0x" + Command(c) + " failed due to a BUSY timeout" + OnAddr(c);
        case E::WLerr_cancelledsend:
            return "Operation cancelled";
        case E::WLerr_abortsend:
            return "Operation aborted by exiting application";
        case E::WLerr_cannotchange:
            return "This property can't be changed to Infrared when the port is opened";
        case E::WLerr_invalidbaud:
            return "Invalid Baud Rate when Infrared mode is used -- Use 1200 Baud or higher";
        case E::WLerr_requestinprogress:
            return "Another request is in progress" + OnAddr(c);
        case E::WLerr_frametoolong:
            return "Data too long for one frame at command 0x" + Command(c) + OnAddr(c);
        case E::WLerr_nomodemlines:
            return "The infrared adapter needs the modem lines (DTR, RTS, DSR), which this port "
                   "lacks: to use this port, choose the cable connection";
        case E::WLerrFAIL_ID:
            return "Incorrect ID code (0x" + Hex2(c.type) + ")" + OnAddr(c);
        case E::WLerrFAIL_CMDUNKNOW:
            return "Command 0x" + Command(c) + " not implemented" + OnAddr(c);
        case E::WLerrFAIL_ERRORNUMBERDATA:
            return "Mismatch in data count at command 0x" + Command(c) + OnAddr(c);
        case E::WLerrFAIL_TOOMANYDATAFORFLOW:
            return "Buffer overflow error" + OnAddr(c);
        case E::WLerrFAIL_NOTDEFINED:
            return "Unknow Fail error code : 0x" + Hex2(c.code) + OnAddr(c);
        case E::WLerrRESP_WRITETOREADONLY:
            return "Write command (0x" + Command(c) + ") to a read-only parameter" + OnAddr(c);
        case E::WLerrRESP_PERIPHERROR:
            return "Write failure command (0x" + Command(c) + ")" + OnAddr(c);
        case E::WLerrRESP_STATUSERROR:
            return "Unexpected command (0x" + Command(c) + ")" + OnAddr(c);
        case E::WLerrRESP_OUTOFRANGE:
            return "Parameter(s) out of range value command (0x" + Command(c) + ")" + OnAddr(c);
        case E::WLerrRESP_NOTDEFINED:
            return "Response error code : 0x" + Hex2(c.code) + OnAddr(c);
    }
    return "Unknown link error";
}

Error::Error(std::int32_t code, const std::string& message, std::string source)
    : std::runtime_error(message), code_(code), source_(std::move(source)) {}

Error::Error(WLink_errors error, const ErrorContext& context, std::string source)
    : Error(StatusOf(error), ErrorText(error, context), std::move(source)) {
    context_ = context;
}

Error::Error(const Error& error, std::string source) : Error(error) {
    source_ = std::move(source);
}

}  // namespace wirelink
