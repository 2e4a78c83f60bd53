#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "wirelink/CommPort.h"
#include "wirelink/Export.h"

namespace wirelink {

// The serial port on Qt SerialPort: real ports and pseudo-terminals alike. Waits block
// on the port's own wait for incoming bytes. Failures are thrown as wirelink::Error with
// a PortError code and Qt's text.
class WIRELINK_EXPORT QtSerialCommPort final : public CommPort {
  public:
    QtSerialCommPort();
    ~QtSerialCommPort() override;
    QtSerialCommPort(const QtSerialCommPort&) = delete;
    QtSerialCommPort& operator=(const QtSerialCommPort&) = delete;

    // The platform's name of a port number: "COM3" on Windows, "/dev/ttyS2" elsewhere;
    // empty for a number below 1.
    static std::string PlatformPortName(std::int16_t number);

    void setPortNumber(std::int16_t number) override;
    // A name of digits only ("3") is taken as a port number; any other is used as is.
    void setPortName(const std::string& name) override;
    std::string portName() const override;
    void setSettings(const std::string& settings) override;
    std::string settings() const override;
    void open() override;
    void close() override;
    bool isOpen() const override;
    bool hasModemLines() const override;
    void setDtr(bool high) override;
    void setRts(bool high) override;
    bool dsrHolding() override;
    std::size_t bytesAvailable() override;
    void discardInput() override;
    ByteBuffer read(std::size_t maxBytes) override;
    void write(const ByteBuffer& bytes) override;
    std::size_t bytesToWrite() override;
    int takeLineError() override;
    bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) override;
    bool waitForBytesWritten(std::chrono::milliseconds timeout) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace wirelink
