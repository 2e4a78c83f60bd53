// The command line's link options and the window's serial settings: the same rules, the
// same defaults and the same link settings from the same values.

#include "cli/LinkOptions.h"

#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QTemporaryDir>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "app/SerialSettings.h"
#include "transfer/LinkSetup.h"

namespace kilnward::cli {
namespace {

// The options as a command reads them; nothing when they are refused.
std::optional<transfer::LinkSettings> Read(const QStringList& arguments) {
    QCommandLineParser parser;
    LinkOptions::addTo(parser);
    EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("kilnward-cli")} + arguments))
        << parser.errorText().toStdString();
    LinkOptions options;
    QString error;
    if (!options.read(parser, error)) {
        return std::nullopt;
    }
    return options.linkSettings();
}

class LinkOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override { app::ProgramFolder::set(folder.path()); }
    void TearDown() override { app::ProgramFolder::reset(); }
    QTemporaryDir folder;
};

TEST_F(LinkOptionsTest, TheCommandLineYieldsWhatTheWindowTakesFromConfigIni) {
    struct Case {
        QStringList arguments;
        // Config.ini's "Serial" keys (empty: not written) and the model's infrared choice.
        const char* port;
        const char* baud;
        const char* addr;
        bool infrared;
    };
    const Case cases[] = {
        {{"--port", "simulator"}, "simulator", "", "", false},
        {{"--port", "/dev/ttyUSB1", "--baud", "19200", "--addr", "7", "--infrared"},
         "/dev/ttyUSB1",
         "19200",
         "7",
         true},
        {{"--port", "/dev/ttyS0", "--addr", "255", "--cable"}, "/dev/ttyS0", "", "255", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(app::ConfigFilePath());
        app::WriteConfigValue(app::config::Serialport, QLatin1String(c.port));
        if (*c.baud != '\0') {
            app::WriteConfigValue(app::config::Baudrate, QLatin1String(c.baud));
        }
        if (*c.addr != '\0') {
            app::WriteConfigValue(app::config::Addr, QLatin1String(c.addr));
        }
        const std::optional<transfer::LinkSettings> command = Read(c.arguments);
        ASSERT_TRUE(command);
        EXPECT_EQ(*command, transfer::LinkSettingsOf(app::SerialSettings::Load(c.infrared)));
    }
}

TEST_F(LinkOptionsTest, RefusesWhatTheSettingsRulesRefuse) {
    for (const char* text :
         {"0", "1", "255", "256", "1234", "9600", "", "-1", "fast", "96OO", "9600.5"}) {
        SCOPED_TRACE(text);
        const QString value = QString::fromLatin1(text);
        EXPECT_EQ(Read({"--port", "simulator", "--baud", value}).has_value(),
                  app::SerialSettings::IsBaudRate(value));
        EXPECT_EQ(Read({"--port", "simulator", "--addr", value}).has_value(),
                  app::SerialSettings::AddressOf(value).has_value());
    }
}

}  // namespace
}  // namespace kilnward::cli
