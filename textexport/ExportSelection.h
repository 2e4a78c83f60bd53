#pragma once

#include <QString>

#include <array>
#include <optional>

namespace kilnward::textexport {

// The sections of the configuration listing, in the order they are written.
enum class ExportSection {
    General,
    BarGraphs,
    Service,
    Pages,
    Printer,
    Alarms,
    AuxInputs,
    AnalogOutputs,
    Timers,
    Fuels,
};
inline constexpr int kExportSectionCount = 10;
// The entry of ExportSelection that selects every section.
inline constexpr int kExportAll = 10;

// Entries 0..9 select the sections in ExportSection order, entry 10 all of them.
using ExportSelection = std::array<bool, kExportSectionCount + 1>;

// The answer of the print configuration dialog (ExportSelection and ExportCancelled). One
// lives as long as the program: the selection of the last OK stays for the next export.
struct PrintConfigAnswer {
    ExportSelection selection{};
    bool cancelled = false;
};

// Command-line names of the sections ("general", "bargraphs", ... "fuels"), in order.
QString ExportSectionName(ExportSection section);
// "all" or a comma list of section names; nullopt with `error` set for an unknown name.
std::optional<ExportSelection> ParseExportSections(const QString& list, QString& error);

}  // namespace kilnward::textexport
