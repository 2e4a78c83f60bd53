#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Frame.h"
#include "wirelink/Wirelink.h"

namespace wirelink::test {

// A host whose event processing runs what a test asks for.
class ScriptedHost : public Host {
  public:
    bool runModeValue = true;
    int eventCalls = 0;
    std::function<void()> onEvents;
    std::vector<std::string> changedProperties;

    bool runMode() const override { return runModeValue; }
    void processEvents() override {
        ++eventCalls;
        if (onEvents) {
            onEvents();
        }
    }
    void propertyChanged(const std::string& name) override { changedProperties.push_back(name); }
};

// A property store that, like the host's, keeps only values differing from their default.
class MapPropertyBag : public PropertyBag {
  public:
    std::map<std::string, std::string> stored;

    std::string readProperty(const std::string& name, const std::string& defaultValue) override {
        const auto it = stored.find(name);
        return it == stored.end() ? defaultValue : it->second;
    }
    void writeProperty(const std::string& name, const std::string& value,
                       const std::string& defaultValue) override {
        if (value == defaultValue) {
            stored.erase(name);
        } else {
            stored[name] = value;
        }
    }
};

inline constexpr std::uint8_t kAddr = 1;
inline constexpr std::uint8_t kType = 9;

// A link on a fake port, opened in cable mode with one flow (address 1, type 9).
class LinkTest : public ::testing::Test {
  protected:
    LinkTest() : port(clock), link(port, &host, &clock) {}

    void SetUp() override {
        link.setRaiseErrors(false);
        ASSERT_EQ(link.OpenCom(), 0);
        ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    }

    static FakeCommPort::Reply Reply(std::uint8_t byte) { return FakeCommPort::Answer({byte}); }
    static FakeCommPort::Reply Data(const ByteBuffer& data, std::uint8_t cmdh = 0x10,
                                    std::uint8_t cmdl = 0x00) {
        return FakeCommPort::Answer(FakeCommPort::DataFrame(kAddr, kType, cmdh, cmdl, data));
    }
    static ByteBuffer Frame(std::uint8_t cmdh, std::uint8_t cmdl, const ByteBuffer& data = {}) {
        return BuildFrame(kAddr, kType, cmdh, cmdl, data).value();
    }
    static std::int32_t Code(WLink_errors e) { return StatusOf(e); }
    double Seconds() const { return std::chrono::duration<double>(clock.elapsed()).count(); }

    FakeClock clock;
    FakeCommPort port;
    ScriptedHost host;
    Wirelink link;
};

}  // namespace wirelink::test
