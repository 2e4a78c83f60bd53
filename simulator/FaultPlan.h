#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "simulator/FaultRule.h"
#include "simulator/RequestFrame.h"

namespace kilnward::sim {

// The scripted faults of a simulator, asked once per request and phase.
class FaultPlan {
  public:
    // `nextRequest` resolves a rule's `from` of 0.
    void add(FaultRule rule, std::uint64_t nextRequest);

    // The first rule of one of `kinds` that fires on request `number`; a fired rule uses
    // up one of its uses (a busy period: its first request).
    std::optional<FaultRule> take(std::initializer_list<FaultKind> kinds, std::uint64_t number,
                                  std::uint16_t command, TimePoint now);

  private:
    static bool applies(const FaultRule& rule, std::uint64_t number, std::uint16_t command);

    std::vector<FaultRule> rules_;
};

}  // namespace kilnward::sim
