#pragma once

#include <QString>

#include <QtGlobal>

namespace kilnward::app {

// One analyser model offered in the model menu.
struct InstrumentEntry {
    QString Name;  // the driver's Instrument_Name
    quint8 Id = 0;
};

}  // namespace kilnward::app
