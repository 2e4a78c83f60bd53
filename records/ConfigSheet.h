#pragma once

#include <QStringList>

#include "records/RecordDocument.h"
#include "records/ReportFacts.h"

namespace kilnward::app {
class Translator;
}

namespace kilnward::records {

// The printed configuration sheet: the head (model, address, date, program version,
// technician, company), then the sections of the configuration listing as the text export
// writes them (ConfigTextExport), each heading a title and each "caption = value" line a row
// of a table; the fuel table keeps its fixed columns.
RecordDocument ConfigSheetDocument(const QStringList& listing, const ReportFacts& facts,
                                   app::Translator& translator);

}  // namespace kilnward::records
