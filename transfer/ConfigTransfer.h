#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "drivers/ClockRecord.h"
#include "transfer/TransferProgress.h"
#include "transfer/UnknownListValue.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {
class Wirelink;
}
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
// Failures of the link and the driver pass through as raised: the caller reports them. A
// failed request the link only returns (RaiseErrors False) is raised here as a
// wirelink::Error, so no failure passes for success.
//
// With the link watched (watchLink), a sector read that saw an attempt time out is checked:
// that attempt's answer may have come late and been taken for a later block. Once the line
// is quiet, the blocks read since are read again, from the last back; a block is kept when
// two reads agree, a third read decides, and otherwise the transfer fails.
class ConfigTransfer {
  public:
    using Clock = std::function<drivers::DateTime()>;
    // Given the sector as read, before anything is written; what it throws stops the write.
    using BeforeWrite = std::function<void(const wirelink::ByteBuffer& asRead)>;

    ConfigTransfer(drivers::InstrumentDriver& driver, std::uint8_t addr, ProgressSink& sink,
                   app::Translator& translator, Clock now = LocalNow);

    // ReceiveConfigSector: remote mode on, the sector in 32-byte blocks, remote mode off,
    // then every field into the form.
    void ReceiveConfigSector(form::Form& form);
    // SendConfigSector: the sector read (phase 1), the form's fields put into it (phase 2),
    // written back from byte 2 in 27-byte blocks inside a write transaction, then the clock
    // set and remote mode off; then, when asked (setVerify), the check of the read-back.
    void SendConfigSector(const form::Form& form);
    // RestoreConfigSector: the sector read, `sector` written back from byte 2 as a send
    // writes, remote mode off, and the check of the read-back when asked. `form` gives the
    // names of the fields that the check finds different.
    void RestoreConfigSector(const wirelink::ByteBuffer& sector, const form::Form& form);
    // SendClock: the analyser's clock set to the computer's date and time.
    void SendClock();

    // The link whose timed-out attempts make a sector read check itself; null: unchecked.
    void watchLink(wirelink::Wirelink* link) { link_ = link; }
    void setBeforeWrite(BeforeWrite beforeWrite) { beforeWrite_ = std::move(beforeWrite); }
    // After a send or restore, the sector is read again and compared with what was written;
    // a difference throws ReadBackMismatch naming the fields.
    void setVerify(bool verify) { verify_ = verify; }
    // The last send or restore was read back and found as written.
    bool verified() const { return verified_; }
    // The write phase ended and the read-back began: a failure now leaves nothing partly
    // written.
    bool readingBack() const { return readingBack_; }

    // The sector as last read (receive) or as written (send).
    const wirelink::ByteBuffer& image() const { return image_; }
    // Whether the send reached its write transaction: from then on a failure may leave the
    // analyser partly written.
    bool writeStarted() const { return writeStarted_; }
    // Whether the send's write transaction ended: the analyser holds written() from then on.
    bool writeEnded() const { return writeEnded_; }
    // The sector as far as the analyser acknowledged the write: the sector as read with each
    // acknowledged block written over it; the whole sector written once the write ended
    // (empty before the write began).
    const wirelink::ByteBuffer& written() const { return written_; }
    // The write's blocks, and how many of them the analyser acknowledged.
    int writeBlocks() const { return writeBlocks_; }
    int blocksWritten() const { return blocksWritten_; }
    // One past the last byte the analyser acknowledged.
    std::int64_t writtenEnd() const { return writtenEnd_; }
    // The sector as read back after the write; empty when it was not read back whole.
    const wirelink::ByteBuffer& readBack() const { return readBack_; }
    // The receive's list bytes that named no entry of their list.
    const std::vector<UnknownListValue>& unknownValues() const { return unknown_; }

    static drivers::DateTime LocalNow();

  private:
    struct Block {
        std::int64_t offset;
        std::int64_t count;
    };

    void readSector();
    // The write phase of a send: the hook, then bytes 2 onwards in a write transaction.
    void writeSector(const wirelink::ByteBuffer& asRead);
    void verifyWritten(const form::Form& form);
    void verifyBlocks(const std::vector<Block>& blocks, std::size_t from);
    // Reads one block again until two reads agree; false when three reads differ.
    bool confirmBlock(const Block& block);
    std::uint32_t timedOutAttempts() const;
    wirelink::ByteBuffer readBlock(const Block& block);
    void ReadDeviceBlock(std::int64_t offset, std::int64_t count);
    void WriteDeviceBlock(std::int64_t offset, std::int64_t count);
    // Raises a failed result of a request (command cmdh, cmdl) as the link would have.
    void require(std::int32_t result, std::uint8_t cmdh, std::uint8_t cmdl) const;

    drivers::InstrumentDriver& driver_;
    std::uint8_t addr_;
    ProgressSink& sink_;
    app::Translator& translator_;
    Clock now_;
    TransferProgress progress_;
    wirelink::Wirelink* link_ = nullptr;
    wirelink::ByteBuffer image_;
    bool writeStarted_ = false;
    bool writeEnded_ = false;
    wirelink::ByteBuffer written_;
    int writeBlocks_ = 0;
    int blocksWritten_ = 0;
    std::int64_t writtenEnd_ = 0;
    wirelink::ByteBuffer readBack_;
    BeforeWrite beforeWrite_;
    bool verify_ = false;
    bool verified_ = false;
    bool readingBack_ = false;
    std::vector<UnknownListValue> unknown_;
};

}  // namespace kilnward::transfer
