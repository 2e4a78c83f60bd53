#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "TempFolder.h"
#include "app/ControlKey.h"
#include "app/DecimalText.h"
#include "app/PathUtilities.h"
#include "app/SubstituteArguments.h"
#include "app/TextSplitting.h"
#include "app/VersionString.h"
#include "app/WaitMilliseconds.h"

using namespace kilnward::app;

TEST(SplitNonEmpty, DropsEmptyPieces) {
    int count = -1;
    QStringList pieces;
    SplitNonEmpty("a,,b,", ",", count, pieces);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(pieces, QStringList({"a", "b"}));
}

TEST(SplitNonEmpty, EmptyTextLeavesCountAndPiecesAlone) {
    int count = 7;
    QStringList pieces{"old"};
    SplitNonEmpty("", ",", count, pieces);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(pieces, QStringList({"old"}));
}

TEST(SplitNonEmpty, LongSeparatorsAndOnlySeparators) {
    EXPECT_EQ(SplitNonEmpty("x<>y<><>z", "<>"), QStringList({"x", "y", "z"}));
    int count = 5;
    QStringList pieces{"old"};
    SplitNonEmpty(",,,", ",", count, pieces);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(pieces.isEmpty());
    EXPECT_EQ(SplitNonEmpty("abc", ""), QStringList({"abc"}));
}

TEST(AddBackslash, AppendsTheSeparatorOnce) {
    EXPECT_EQ(AddBackslash("/opt/kilnward"), "/opt/kilnward/");
    EXPECT_EQ(AddBackslash("/opt/kilnward/"), "/opt/kilnward/");
}

// Windows paths come with either separator (Qt's C:/... or the system's C:\...): one that
// already ends with either gets none added, so no path ends in a doubled separator.
TEST(AddBackslash, TakesEitherSeparatorAsTheEndOfAWindowsPath) {
    using wirelink::Platform;
    struct Case {
        const char* path;
        Platform platform;
        const char* result;
    };
    for (const Case& c :
         {Case{"C:/Program Files/Kilnward", Platform::Windows, "C:/Program Files/Kilnward/"},
          Case{"C:/Program Files/Kilnward/", Platform::Windows, "C:/Program Files/Kilnward/"},
          Case{"C:\\Kilnward\\", Platform::Windows, "C:\\Kilnward\\"},
          Case{"D:\\", Platform::Windows, "D:\\"},
          Case{"\\\\server\\share", Platform::Windows, "\\\\server\\share/"},
          Case{"", Platform::Windows, ""},
          // A backslash is an ordinary character of a name elsewhere.
          Case{"/tmp/odd\\", Platform::Posix, "/tmp/odd\\/"}}) {
        EXPECT_EQ(AddBackslash(QString::fromUtf8(c.path), c.platform), c.result) << c.path;
    }
}

TEST(FileExists, FilesOnly) {
    TempFolder dir;
    const QString file = dir.write("a.txt", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.path("b.txt")));
    EXPECT_FALSE(FileExists(dir.folder()));
    EXPECT_FALSE(FileExists(""));
}

TEST(VersionString, IsTwoDotZeroDot22) {
    EXPECT_EQ(VersionString(), "2.0.22");
}

class DecimalTextTest : public ::testing::Test {
  protected:
    void TearDown() override { OverrideDecimalSeparator(std::nullopt); }
};

TEST_F(DecimalTextTest, ToInvariantDecimalWithCommaLocale) {
    OverrideDecimalSeparator(",");
    EXPECT_EQ(ToInvariantDecimal("12,5"), "12.5");
    EXPECT_EQ(ToInvariantDecimal("1,2,3"), "1.2,3");
    EXPECT_EQ(ToLocaleDecimalText(12.5), "12.5");
}

TEST_F(DecimalTextTest, ToInvariantDecimalWithPointLocale) {
    OverrideDecimalSeparator(".");
    EXPECT_EQ(ToInvariantDecimal("12,5"), "12,5");
    EXPECT_EQ(ToInvariantDecimal("12.5"), "12.5");
    EXPECT_EQ(ToLocaleDecimalText(-0.25), "-0.25");
}

TEST_F(DecimalTextTest, LeadingDecimalValueIgnoresLocaleAndTrailingText) {
    OverrideDecimalSeparator(",");
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue(" - 1 2.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("2e"), 2.0);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("12,5"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingDecimalValue("-1"), -1.0);
}

TEST(SubstituteArguments, FillsEveryOccurrenceOnce) {
    EXPECT_EQ(SubstituteArguments("%1% and %1%", {"x"}), "x and x");
    EXPECT_EQ(SubstituteArguments("%1%-%2%-%3%", {"a", "b"}), "a-b-%3%");
    // An argument's own text is not searched again.
    EXPECT_EQ(SubstituteArguments("%1% %2%", {"%2%", "b"}), "%2% b");
    EXPECT_EQ(SubstituteArguments("100% sure %1", {"a"}), "100% sure %1");
    EXPECT_EQ(SubstituteArguments("%10%", QStringList(10, "z")), "z");
}

TEST(SubstituteArguments, NumbersAreFilledInTurnFromOne) {
    // "%1%" is filled before "%2%": in "%2%1%" the first "%1%" starts at the second percent
    // sign, and what is left, "%2" + "a", holds no "%2%" any more.
    EXPECT_EQ(SubstituteArguments("%2%1%", {"a", "b"}), "%2a");
    // Only the plain decimal number is a placeholder.
    EXPECT_EQ(SubstituteArguments("%01% %1%", {"a"}), "%01% a");
}

TEST(ControlKey, WindowControlIndexAndItem) {
    EXPECT_EQ(ControlKey("frmMain", "TDBNummaxfuels"), "frmMain!TDBNummaxfuels");
    EXPECT_EQ(ControlKey("frmMain", "txtheaderline", 1), "frmMain!txtheaderline#1");
    EXPECT_EQ(ControlItemKey(ControlKey("frmMain", "trvalmparam", 0), 1),
              "frmMain!trvalmparam#0:1");
}

TEST(WaitMilliseconds, ProcessesEventsWhileWaiting) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    bool fired = false;
    QTimer::singleShot(5, [&] { fired = true; });
    QElapsedTimer timer;
    timer.start();
    WaitMilliseconds(40);
    EXPECT_GE(timer.elapsed(), 40);
    EXPECT_TRUE(fired);
}

TEST_F(DecimalTextTest, LocaleTextReadsBackExactly) {
    OverrideDecimalSeparator(",");
    for (const double value : {0.2249999940395355, 1e-7, 123456789.125, -3.0, 0.1}) {
        const QString text = ToLocaleDecimalText(value);
        EXPECT_FALSE(text.contains(',')) << text.toStdString();
        EXPECT_FALSE(text.contains('e')) << text.toStdString();
        EXPECT_EQ(LeadingDecimalValue(text), value) << text.toStdString();
    }
    // Plain decimals, the shortest that read back the same.
    EXPECT_EQ(ToLocaleDecimalText(1000000), "1000000");
    EXPECT_EQ(ToLocaleDecimalText(0.00005), "0.00005");
    EXPECT_EQ(ToLocaleDecimalText(-2.5e-7), "-0.00000025");
    EXPECT_EQ(ToLocaleDecimalText(0.1f), "0.10000000149011612");
}
