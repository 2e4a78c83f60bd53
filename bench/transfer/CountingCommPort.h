#pragma once

#include <cstddef>

#include "wirelink/CommPort.h"

namespace kilnward::bench {

// A port that counts the bytes passing through another one, both ways.
class CountingCommPort final : public wirelink::CommPort {
  public:
    explicit CountingCommPort(wirelink::CommPort& inner) : inner_(inner) {}

    std::size_t written() const { return written_; }
    std::size_t received() const { return received_; }
    void resetCounts() { written_ = received_ = 0; }

    void setPortNumber(std::int16_t number) override { inner_.setPortNumber(number); }
    void setPortName(const std::string& name) override { inner_.setPortName(name); }
    std::string portName() const override { return inner_.portName(); }
    void setSettings(const std::string& settings) override { inner_.setSettings(settings); }
    std::string settings() const override { return inner_.settings(); }
    void open() override { inner_.open(); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    bool hasModemLines() const override { return inner_.hasModemLines(); }
    void setDtr(bool high) override { inner_.setDtr(high); }
    void setRts(bool high) override { inner_.setRts(high); }
    bool dsrHolding() override { return inner_.dsrHolding(); }
    std::size_t bytesAvailable() override { return inner_.bytesAvailable(); }
    void discardInput() override { inner_.discardInput(); }
    wirelink::ByteBuffer read(std::size_t maxBytes) override {
        wirelink::ByteBuffer bytes = inner_.read(maxBytes);
        received_ += bytes.size();
        return bytes;
    }
    void write(const wirelink::ByteBuffer& bytes) override {
        written_ += bytes.size();
        inner_.write(bytes);
    }
    std::size_t bytesToWrite() override { return inner_.bytesToWrite(); }
    int takeLineError() override { return inner_.takeLineError(); }
    bool waitForInput(std::size_t known, std::chrono::milliseconds timeout) override {
        return inner_.waitForInput(known, timeout);
    }
    bool waitForBytesWritten(std::chrono::milliseconds timeout) override {
        return inner_.waitForBytesWritten(timeout);
    }

  private:
    wirelink::CommPort& inner_;
    std::size_t written_ = 0;
    std::size_t received_ = 0;
};

}  // namespace kilnward::bench
