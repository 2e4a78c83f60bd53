#pragma once

#include "app/ParamEntry.h"

#include <QString>

#include <array>

namespace kilnward::app {

class Translator;

inline constexpr int kParamTableSize = 256;
inline constexpr int kEndMarkerIndex = 255;
inline constexpr quint8 kEndMarkerId = 255;

using ParamTableArray = std::array<ParamEntry, kParamTableSize>;

// The parameter catalogue read from section "Parameters" of Param.ini: entries 0..count-1 in
// file order, entry 255 the end marker ("####", 255, "endlist"), the others empty.
class ParamCatalogue {
  public:
    ParamCatalogue();

    // Re-reads the section; names through `translator` with key "gas:<id>". A missing or
    // empty section gives the one placeholder entry "None". Malformed lines are skipped;
    // lines beyond the table's 255 usable entries are ignored. Returns the count.
    int load(const QString& paramIniPath, Translator& translator);

    const ParamTableArray& table() const { return table_; }
    int count() const { return count_; }
    const ParamEntry& entry(int index) const;
    // Index of the first entry with this identifier, 0 when none.
    int findParamIndex(quint8 id) const;
    // The entry FindParamIndex picks (unknown identifiers show entry 0; 255 the end marker).
    const ParamEntry& entryForId(quint8 id) const;

  private:
    void clear();
    ParamTableArray table_;
    int count_ = 0;
};

}  // namespace kilnward::app
