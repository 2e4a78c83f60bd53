#include "dialogs/ConnectionTester.h"

#include <QCoreApplication>

#include "drivers/InstrumentDriver.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "transfer/AnalyserLink.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkTrace.h"
#include "wirelink/Wirelink.h"

namespace kilnward::dialogs {

ConnectionTester::ConnectionTester(transfer::SimulatedAnalysers& simulated, CurrentDriver driver,
                                   CurrentTrace trace)
    : simulated_(simulated), driver_(std::move(driver)), trace_(std::move(trace)) {}

transfer::ConnectionCheckResult ConnectionTester::check(const transfer::LinkSettings& settings) {
    drivers::InstrumentDriver* driver = driver_ ? driver_() : nullptr;
    if (!driver) {
        transfer::ConnectionCheckResult refused;
        refused.message = language::LangMan().TranslateString(
            QStringLiteral("test_nomodel"), QStringLiteral("No analyser model is selected."));
        return refused;
    }
    transfer::LinkContext context;
    context.simulated = &simulated_;
    context.host = this;
    context.trace = trace_ ? trace_() : nullptr;
    context.traceNote = QStringLiteral("connection test");
    transfer::AnalyserLink opened(settings, driver->Instrument_ID(), context);
    wirelink::Wirelink& link = opened.link();
    link_ = &link;
    const struct Forget {
        wirelink::Wirelink*& link;
        ~Forget() { link = nullptr; }
    } forget{link_};
    return transfer::CheckConnection(link, settings, *driver, language::LangMan());
}

void ConnectionTester::cancel() {
    if (link_) {
        link_->CancelSendFrame();
    }
}

void ConnectionTester::processEvents() {
    QCoreApplication::processEvents();
}

}  // namespace kilnward::dialogs
