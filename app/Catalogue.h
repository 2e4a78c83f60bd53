#pragma once

#include "app/InstrumentCatalogue.h"
#include "app/ParamCatalogue.h"

#include <QString>

#include <functional>
#include <vector>

namespace kilnward::drivers {
class InstrumentDriver;
}

namespace kilnward::app {

class ParamTree;
class ParamTreeNode;
class Translator;

// The application-wide catalogue: the parameter table and the instrument list, living for
// the whole run.
ParamCatalogue& Params();
InstrumentCatalogue& Instruments();

// The catalogue's names as the rest of the program uses them.
const ParamTableArray& ParamTable();
int ParamCount();
const std::vector<InstrumentEntry>& InstrumentList();

// Fills the parameter table from Param.ini of the program folder (or `paramIniPath`).
int LoadParameterCatalogue(Translator& translator, const QString& paramIniPath = {});
// Fills the instrument list from Param.ini; `nameOf` defaults to the drivers' names
// (DriverInstrumentName).
int LoadInstrumentList(const InstrumentNamer& nameOf = {}, const QString& paramIniPath = {});
// Instrument_Name of the driver CreateDriver makes for `id`, nullopt when none.
std::optional<QString> DriverInstrumentName(quint8 id);
// A driver's Instrument_Name as text (drivers keep their texts as Windows-1252 bytes).
QString InstrumentName(const drivers::InstrumentDriver& driver);

int FindParamIndex(quint8 id);
// " - " and the number when `numbered`, else empty.
QString NodeNumberSuffix(bool numbered, int number);

// Appends a node for parameter `id` at the end of `tree` (text with the node's number when
// `numbered`, tag, image; asks the tree for the overlay image) and returns it.
ParamTreeNode& AddParamNode(ParamTree& tree, quint8 id, bool numbered);
// Sets text, tag and image of `node` for parameter `id`. When the node's tag differs from
// `id`, `markOwnerDirty` is called first (the owning control's document has changed).
void UpdateParamNode(ParamTreeNode& node, quint8 id, const std::function<void()>& markOwnerDirty,
                     bool numbered);

}  // namespace kilnward::app
