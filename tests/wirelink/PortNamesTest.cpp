#include <gtest/gtest.h>

#include "wirelink/PortNames.h"

namespace wirelink {
namespace {

TEST(PortNamesTest, NumbersNameTheSystemsPorts) {
    struct Case {
        std::int16_t number;
        Platform platform;
        const char* name;
    };
    for (const Case& c :
         {Case{1, Platform::Windows, "COM1"}, Case{12, Platform::Windows, "COM12"},
          Case{1, Platform::Posix, "/dev/ttyS0"}, Case{3, Platform::Posix, "/dev/ttyS2"},
          Case{0, Platform::Windows, ""}, Case{-2, Platform::Posix, ""}}) {
        EXPECT_EQ(PortNameForNumber(c.number, c.platform), c.name) << c.number;
    }
}

TEST(PortNamesTest, WindowsPortNamesReadBackAsTheirNumber) {
    struct Case {
        const char* name;
        std::int16_t number;
    };
    for (const Case& c :
         {Case{"COM1", 1}, Case{"com3", 3}, Case{"Com12", 12}, Case{"\\\\.\\COM17", 17},
          Case{"COM0", 0}, Case{"COM", 0}, Case{"COM3x", 0}, Case{"COM-1", 0}, Case{"COM99999", 0},
          Case{"LPT1", 0}, Case{"/dev/ttyS0", 0}, Case{"", 0}}) {
        EXPECT_EQ(PortNumberFromName(c.name, Platform::Windows), c.number) << c.name;
    }
    // Elsewhere a port is a device path, whatever it looks like.
    EXPECT_EQ(PortNumberFromName("COM3", Platform::Posix), 0);
}

TEST(PortNamesTest, TheListShowsShortNamesOnWindowsAndDevicePathsElsewhere) {
    EXPECT_EQ(ListedPortName("COM3", "\\\\.\\COM3", Platform::Windows), "COM3");
    EXPECT_EQ(ListedPortName("ttyUSB0", "/dev/ttyUSB0", Platform::Posix), "/dev/ttyUSB0");
    // Every number round-trips through the name the list shows.
    for (std::int16_t n : {1, 9, 10, 255}) {
        const std::string name = PortNameForNumber(n, Platform::Windows);
        EXPECT_EQ(PortNumberFromName(ListedPortName(name, "\\\\.\\" + name, Platform::Windows),
                                     Platform::Windows),
                  n);
    }
}

}  // namespace
}  // namespace wirelink
