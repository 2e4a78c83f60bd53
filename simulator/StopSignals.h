#pragma once

namespace kilnward::sim {

// Turns SIGINT and SIGTERM into a readable file descriptor, so an event loop blocked in
// poll wakes up and can finish its work (saving the image) outside the signal handler.
class StopSignals {
  public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    int fd() const { return fds_[0]; }

  private:
    int fds_[2] = {-1, -1};
};

}  // namespace kilnward::sim
