#include <gtest/gtest.h>

#include "wirelink/Errors.h"

namespace wirelink {
namespace {

using E = WLink_errors;

TEST(Hex2Test, TwoUpperCaseDigits) {
    EXPECT_EQ(Hex2(0), "00");
    EXPECT_EQ(Hex2(10), "0A");
    EXPECT_EQ(Hex2(0xDC), "DC");
    EXPECT_EQ(Hex2(255), "FF");
}

TEST(Hex2Test, BytesAsSpacedPairs) {
    EXPECT_EQ(HexBytes({}), "");
    EXPECT_EQ(HexBytes({0x0A}), "0A");
    EXPECT_EQ(HexBytes({0x02, 0xDC, 0xFF}), "02 DC FF");
}

TEST(ErrorTextTest, EveryMessageOfTheTable) {
    ErrorContext c;
    c.addr = 0x0A;
    c.type = 0x0E;
    c.cmdh = 0xDC;
    c.cmdl = 0x05;
    c.code = 0x3B;
    const std::pair<E, const char*> table[] = {
        {E::WLerr_timeouterror, "Timeout error on instrument addr : 0x0A"},
        {E::WLerr_hardwareerror, "Serial hardware error detected on instrument addr : 0x0A"},
        {E::WLerr_DSRerror, "Serial TX line not ready"},
        {E::WLerr_checksumerror, "Checksum error on instrument addr : 0x0A"},
        {E::WLerr_nakerror, "Checksum error from instrument addr : 0x0A"},
        {E::WLerr_flowalreadydefined, "Flow 0x0A already defined"},
        {E::WLerr_flownotdefined, "Flow 0x0A not defined"},
        {E::WLerr_readonlyproperty, "Write denied to a Read-Only Property"},
        {E::WLerr_devicenotopened, "Serial device not opened"},
        {E::WLerr_flowdisconnected, "Flow 0x0A is disconnected"},
        {E::WLerr_nottxcommand,
         "Command 0xDC05 can't perform write operation on instrument addr : 0x0A"},
        {E::WLerr_busytoolong,
         "Command 0xDC05 failed due to a BUSY timeout on instrument addr : 0x0A"},
        {E::WLerr_cancelledsend, "Operation cancelled"},
        {E::WLerr_abortsend, "Operation aborted by exiting application"},
        {E::WLerr_cannotchange,
         "This property can't be changed to Infrared when the port is opened"},
        {E::WLerr_invalidbaud,
         "Invalid Baud Rate when Infrared mode is used -- Use 1200 Baud or higher"},
        {E::WLerr_requestinprogress, "Another request is in progress on instrument addr : 0x0A"},
        {E::WLerr_frametoolong,
         "Data too long for one frame at command 0xDC05 on instrument addr : 0x0A"},
        {E::WLerrFAIL_ID, "Incorrect ID code (0x0E) on instrument addr : 0x0A"},
        {E::WLerrFAIL_CMDUNKNOW, "Command 0xDC05 not implemented on instrument addr : 0x0A"},
        {E::WLerrFAIL_ERRORNUMBERDATA,
         "Mismatch in data count at command 0xDC05 on instrument addr : 0x0A"},
        {E::WLerrFAIL_TOOMANYDATAFORFLOW, "Buffer overflow error on instrument addr : 0x0A"},
        {E::WLerrFAIL_NOTDEFINED, "Unknow Fail error code : 0x3B on instrument addr : 0x0A"},
        {E::WLerrRESP_WRITETOREADONLY,
         "Write command (0xDC05) to a read-only parameter on instrument addr : 0x0A"},
        {E::WLerrRESP_PERIPHERROR, "Write failure command (0xDC05) on instrument addr : 0x0A"},
        {E::WLerrRESP_STATUSERROR, "Unexpected command (0xDC05) on instrument addr : 0x0A"},
        {E::WLerrRESP_OUTOFRANGE,
         "Parameter(s) out of range value command (0xDC05) on instrument addr : 0x0A"},
        {E::WLerrRESP_NOTDEFINED, "Response error code : 0x3B on instrument addr : 0x0A"},
    };
    for (const auto& [error, message] : table) {
        EXPECT_EQ(ErrorText(error, c), message);
    }
}

TEST(ErrorTextTest, BusyExample) {
    ErrorContext c;
    c.addr = 1;
    c.cmdh = 0xDC;
    c.cmdl = 0x00;
    EXPECT_EQ(ErrorText(E::WLerr_busytoolong, c),
              "Command 0xDC00 failed due to a BUSY timeout on instrument addr : 0x01");
}

TEST(ErrorTest, CarriesCodeMessageAndSource) {
    ErrorContext c;
    c.addr = 3;
    const Error e(E::WLerr_timeouterror, c);
    EXPECT_EQ(e.code(), -2147220992);
    EXPECT_STREQ(e.what(), "Timeout error on instrument addr : 0x03");
    EXPECT_EQ(e.source(), "Wirelink");
    EXPECT_EQ(StatusOf(E::WLerrFAIL_ID), -2147220480);
    EXPECT_EQ(StatusOf(E::WLerrRESP_WRITETOREADONLY), -2147219968);
}

}  // namespace
}  // namespace wirelink
