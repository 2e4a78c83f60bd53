#include "app/TextFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/ScriptedPrompts.h"
#include "tests/support/FileSizeLimit.h"

using namespace kilnward::app;

TEST(WriteTextLines, WritesCrLfLinesAsWindows1252) {
    TempFolder dir;
    ScriptedPrompts prompts;
    ASSERT_TRUE(WriteTextLines(dir.path("c.txt"), {"one", QString::fromUtf8("\u00b0C"), ""}, false,
                               prompts));
    EXPECT_EQ(dir.read("c.txt"), QByteArray("one\r\n\xb0"
                                            "C\r\n\r\n"));
    EXPECT_TRUE(prompts.records().empty());
}

TEST(WriteTextLines, TextBeyondWindows1252IsWrittenAsUtf8) {
    TempFolder dir;
    ScriptedPrompts prompts;
    const QString line = QString::fromUtf8("CO\u2082 \u00b0C \u03bb");
    ASSERT_TRUE(WriteTextLines(dir.path("c.txt"), {line, "two"}, false, prompts));
    EXPECT_EQ(QString::fromUtf8(dir.read("c.txt")), line + "\r\ntwo\r\n");
}

TEST(WriteTextLines, AsksBeforeOverwritingAndNoKeepsTheFile) {
    TempFolder dir;
    const QString file = dir.write("c.txt", "old");
    ScriptedPrompts prompts;
    prompts.queueAnswer(PromptAnswer::No);
    EXPECT_FALSE(WriteTextLines(file, {"new"}, false, prompts));
    EXPECT_EQ(dir.read("c.txt"), QByteArray("old"));
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].text, "File Already Exist. Do you want to overwrite it ?");
    EXPECT_EQ(prompts.records()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompts.records()[0].icon, PromptIcon::None);

    prompts.queueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(WriteTextLines(file, {"new"}, false, prompts));
    EXPECT_EQ(dir.read("c.txt"), QByteArray("new\r\n"));
}

TEST(WriteTextLines, OverwritesSilentlyWhenAsked) {
    TempFolder dir;
    const QString file = dir.write("c.txt", "old");
    ScriptedPrompts prompts;
    EXPECT_TRUE(WriteTextLines(file, {"x"}, true, prompts));
    EXPECT_TRUE(prompts.records().empty());
    EXPECT_EQ(dir.read("c.txt"), QByteArray("x\r\n"));
}

TEST(WriteTextLines, FailureReturnsFalseWithoutMessage) {
    TempFolder dir;
    ScriptedPrompts prompts;
    EXPECT_FALSE(WriteTextLines(dir.path("no/such/folder/c.txt"), {"x"}, false, prompts));
    EXPECT_TRUE(prompts.records().empty());
}

TEST(WriteTextLines, FailedWriteKeepsTheOldFile) {
    TempFolder dir;
    const QString file = dir.write("c.txt", "old");
    ScriptedPrompts prompts;
    {
        kilnward::test::FileSizeLimit limit(64);
        EXPECT_FALSE(
            WriteTextLines(file, QStringList(50, "a line of the text export"), true, prompts));
    }
    EXPECT_EQ(dir.read("c.txt"), QByteArray("old"));
}
