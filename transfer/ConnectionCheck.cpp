#include "transfer/ConnectionCheck.h"

#include <exception>

#include "drivers/InstrumentDriver.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkSetup.h"
#include "transfer/TransferErrorReport.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

namespace {

void ReadClock(wirelink::Wirelink& link, const LinkSettings& settings,
               drivers::InstrumentDriver& driver, ConnectionCheckResult& result) {
    // The driver holds the link only for the length of the check.
    struct Detach {
        drivers::InstrumentDriver& attached;
        ~Detach() { attached.linktowirelinkctrl(nullptr); }
    } detach{driver};
    driver.linktowirelinkctrl(&link);
    ApplyLinkSettings(link, settings);
    link.setRaiseErrors(true);
    link.OpenCom();
    link.Defineflow(settings.addr, driver.Instrument_ID());
    driver.ReadRTCClock(settings.addr, result.clock);
    result.ok = true;
}

}  // namespace

ConnectionCheckResult CheckConnection(wirelink::Wirelink& link, const LinkSettings& settings,
                                      drivers::InstrumentDriver& driver,
                                      app::Translator& translator) {
    ConnectionCheckResult result;
    try {
        ReadClock(link, settings, driver, result);
    } catch (const wirelink::Error& error) {
        result.code = error.code();
        result.message = TransferErrorMessage(error, translator);
    } catch (const std::exception& error) {
        // A driver's own failure (a clock record too short to decode): shown as raised.
        result.message = QString::fromStdString(error.what());
    }
    link.Releaseflow(settings.addr);
    link.CloseCom();
    if (!result.ok) {
        result.problem = ClassifyLinkFailure(result.code, settings);
        const TransferText hint = ConnectionHint(result.problem, settings.useInfrared);
        if (*hint.key != '\0') {
            result.hint = hint.translated(translator);
        }
    }
    return result;
}

QString AnalyserClockText(drivers::DateTime when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(static_cast<int>(date.year()), 4, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(date.month()), 2, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(date.day()), 2, 10, QLatin1Char('0'))
        .arg(time.hours().count(), 2, 10, QLatin1Char('0'))
        .arg(time.minutes().count(), 2, 10, QLatin1Char('0'));
}

}  // namespace kilnward::transfer
