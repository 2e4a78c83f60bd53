// What a configuration document file from careless or hostile hands does when loaded: each
// bad input with its expected outcome.
#include "SessionFixture.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "tests/support/NamedPipe.h"

#include <optional>

namespace kilnward::documents::testing {
namespace {

QByteArray Document(const QByteArray& body) {
    return "[General]\r\nFileVersion=2.0.22\r\nFileType=Kcfg\r\n[Kcfg]\r\n" + body;
}

QByteArray Utf16(const QByteArray& text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

QByteArray Binary() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>((i * 7919) & 0xFF);
    }
    return bytes;
}

struct BadInput {
    const char* name;
    QByteArray bytes;               // the file's content (null: `special` is read instead)
    bool loaded;                    // whether the load is accepted
    double copies;                  // TDBNumprtcopies afterwards (1..5, 2 before the load)
    const char* message;            // what the user is told (a fragment; "" for nothing)
    const char* special = nullptr;  // a device, or "fifo" for a named pipe in the folder
};

std::vector<BadInput> Cases() {
    const QByteArray copies = "frmMain!TDBNumprtcopies=";
    return {
        {"Empty", "", false, 2, "Not found or damaged file."},
        {"Binary", Binary(), false, 2, "Not found or damaged file."},
        {"Huge", Document(QByteArray(2 << 20, 'x')), false, 2, "(it is larger than 1024 KiB)"},
        {"EndlessDevice", {}, false, 2, "/dev/zero (it is not a regular file)", "/dev/zero"},
        {"NamedPipe", {}, false, 2, "input.cfg (it is not a regular file)", "fifo"},
        {"TruncatedMidLine", Document(copies + "4\r\nfrmMain!TDBNumCOth"), true, 4, ""},
        {"Utf16", Utf16(Document(copies + "4\r\n")), false, 2, "Not found or damaged file."},
        {"LongLine",
         Document("frmMain!txtserviceline#0=" + QByteArray(100000, 'a') + "\r\n" + copies +
                  "3\r\n"),
         true, 3, ""},
        {"RepeatedKeys", Document(copies + "3\r\n" + copies + "4\r\n"), true, 3, ""},
        {"OutOfRangeHigh", Document(copies + "200\r\n"), true, 5, ""},
        {"OutOfRangeLow", Document(copies + "-7\r\n"), true, 1, ""},
        {"HugeNumber", Document(copies + "1e30\r\n"), true, 5, ""},
        {"NaN", Document(copies + "NaN\r\n"), true, 1, ""},
        {"Infinite", Document(copies + "1e999\r\n"), true, 5, ""},
        {"NegativeInfinite", Document(copies + "-1e999\r\n"), true, 1, ""},
    };
}

class BadDocumentInputTest : public SessionFixture,
                             public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadDocumentInputTest, HasItsExpectedOutcome) {
    const BadInput& input = GetParam();
    QString file = path("input.cfg");
    std::optional<test::NamedPipe> pipe;
    if (input.special == QStringLiteral("fifo")) {
        ASSERT_TRUE(pipe.emplace(file).created());
    } else if (input.special) {
        file = QString::fromLatin1(input.special);
    } else {
        WriteAll(file, input.bytes);
    }
    form().numeric("TDBNumprtcopies").setValue(2);
    prompts.clear();

    EXPECT_EQ(files().LoadDocument(file, kConfigurationDocument, false), input.loaded);
    EXPECT_EQ(form().numeric("TDBNumprtcopies").value(), input.copies);
    if (*input.message) {
        ASSERT_EQ(prompts.messages().size(), 1u);
        EXPECT_TRUE(prompts.messages()[0].contains(input.message))
            << prompts.messages()[0].toStdString();
    } else {
        EXPECT_TRUE(prompts.messages().empty());
    }
    // Whatever was read, no text field took more than the profile reader hands back.
    EXPECT_LE(form().text("txtserviceline", 0).text().size(), 2046);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadDocumentInputTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kilnward::documents::testing
