#pragma once

#include "app/InstrumentEntry.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kilnward::app {

// Name of the model with this identifier, or nullopt when no driver exists for it.
using InstrumentNamer = std::function<std::optional<QString>(quint8 id)>;

// The models of section "Instruments" of Param.ini that have a driver, in file order.
class InstrumentCatalogue {
  public:
    // A missing or empty section gives the one model 10. Lines whose value is not a number
    // 0..255, and models without a driver, are skipped. Returns the number of models.
    int load(const QString& paramIniPath, const InstrumentNamer& nameOf);

    const std::vector<InstrumentEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<InstrumentEntry> entries_;
};

}  // namespace kilnward::app
