// The serial settings object: its defaults, its round trip through Config.ini and the rules
// every front end checks values by.

#include "app/SerialSettings.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/ConfigSettings.h"
#include "app/Notices.h"
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

// Config.ini is read at every load: a value written in between is the next load's.
TEST_F(SerialSettingsTest, EachLoadReadsConfigIniAnew) {
    EXPECT_EQ(SerialSettings::Load(false).port.number(), 1);
    dir.write("Config.ini", "[Serial]\nSerialport=3\nBaudrate=4800\nAddr=12\n");
    const SerialSettings loaded = SerialSettings::Load(false);
    EXPECT_EQ(loaded.port.number(), 3);
    EXPECT_EQ(loaded.baudRate, "4800");
    EXPECT_EQ(loaded.address, 12);
}

// A stored line speed the settings do not offer, or an address that is no byte, is told and
// the default stands in for it, whatever reads the settings: the dialog cannot show such a
// value, so its check and every transfer must not use it behind the user's back.
TEST_F(SerialSettingsTest, AStoredValueTheSettingsRefuseIsToldAndTheDefaultUsed) {
    struct Case {
        const char* baud;
        const char* addr;
        const char* expectedBaud;
        std::uint8_t expectedAddress;
        const char* told;  // a part of the one notice; empty: none
    };
    const Case cases[] = {
        {"1234", "7", "9600", 7,
         "[Serial] Baudrate=\"1234\" is not a baud rate the settings offer; 9600 is used"},
        {"31250", "7", "9600", 7, "Baudrate=\"31250\" is not a baud rate"},
        {"fast", "7", "9600", 7, "Baudrate=\"fast\" is not a baud rate"},
        {"", "7", "9600", 7, ""},  // an empty value is a missing one: no notice
        {"19200", "300", "19200", 0,
         "[Serial] Addr=\"300\" is not an address from 0 to 255; address 0 is used"},
        {"19200", "-5", "19200", 0, "Addr=\"-5\" is not an address"},
        {"19200", "abc", "19200", 0, "Addr=\"abc\" is not an address"},
        {"19200", "256", "19200", 0, "Addr=\"256\" is not an address"},
        {"19200", "999", "19200", 0, "Addr=\"999\" is not an address"},
        {"19200", "7.5", "19200", 0, "Addr=\"7.5\" is not an address"},
        {"115200", "255", "115200", 255, ""},
        {"1200", "0", "1200", 0, ""},
        {"1200", " ", "1200", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.baud) + " / " + c.addr);
        std::vector<QString> told;
        SetNoticeSink([&told](const QString& text) { told.push_back(text); });
        dir.write("Config.ini", QStringLiteral("[Serial]\nBaudrate=%1\nAddr=%2\n")
                                    .arg(QLatin1String(c.baud), QLatin1String(c.addr))
                                    .toUtf8());
        const SerialSettings loaded = SerialSettings::Load(false);
        SetNoticeSink({});
        EXPECT_EQ(loaded.baudRate, c.expectedBaud);
        EXPECT_EQ(loaded.address, c.expectedAddress);
        if (*c.told == '\0') {
            EXPECT_TRUE(told.empty()) << told.front().toStdString();
            continue;
        }
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].startsWith(dir.path("Config.ini") + ": [Serial] "))
            << told[0].toStdString();
        EXPECT_TRUE(told[0].contains(QLatin1String(c.told))) << told[0].toStdString();
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
        {"1", false, 1},
        {"0", false, 0},
        {"255", false, 255},
        {"256", false, std::nullopt},
        {"1234", false, std::nullopt},
        {"115200", true, std::nullopt},
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
