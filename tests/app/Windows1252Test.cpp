#include "app/Windows1252.h"

#include <gtest/gtest.h>

using namespace kilnward::app;

TEST(Windows1252, RoundTripsEveryByte) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = DecodeWindows1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWindows1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
}

TEST(Windows1252, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("a\u03bbb")), QByteArray("a?b"));
    EXPECT_FALSE(IsWindows1252Representable(QString::fromUtf8("\u03bb")));
    EXPECT_TRUE(IsWindows1252Representable(QString::fromUtf8("\u20ac\u00e9")));
}

TEST(Windows1252, ProfileTextPrefersValidUtf8) {
    EXPECT_EQ(DecodeProfileText("\xc3\xa9t\xc3\xa9"), QString::fromUtf8("\u00e9t\u00e9"));
    EXPECT_EQ(DecodeProfileText("\xe9t\xe9"), QString::fromUtf8("\u00e9t\u00e9"));
    EXPECT_EQ(DecodeProfileText("\xef\xbb\xbfk=v"), "k=v");
}
