#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace wirelink {

// The flows of one link: per instrument address, the instrument type every request to it
// carries and whether the instrument is still considered reachable.
class FlowTable {
  public:
    // False when the address already has a flow (which is then left as it is).
    bool define(std::uint8_t addr, std::uint8_t type);
    bool exists(std::uint8_t addr) const { return flows_[addr].has_value(); }
    void release(std::uint8_t addr) { flows_[addr].reset(); }
    bool connected(std::uint8_t addr) const { return exists(addr) && flows_[addr]->connected; }
    // Only for an address with a flow.
    void setConnected(std::uint8_t addr, bool connected);
    std::uint8_t type(std::uint8_t addr) const;

  private:
    struct Flow {
        std::uint8_t type;
        bool connected;
    };
    std::array<std::optional<Flow>, 256> flows_{};
};

}  // namespace wirelink
