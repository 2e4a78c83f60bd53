#pragma once

#include <cstdint>
#include <string>

#include "wirelink/CommPort.h"
#include "wirelink/QtSerialCommPort.h"

namespace kilnward::dialogs {

class SimulatedAnalysers;

// The port of the transfer dialog's link control: a serial device, or the in-process
// simulated analyser when the port is named "simulator". Which analyser answers there
// depends on the model and address of the transfer (target).
class AnalyserPort final : public wirelink::CommPort {
  public:
    explicit AnalyserPort(SimulatedAnalysers& simulated);

    // The model and address the next transfer talks to, and whether the simulated analyser
    // sits behind an infrared adapter (as the link expects one).
    void target(std::uint8_t type, std::uint8_t addr, bool infraredAdapter);

    void setPortNumber(std::int16_t number) override;
    void setPortName(const std::string& name) override;
    std::string portName() const override;
    void setSettings(const std::string& settings) override;
    std::string settings() const override { return settings_; }

    void open() override;
    void close() override { current().close(); }
    bool isOpen() const override { return current().isOpen(); }

    bool hasModemLines() const override { return current().hasModemLines(); }
    void setDtr(bool high) override { current().setDtr(high); }
    void setRts(bool high) override { current().setRts(high); }
    bool dsrHolding() override { return current().dsrHolding(); }

    std::size_t bytesAvailable() override { return current().bytesAvailable(); }
    void discardInput() override { current().discardInput(); }
    wirelink::ByteBuffer read(std::size_t maxBytes) override { return current().read(maxBytes); }
    void write(const wirelink::ByteBuffer& bytes) override { current().write(bytes); }
    std::size_t bytesToWrite() override { return current().bytesToWrite(); }
    int takeLineError() override { return current().takeLineError(); }
    bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) override {
        return current().waitForInput(known, timeout);
    }
    bool waitForBytesWritten(std::chrono::milliseconds timeout) override {
        return current().waitForBytesWritten(timeout);
    }

  private:
    wirelink::CommPort& current() const;

    SimulatedAnalysers& simulated_;
    mutable wirelink::QtSerialCommPort serial_;
    wirelink::CommPort* simulatedPort_ = nullptr;
    bool useSimulated_ = false;
    std::string settings_ = "9600,n,8,1";
    std::uint8_t type_ = 0;
    std::uint8_t addr_ = 0;
    bool infraredAdapter_ = false;
};

}  // namespace kilnward::dialogs
