#pragma once

#include <cstdint>
#include <functional>

#include "drivers/ClockRecord.h"
#include "transfer/TransferProgress.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

class ProgressSink;

// The transfer routines run once the link is open and the flow defined: the configuration
// sector read and decoded (receive), read, encoded and written back (send), and the clock.
// Failures of the link and the driver pass through as raised: the caller reports them.
class ConfigTransfer {
  public:
    using Clock = std::function<drivers::DateTime()>;

    ConfigTransfer(drivers::InstrumentDriver& driver, std::uint8_t addr, ProgressSink& sink,
                   app::Translator& translator, Clock now = LocalNow);

    // ReceiveConfigSector: remote mode on, the sector in 32-byte blocks, remote mode off,
    // then every field into the form.
    void ReceiveConfigSector(form::Form& form);
    // SendConfigSector: the sector read (phase 1), the form's fields put into it (phase 2),
    // written back from byte 2 in 27-byte blocks inside a write transaction, then the clock
    // set and remote mode off.
    void SendConfigSector(const form::Form& form);
    // SendClock: the analyser's clock set to the computer's date and time.
    void SendClock();

    // The sector as last read (receive) or as written (send).
    const wirelink::ByteBuffer& image() const { return image_; }

    static drivers::DateTime LocalNow();

  private:
    void readSector();
    void ReadDeviceBlock(std::int64_t offset, std::int64_t count);
    void WriteDeviceBlock(std::int64_t offset, std::int64_t count);

    drivers::InstrumentDriver& driver_;
    std::uint8_t addr_;
    ProgressSink& sink_;
    app::Translator& translator_;
    Clock now_;
    TransferProgress progress_;
    wirelink::ByteBuffer image_;
};

}  // namespace kilnward::transfer
