#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "wirelink/ByteBuffer.h"
#include "wirelink/Export.h"

namespace wirelink {

// The serial communications control the link drives. Implementations: Qt SerialPort
// (real ports and pseudo-terminals), the in-process simulated analyser, test fakes.
// A failure of the port itself is thrown as wirelink::Error with the port's own code
// and text.
class WIRELINK_EXPORT CommPort {
  public:
    virtual ~CommPort() = default;

    // Which port to open next: a number (COM1 = 1) or a device name ("/dev/ttyUSB0").
    virtual void setPortNumber(std::int16_t number) = 0;
    virtual void setPortName(const std::string& name) = 0;
    virtual std::string portName() const = 0;

    // Line settings text such as "9600,n,8,1"; accepted while closed or open.
    virtual void setSettings(const std::string& settings) = 0;
    virtual std::string settings() const = 0;

    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Modem lines. A port without them (a pseudo-terminal) reports hasModemLines() false
    // and throws from the setters.
    virtual bool hasModemLines() const = 0;
    virtual void setDtr(bool high) = 0;
    virtual void setRts(bool high) = 0;
    virtual bool dsrHolding() = 0;

    // Receive side: bytes waiting, discard them, take up to maxBytes (0 = all waiting).
    virtual std::size_t bytesAvailable() = 0;
    virtual void discardInput() = 0;
    virtual ByteBuffer read(std::size_t maxBytes) = 0;

    // Send side: queue bytes (returns at once), and the count not yet on the line.
    virtual void write(const ByteBuffer& bytes) = 0;
    virtual std::size_t bytesToWrite() = 0;

    // Code of the most recent line error since the last call (0 = none; 1001 and above:
    // break, framing, overrun, receive overflow, parity).
    virtual int takeLineError() = 0;

    // Block until more bytes are waiting than `known`, or until the timeout. Never spins.
    virtual bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) = 0;
    // Block until the output is drained, or until the timeout.
    virtual bool waitForBytesWritten(std::chrono::milliseconds timeout) = 0;
};

}  // namespace wirelink
