#pragma once

#include <string>

#include "simulator/AnalyserSimulator.h"

namespace kilnward::sim {

// Serves an AnalyserSimulator on the master side of a pseudo-terminal; a client opens the
// slave side like a serial port. The server holds the slave open itself, so a client may
// close and reopen it without the master seeing a hang-up.
class PtyServer {
  public:
    explicit PtyServer(AnalyserSimulator& simulator);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal in raw mode; returns the slave's path. Throws
    // std::runtime_error.
    std::string open();
    // Serves until `stopFd` becomes readable, blocking in poll between events.
    void serve(int stopFd);

  private:
    void receive();
    void sendDue();

    AnalyserSimulator& simulator_;
    int master_ = -1;
    int slave_ = -1;
    // When the last byte received has fully arrived on the modelled line.
    TimePoint inboundFree_{};
};

}  // namespace kilnward::sim
