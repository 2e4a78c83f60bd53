#include "app/Catalogue.h"

#include "app/Windows1252.h"
#include "drivers/CreateDriver.h"

namespace kilnward::app {

std::optional<QString> DriverInstrumentName(quint8 id) {
    const auto driver = drivers::CreateDriver(id);
    if (!driver) {
        return std::nullopt;
    }
    return InstrumentName(*driver);
}

QString InstrumentName(const drivers::InstrumentDriver& driver) {
    // Driver texts are Windows-1252 bytes.
    return DecodeWindows1252(QByteArray::fromStdString(driver.Instrument_Name()));
}

}  // namespace kilnward::app
