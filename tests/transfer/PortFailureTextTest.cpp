// Why a port could not be opened reaches the user in the user's language when the link's
// error table has a text for it.

#include <gtest/gtest.h>

#include "app/EnglishTranslator.h"
#include "app/ScriptedPrompts.h"
#include "documents/MessageBoxes.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferSession.h"
#include "wirelink/Errors.h"
#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {
namespace {

// Knows two texts in another language: the link's "no modem lines" error and its remedy.
class OneGermanText : public app::EnglishTranslator {
  public:
    QString TranslateString(const QString& key, const QString& defaultText,
                            const QStringList& arguments) override {
        if (key == QStringLiteral("Error%1").arg(
                       wirelink::StatusOf(wirelink::WLink_errors::WLerr_nomodemlines))) {
            return QStringLiteral("Der Infrarotadapter braucht die Modemleitungen");
        }
        if (key == QStringLiteral("hint_nomodemlines")) {
            return QStringLiteral("Diese Schnittstelle versorgt keinen Infrarotadapter.");
        }
        return app::EnglishTranslator::TranslateString(key, defaultText, arguments);
    }
};

class QuietSink : public ProgressSink {
  public:
    void setProgress(int /*percent*/) override {}
    void setStatus(const QString& /*text*/) override {}
};

TEST(PortFailureText, TheReasonAPortCannotBeUsedIsTranslated) {
    testing::SessionFixture s;
    s.chooseModel(12);
    wirelink::FakeClock clock;
    wirelink::FakeCommPort pty(clock);
    pty.setModemLines(false);
    wirelink::Wirelink link(pty, nullptr, &clock);
    LinkSettings settings;
    settings.portName = QStringLiteral("/dev/pts/9");
    settings.useInfrared = true;
    OneGermanText german;
    app::ScriptedPrompts prompts;
    documents::MessageBoxes boxes(prompts, german);
    QuietSink sink;
    TransferSession session(link, settings, s.driver(), boxes, sink);
    session.setWait([](int) {});

    ASSERT_EQ(session.getconfiguration(s.form()), TransferOutcome::PortNotOpened);
    ASSERT_TRUE(session.failure().has_value());
    EXPECT_EQ(session.failure()->message,
              QStringLiteral("Der Infrarotadapter braucht die Modemleitungen"));
    ASSERT_EQ(prompts.messages().size(), 1u);
    // The window's message names the port and what mends it, in the user's language.
    EXPECT_TRUE(prompts.messages()[0].contains(
        QStringLiteral("\n\n/dev/pts/9: Diese Schnittstelle versorgt keinen Infrarotadapter")))
        << prompts.messages()[0].toStdString();
}

}  // namespace
}  // namespace kilnward::transfer
