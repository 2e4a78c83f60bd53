#include "app/Catalogue.h"

#include "app/ParamTree.h"
#include "app/ProgramFolder.h"

namespace kilnward::app {

namespace {

QString ParamIniOr(const QString& path) {
    return path.isEmpty() ? ProgramFolder::dataFile(QStringLiteral("Param.ini")) : path;
}

void ShowParam(ParamTreeNode& node, const ParamEntry& entry, quint8 id, bool numbered, int number) {
    node.setText(entry.Name + NodeNumberSuffix(numbered, number));
    node.setTag(id);
    node.setImageKey(entry.imageKey());
}

}  // namespace

ParamCatalogue& Params() {
    static ParamCatalogue catalogue;
    return catalogue;
}

InstrumentCatalogue& Instruments() {
    static InstrumentCatalogue catalogue;
    return catalogue;
}

const ParamTableArray& ParamTable() {
    return Params().table();
}

int ParamCount() {
    return Params().count();
}

const std::vector<InstrumentEntry>& InstrumentList() {
    return Instruments().entries();
}

int LoadParameterCatalogue(Translator& translator, const QString& paramIniPath) {
    return Params().load(ParamIniOr(paramIniPath), translator);
}

int LoadInstrumentList(const InstrumentNamer& nameOf, const QString& paramIniPath) {
    return Instruments().load(ParamIniOr(paramIniPath), nameOf ? nameOf : DriverInstrumentName);
}

int FindParamIndex(quint8 id) {
    return Params().findParamIndex(id);
}

QString NodeNumberSuffix(bool numbered, int number) {
    return numbered ? QStringLiteral(" - ") + QString::number(number) : QString();
}

ParamTreeNode& AddParamNode(ParamTree& tree, quint8 id, bool numbered) {
    const ParamEntry& entry = Params().entryForId(id);
    if (!entry.Overlay.isEmpty()) {
        tree.addOverlayImage(entry.IconKey);
    }
    ParamTreeNode& node = tree.addNode();
    ShowParam(node, entry, id, numbered, node.index());
    return node;
}

void UpdateParamNode(ParamTreeNode& node, quint8 id, const std::function<void()>& markOwnerDirty,
                     bool numbered) {
    if (node.tag() != id && markOwnerDirty) {
        markOwnerDirty();
    }
    ShowParam(node, Params().entryForId(id), id, numbered, node.index());
}

}  // namespace kilnward::app
