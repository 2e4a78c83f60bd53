#include "dialogs/ConnectionTester.h"

#include <QCoreApplication>

#include "app/Translator.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/AnalyserLink.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkTrace.h"
#include "wirelink/Wirelink.h"

namespace kilnward::dialogs {

ConnectionTester::ConnectionTester(transfer::SimulatedAnalysers& simulated,
                                   app::Translator& translator, CurrentDriver driver,
                                   CurrentTrace trace)
    : simulated_(simulated),
      translator_(translator),
      driver_(std::move(driver)),
      trace_(std::move(trace)) {}

transfer::ConnectionCheckResult ConnectionTester::check(const transfer::LinkSettings& settings) {
    drivers::InstrumentDriver* driver = driver_ ? driver_() : nullptr;
    if (!driver) {
        transfer::ConnectionCheckResult refused;
        refused.message =
            app::Translated(translator_, "test_nomodel", "No analyser model is selected.");
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
    return transfer::CheckConnection(link, settings, *driver, translator_);
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
