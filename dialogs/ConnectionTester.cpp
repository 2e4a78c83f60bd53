#include "dialogs/ConnectionTester.h"

#include <QCoreApplication>

#include "drivers/InstrumentDriver.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkTrace.h"
#include "wirelink/Wirelink.h"

namespace kilnward::dialogs {

ConnectionTester::ConnectionTester(SimulatedAnalysers& simulated, CurrentDriver driver,
                                   CurrentTrace trace)
    : port_(simulated), driver_(std::move(driver)), trace_(std::move(trace)) {}

transfer::ConnectionCheckResult ConnectionTester::check(const transfer::LinkSettings& settings) {
    drivers::InstrumentDriver* driver = driver_ ? driver_() : nullptr;
    if (!driver) {
        transfer::ConnectionCheckResult refused;
        refused.message = language::LangMan().TranslateString(
            QStringLiteral("test_nomodel"), QStringLiteral("No analyser model is selected."));
        return refused;
    }
    port_.target(driver->Instrument_ID(), settings.addr, settings.useInfrared);
    wirelink::Wirelink link(port_, this);
    link.setPermitsEvents(true);
    if (transfer::LinkTrace* trace = trace_ ? trace_() : nullptr) {
        trace->attach(link);
        trace->note(QStringLiteral("connection test"));
    }
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
