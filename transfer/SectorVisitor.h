#pragma once

#include <cstdint>

#include "transfer/SectorField.h"

namespace kilnward::transfer {

// What walks the configuration sector field by field: the receive's decoder and the send's
// encoder. The walk decides the order, the loops and the model branches; the visitor moves
// its cursor over each field.
class SectorVisitor {
  public:
    virtual ~SectorVisitor() = default;

    virtual std::int64_t cursor() const = 0;
    virtual void field(const SectorField& field) = 0;
    // Every field between beginFuel and the next beginFuel or endFuels belongs to fuel f.
    virtual void beginFuel(int /*fuel*/) {}
    virtual void endFuels() {}
};

}  // namespace kilnward::transfer
