#include "FlowTable.h"

namespace wirelink {

bool FlowTable::define(std::uint8_t addr, std::uint8_t type) {
    if (exists(addr)) {
        return false;
    }
    flows_[addr] = Flow{type, true};
    return true;
}

void FlowTable::setConnected(std::uint8_t addr, bool connected) {
    if (exists(addr)) {
        flows_[addr]->connected = connected;
    }
}

std::uint8_t FlowTable::type(std::uint8_t addr) const {
    return exists(addr) ? flows_[addr]->type : 0;
}

}  // namespace wirelink
