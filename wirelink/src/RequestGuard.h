#pragma once

#include <cstdint>

namespace wirelink {

// Marks a request as running for its lifetime; refuses one started while another runs
// (possible only from the host's event processing during a wait), before it touches
// anything of the running one.
class RequestGuard {
  public:
    RequestGuard(bool& running, std::uint8_t addr);
    ~RequestGuard() { running_ = false; }
    RequestGuard(const RequestGuard&) = delete;
    RequestGuard& operator=(const RequestGuard&) = delete;

  private:
    bool& running_;
};

}  // namespace wirelink
