// What the user is told when a transfer fails.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/ScriptedPrompts.h"
#include "app/SubstituteArguments.h"
#include "app/Translator.h"
#include "documents/MessageBoxes.h"
#include "transfer/TransferErrorReport.h"
#include "wirelink/Errors.h"
#include "wirelink/PortErrors.h"

namespace kilnward::transfer {
namespace {

using wirelink::WLink_errors;

// Translates the link errors of the table into German and records every key asked.
class GermanErrors : public app::Translator {
  public:
    QString TranslateString(const QString& key, const QString& defaultText,
                            const QStringList& arguments = {}) override {
        keys.push_back(key);
        if (key == "Error-2147220992") {
            return app::SubstituteArguments("Zeitüberschreitung an Geräteadresse 0x%1%", arguments);
        }
        return app::SubstituteArguments(defaultText, arguments);
    }
    std::vector<QString> keys;
};

class ErrorReport : public ::testing::Test {
  protected:
    std::vector<QString> report(const std::exception& error) {
        ReportTransferError(error, boxes);
        return prompts.messages();
    }
    wirelink::Error linkError(WLink_errors code) {
        return wirelink::Error(code, wirelink::ErrorContext{.addr = 1, .type = 12});
    }

    app::ScriptedPrompts prompts;
    GermanErrors translator;
    documents::MessageBoxes boxes{prompts, translator};
};

TEST_F(ErrorReport, ARequestEndedByTheClosingWindowSaysNothing) {
    EXPECT_TRUE(report(linkError(WLink_errors::WLerr_abortsend)).empty());
}

TEST_F(ErrorReport, LinkErrorsAreTranslatedUnderErrorAndTheirDecimalCode) {
    EXPECT_EQ(report(linkError(WLink_errors::WLerr_timeouterror)),
              std::vector<QString>{"Zeitüberschreitung an Geräteadresse 0x01."});
    EXPECT_NE(std::find(translator.keys.begin(), translator.keys.end(), "Error-2147220992"),
              translator.keys.end());
}

TEST_F(ErrorReport, AnUntranslatedLinkErrorShowsItsDescription) {
    const wirelink::Error cancelled = linkError(WLink_errors::WLerr_cancelledsend);
    EXPECT_EQ(report(cancelled),
              std::vector<QString>{QString::fromStdString(cancelled.what()) + "."});
    EXPECT_NE(std::find(translator.keys.begin(), translator.keys.end(), "Error-2147220980"),
              translator.keys.end());
}

TEST_F(ErrorReport, TranslationsAreFilledWithTheBytesTheMessageNames) {
    const wirelink::ErrorContext context{
        .addr = 0x1A, .type = 0x0C, .cmdh = 0x80, .cmdl = 0x05, .code = 0xE3};
    EXPECT_EQ(LinkErrorArguments(context), QStringList({"1A", "8005", "0C", "E3"}));
    // The same failure raised again by the control keeps its bytes.
    const wirelink::Error raised(wirelink::Error(WLink_errors::WLerr_timeouterror, context), "X");
    EXPECT_EQ(raised.source(), "X");
    EXPECT_EQ(report(raised), std::vector<QString>{"Zeitüberschreitung an Geräteadresse 0x1A."});
    // A code of the table without its bytes cannot fill a translation: shown as raised.
    prompts.clear();
    const wirelink::Error bare(wirelink::StatusOf(WLink_errors::WLerr_timeouterror), "Timeout");
    EXPECT_EQ(report(bare), std::vector<QString>{"Timeout."});
}

TEST_F(ErrorReport, OtherFailuresAreShownAsRaised) {
    const wirelink::Error port =
        wirelink::PortFailure(wirelink::PortError::HardwareNotAvailable, "Port busy");
    EXPECT_EQ(report(port), std::vector<QString>{QString::fromStdString(port.what()) + "."});
    for (const QString& key : translator.keys) {
        EXPECT_FALSE(key.startsWith("Error-")) << key.toStdString();
    }
}

TEST_F(ErrorReport, TheLinkRangeEndsAt0x80050000) {
    EXPECT_TRUE(IsLinkErrorCode(static_cast<std::int32_t>(0x80040000u)));
    EXPECT_TRUE(IsLinkErrorCode(static_cast<std::int32_t>(0x80050000u)));
    EXPECT_FALSE(IsLinkErrorCode(static_cast<std::int32_t>(0x80050001u)));
    EXPECT_FALSE(IsLinkErrorCode(static_cast<std::int32_t>(0x8003FFFFu)));
    EXPECT_FALSE(IsLinkErrorCode(8002));
}

}  // namespace
}  // namespace kilnward::transfer
