// The serial settings object: its defaults, its round trip through Config.ini and the rules
// every front end checks values by.

#include "app/SerialSettings.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"

using namespace kilnward::app;

namespace {

class SerialSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ProgramFolder::set(dir.folder()); }
    void TearDown() override { ProgramFolder::reset(); }
    TempFolder dir;
};

void ExpectSame(const SerialSettings& a, const SerialSettings& b) {
    EXPECT_EQ(a.port.stored(), b.port.stored());
    EXPECT_EQ(a.port.number(), b.port.number());
    EXPECT_EQ(a.baudRate, b.baudRate);
    EXPECT_EQ(a.address, b.address);
    EXPECT_EQ(a.useInfrared, b.useInfrared);
    EXPECT_EQ(a.verifyAfterSend, b.verifyAfterSend);
}

TEST_F(SerialSettingsTest, DefaultsAreWhatConfigIniWithoutSerialSectionGives) {
    const SerialSettings defaults;
    ExpectSame(defaults, SerialSettings::Load(false));
    EXPECT_EQ(defaults.port.number(), 1);
    EXPECT_EQ(defaults.baudRate, "9600");
    EXPECT_EQ(defaults.address, 0);
    EXPECT_TRUE(defaults.verifyAfterSend);
    EXPECT_TRUE(SerialSettings::BaudRates().contains(defaults.baudRate));
}

TEST_F(SerialSettingsTest, StoredSettingsLoadAsTheyWereExceptTheInfraredChoice) {
    struct Case {
        const char* port;
        const char* baud;
        std::uint8_t address;
        bool verify;
    };
    for (const Case& c : {Case{"3", "19200", 7, false}, Case{"/dev/ttyUSB0", "115200", 255, true},
                          Case{"simulator", "1200", 0, true}}) {
        SCOPED_TRACE(c.port);
        SerialSettings kept;
        kept.port = PortChoice::fromStored(QString::fromLatin1(c.port));
        kept.baudRate = QString::fromLatin1(c.baud);
        kept.address = c.address;
        kept.useInfrared = true;
        kept.verifyAfterSend = c.verify;
        kept.store();
        EXPECT_EQ(ReadConfigValue(config::Serialport), c.port);
        EXPECT_FALSE(ReadConfigValue(config::FileVersion).isEmpty());
        // The infrared choice is not a Config.ini key: it follows the model.
        SerialSettings loaded = SerialSettings::Load(false);
        EXPECT_FALSE(loaded.useInfrared);
        loaded.useInfrared = true;
        ExpectSame(loaded, kept);
    }
}

TEST(SerialSettingsRules, LineSpeedAndAddress) {
    struct Case {
        const char* text;
        bool baud;
        std::optional<std::uint8_t> address;
    };
    const Case cases[] = {
        {"9600", true, std::nullopt},
        {"1", true, 1},
        {"0", false, 0},
        {"255", true, 255},
        {"256", true, std::nullopt},
        {"", false, std::nullopt},
        {"-1", false, std::nullopt},
        {"fast", false, std::nullopt},
        {"96OO", false, std::nullopt},
        {"9600.5", false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(SerialSettings::IsBaudRate(text), c.baud);
        EXPECT_EQ(SerialSettings::AddressOf(text), c.address);
    }
    for (const QString& rate : SerialSettings::BaudRates()) {
        EXPECT_TRUE(SerialSettings::IsBaudRate(rate)) << rate.toStdString();
    }
}

}  // namespace
