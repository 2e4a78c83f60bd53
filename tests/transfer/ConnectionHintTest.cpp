// What the settings dialog's connection check tells the user to do about a failure.
#include <gtest/gtest.h>

#include "transfer/ConnectionHint.h"
#include "wirelink/Errors.h"
#include "wirelink/PortErrors.h"

namespace kilnward::transfer {
namespace {

constexpr std::int32_t Port(wirelink::PortError error) {
    return static_cast<std::int32_t>(error);
}

TEST(ConnectionHintTest, EachFailureGetsTheHintThatFitsIt) {
    using P = ConnectionProblem;
    using wirelink::PortError;
    using wirelink::WLink_errors;
    // A port that refuses to open: the user's access decides between rights and another
    // program holding it.
    EXPECT_EQ(ClassifyConnectionFailure(Port(PortError::HardwareNotAvailable), true),
              P::PermissionDenied);
    EXPECT_EQ(ClassifyConnectionFailure(Port(PortError::HardwareNotAvailable), false),
              P::PortInUse);
    EXPECT_EQ(ClassifyConnectionFailure(Port(PortError::InvalidPortNumber), false), P::PortMissing);
    EXPECT_EQ(ClassifyConnectionFailure(Port(PortError::NotASerialPort), false), P::NotASerialPort);
    EXPECT_EQ(ClassifyConnectionFailure(StatusOf(WLink_errors::WLerr_timeouterror), false),
              P::NoAnswer);
    EXPECT_EQ(ClassifyConnectionFailure(StatusOf(WLink_errors::WLerr_checksumerror), false),
              P::GarbledAnswer);
    EXPECT_EQ(ClassifyConnectionFailure(StatusOf(WLink_errors::WLerrFAIL_ID), false),
              P::WrongModel);
    EXPECT_EQ(ClassifyConnectionFailure(std::nullopt, true), P::Other);

    EXPECT_NE(QString(ConnectionHint(P::PermissionDenied).english).indexOf("dialout"), -1);
    const QString noAnswer = ConnectionHint(P::NoAnswer).english;
    for (const char* word : {"address", "baud rate", "infrared adapter"}) {
        EXPECT_TRUE(noAnswer.contains(word)) << word;
    }
    EXPECT_TRUE(QString(ConnectionHint(P::PortMissing).english).contains("does not exist"));
    EXPECT_STREQ(ConnectionHint(P::Other).key, "");
}

TEST(ConnectionHintTest, OnlyAnInfraredLinkGetsAdviceAboutTheAdapter) {
    using P = ConnectionProblem;
    const struct {
        P problem;
        bool infrared;
        const char* key;
    } cases[] = {
        {P::NoAnswer, true, "hint_noanswer"},
        {P::NoAnswer, false, "hint_noanswer_cable"},
        {P::GarbledAnswer, true, "hint_garbled"},
        {P::GarbledAnswer, false, "hint_garbled_cable"},
        {P::PortMissing, false, "hint_portmissing"},
        {P::NoModemLines, true, "hint_nomodemlines"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const TransferText hint = ConnectionHint(c.problem, c.infrared);
        EXPECT_STREQ(hint.key, c.key);
        EXPECT_EQ(QString(hint.english).contains("infrared", Qt::CaseInsensitive),
                  c.infrared && c.problem != P::PortMissing);
    }
}

TEST(ConnectionHintTest, AccessIsDeniedOnlyForAnExistingDeviceTheUserMayNotOpen) {
    EXPECT_FALSE(PortAccessDenied(QStringLiteral("/nonexistent/ttyUSB9")));
    EXPECT_FALSE(PortAccessDenied(QString()));
#if !defined(_WIN32)
    EXPECT_FALSE(PortAccessDenied(QStringLiteral("/dev/null")));
#endif
}

}  // namespace
}  // namespace kilnward::transfer
