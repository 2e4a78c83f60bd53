#pragma once

#include <QDateTime>

#include <cstdint>

#include "simulator/Answer.h"
#include "simulator/ConfigSector.h"
#include "simulator/InstrumentClock.h"
#include "simulator/RequestFrame.h"

namespace kilnward::sim {

// The analyser's commands and the state they act on: remote mode, the write transaction,
// the configuration sector, the clock and the status of the last write.
//
// Rules beyond the protocol's own:
// - A read of device 1 reaching past the sector, or of any other device, is refused with
//   FAIL 0x22 (the data count does not fit the command).
// - A write of device 1 outside a write transaction gets write status 3 and changes
//   nothing; one reaching past the sector, or to another device, gets write status 4.
// - A mode byte other than 0 or 1 (remote mode) or 1 (transaction start) gets status 4;
//   ending a transaction that was never started gets status 3; an invalid clock record
//   gets status 4.
class AnalyserCommandSet {
  public:
    static constexpr std::uint8_t kConfigDevice = 1;
    // The largest write the analyser's receive buffer takes (data after device and address).
    static constexpr std::size_t kMaxWriteData = 256;

    AnalyserCommandSet(const QDateTime& clockStart, TimePoint now);

    // Serves a request whose address, checksum and type were already checked.
    Answer serve(const RequestFrame& request, TimePoint now);
    // A write the analyser acknowledges without carrying out, reporting `status`.
    void refuseWrite(std::uint8_t status) { writeStatus_ = status; }

    ConfigSector& sector() { return sector_; }
    const ConfigSector& sector() const { return sector_; }
    InstrumentClock& clock() { return clock_; }
    bool remoteMode() const { return remoteMode_; }
    bool inWriteTransaction() const { return inTransaction_; }
    std::uint8_t writeStatus() const { return writeStatus_; }

  private:
    std::uint8_t setRemoteMode(const wirelink::ByteBuffer& data);
    std::uint8_t startTransaction(const wirelink::ByteBuffer& data);
    std::uint8_t endTransaction();
    std::uint8_t writeDevice(const wirelink::ByteBuffer& data);
    Answer readDevice(const wirelink::ByteBuffer& data) const;

    ConfigSector sector_;
    InstrumentClock clock_;
    bool remoteMode_ = false;
    bool inTransaction_ = false;
    std::uint8_t writeStatus_ = kStatusOk;
};

}  // namespace kilnward::sim
