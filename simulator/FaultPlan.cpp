#include "simulator/FaultPlan.h"

#include <algorithm>
#include <chrono>

namespace kilnward::sim {

void FaultPlan::add(FaultRule rule, std::uint64_t nextRequest) {
    if (rule.from == 0) {
        rule.from = nextRequest;
    }
    rules_.push_back(rule);
}

bool FaultPlan::applies(const FaultRule& rule, std::uint64_t number, std::uint16_t command) {
    if (number < rule.from) {
        return false;
    }
    // An exact rule covers the consecutive requests from..from+count-1 and no others.
    if (rule.exact && rule.count != 0 && number - rule.from >= rule.count) {
        return false;
    }
    return !rule.command || *rule.command == command;
}

std::optional<FaultRule> FaultPlan::take(std::initializer_list<FaultKind> kinds,
                                         std::uint64_t number, std::uint16_t command,
                                         TimePoint now) {
    for (FaultRule& rule : rules_) {
        if (std::find(kinds.begin(), kinds.end(), rule.kind) == kinds.end() ||
            !applies(rule, number, command)) {
            continue;
        }
        if (rule.busyUntil && now < *rule.busyUntil) {
            return rule;  // inside a busy period that is already counted
        }
        if (rule.count != 0 && rule.used >= rule.count) {
            continue;
        }
        ++rule.used;
        if (rule.kind == FaultKind::Busy && rule.value > 0) {
            rule.busyUntil = now + std::chrono::milliseconds(rule.value);
        }
        return rule;
    }
    return std::nullopt;
}

}  // namespace kilnward::sim
