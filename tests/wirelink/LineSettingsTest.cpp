#include <gtest/gtest.h>

#include "wirelink/LineSettings.h"

namespace wirelink {
namespace {

TEST(LineSettingsTest, ParsesTheFourFields) {
    const auto s = ParseLineSettings("115200,E,7,2");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baudRate, 115200);
    EXPECT_EQ(s->parity, LineSettings::Parity::Even);
    EXPECT_EQ(s->dataBits, 7);
    EXPECT_EQ(s->stopBits, LineSettings::StopBits::Two);

    const auto t = ParseLineSettings(" 9600 , n , 8 , 1.5 ");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->parity, LineSettings::Parity::None);
    EXPECT_EQ(t->stopBits, LineSettings::StopBits::OneAndHalf);
}

TEST(LineSettingsTest, RefusesMalformedText) {
    for (const char* text : {"", "9600", "9600,n,8", "9600,n,8,1,0", "fast,n,8,1", "0,n,8,1",
                             "-9600,n,8,1", "9600,x,8,1", "9600,n,9,1", "9600,n,4,1", "9600,n,8,3",
                             "9600,,8,1", "99999999999,n,8,1", "9600x,n,8,1"}) {
        EXPECT_FALSE(ParseLineSettings(text)) << text;
    }
}

}  // namespace
}  // namespace wirelink
