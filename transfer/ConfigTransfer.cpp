#include "transfer/ConfigTransfer.h"

#include <QDateTime>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "drivers/CommandCodes.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/ProgressSink.h"
#include "transfer/ReadBackVerify.h"
#include "transfer/SafeguardTexts.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorMap.h"
#include "transfer/TransferErrorReport.h"
#include "transfer/TransferTexts.h"
#include "wirelink/Errors.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

namespace {

constexpr std::int32_t kRemoteOn = 1;
constexpr std::int32_t kRemoteOff = 0;
constexpr std::int32_t kWriteMode = 1;
// Rounds of re-reading after time-outs before the line counts as too unsteady.
constexpr int kCheckRounds = 3;

}  // namespace

ConfigTransfer::ConfigTransfer(drivers::InstrumentDriver& driver, std::uint8_t addr,
                               ProgressSink& sink, app::Translator& translator, Clock now)
    : driver_(driver),
      addr_(addr),
      sink_(sink),
      translator_(translator),
      now_(std::move(now)),
      progress_(sink) {}

drivers::DateTime ConfigTransfer::LocalNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return drivers::MakeDateTime(now.date().year(), now.date().month(), now.date().day(),
                                 now.time().hour(), now.time().minute(), now.time().second());
}

void ConfigTransfer::ReceiveConfigSector(form::Form& form) {
    readSector();
    require(driver_.SetRemLoc(addr_, kRemoteOff), drivers::kCmdTransaction, drivers::kRemLoc);
    progress_.setprogress(100);
    unknown_ = DecodeConfigSector(image_, form, driver_);
}

void ConfigTransfer::SendConfigSector(const form::Form& form) {
    readSector();
    const wirelink::ByteBuffer asRead = image_;
    progress_.setprogress(100);
    sink_.setStatus(kSendPhase2Text.translated(translator_));
    progress_.StartProgress(static_cast<float>(image_.size()));
    EncodeConfigSector(form, driver_, image_);
    writeSector(asRead);
    require(driver_.WriteRTCClock(addr_, now_()), drivers::kCmdWriteClock, drivers::kCmdLow);
    require(driver_.SetRemLoc(addr_, kRemoteOff), drivers::kCmdTransaction, drivers::kRemLoc);
    progress_.setprogress(100);
    verifyWritten(form);
}

void ConfigTransfer::RestoreConfigSector(const wirelink::ByteBuffer& sector,
                                         const form::Form& form) {
    if (static_cast<std::int64_t>(sector.size()) != driver_.Configsector_size()) {
        throw std::invalid_argument("a restored sector must be a whole configuration sector");
    }
    readSector();
    const wirelink::ByteBuffer asRead = image_;
    progress_.setprogress(100);
    // Bytes 0 and 1 are never written: the image keeps what the analyser holds there.
    std::copy(sector.begin() + layout::kFirstWritten, sector.end(),
              image_.begin() + layout::kFirstWritten);
    writeSector(asRead);
    require(driver_.SetRemLoc(addr_, kRemoteOff), drivers::kCmdTransaction, drivers::kRemLoc);
    progress_.setprogress(100);
    verifyWritten(form);
}

void ConfigTransfer::writeSector(const wirelink::ByteBuffer& asRead) {
    if (beforeWrite_) {
        beforeWrite_(asRead);
    }
    progress_.StartProgress(static_cast<float>(image_.size()));
    writeStarted_ = true;
    written_ = asRead;
    const auto toWrite = static_cast<std::int64_t>(image_.size()) - layout::kFirstWritten;
    writeBlocks_ = static_cast<int>((toWrite + layout::kWriteBlock - 1) / layout::kWriteBlock);
    blocksWritten_ = 0;
    writtenEnd_ = layout::kFirstWritten;
    require(driver_.StartWriteTransaction(addr_, kWriteMode), drivers::kCmdTransaction,
            drivers::kStartTransaction);
    // Bytes 0 and 1 are never sent.
    progress_.AdvanceProgress(layout::kFirstWritten);
    const auto last = static_cast<std::int64_t>(image_.size()) - 1;
    std::int64_t offset = layout::kFirstWritten;
    for (; offset <= last - layout::kWriteBlock; offset += layout::kWriteBlock) {
        WriteDeviceBlock(offset, layout::kWriteBlock);
    }
    WriteDeviceBlock(offset, last - offset + 1);
    require(driver_.EndWriteTransaction(addr_), drivers::kCmdTransaction, drivers::kEndTransaction);
    written_ = image_;
    writeEnded_ = true;
}

void ConfigTransfer::verifyWritten(const form::Form& form) {
    verified_ = false;
    if (!verify_) {
        return;
    }
    sink_.setStatus(kVerifyRunningText.translated(translator_));
    readingBack_ = true;
    readSector();
    readBack_ = image_;
    // The image stays what was written; the read-back only judges it.
    image_ = written_;
    require(driver_.SetRemLoc(addr_, kRemoteOff), drivers::kCmdTransaction, drivers::kRemLoc);
    progress_.setprogress(100);
    const QStringList differences =
        ReadBackDifferences(written_, readBack_, form, driver_.Instrument_ID(), translator_);
    if (!differences.isEmpty()) {
        throw ReadBackMismatch(
            kVerifyFailedText.translated(translator_, {differences.join(QStringLiteral("; "))})
                .toStdString());
    }
    verified_ = true;
}

void ConfigTransfer::SendClock() {
    progress_.setprogress(0);
    require(driver_.WriteRTCClock(addr_, now_()), drivers::kCmdWriteClock, drivers::kCmdLow);
    progress_.setprogress(100);
}

void ConfigTransfer::readSector() {
    image_.assign(static_cast<size_t>(driver_.Configsector_size()), 0);
    const std::uint32_t timedOutBefore = timedOutAttempts();
    require(driver_.SetRemLoc(addr_, kRemoteOn), drivers::kCmdTransaction, drivers::kRemLoc);
    progress_.StartProgress(static_cast<float>(image_.size()));
    const auto last = static_cast<std::int64_t>(image_.size()) - 1;
    std::vector<Block> blocks;
    std::int64_t offset = 0;
    for (; offset <= last - layout::kReadBlock; offset += layout::kReadBlock) {
        blocks.push_back({offset, layout::kReadBlock});
    }
    blocks.push_back({offset, last - offset + 1});
    std::optional<std::size_t> suspect;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ReadDeviceBlock(blocks[i].offset, blocks[i].count);
        if (!suspect && timedOutAttempts() != timedOutBefore) {
            suspect = i;
        }
    }
    if (suspect) {
        verifyBlocks(blocks, *suspect);
    }
}

void ConfigTransfer::verifyBlocks(const std::vector<Block>& blocks, std::size_t from) {
    for (int round = 0; round < kCheckRounds; ++round) {
        // Late answers still on their way are dropped before the first re-read.
        require(link_->WaitLineQuiet(), 0, 0);
        const std::uint32_t timedOutBefore = timedOutAttempts();
        // From the last block back: an answer that came late again would now land on a
        // block other than the one it landed on the first time.
        for (std::size_t i = blocks.size(); i-- > from;) {
            if (!confirmBlock(blocks[i])) {
                throw std::runtime_error(
                    kReadsDisagreeText.translated(translator_, {QString::number(blocks[i].offset)})
                        .toStdString());
            }
        }
        if (timedOutAttempts() == timedOutBefore) {
            return;
        }
    }
    throw std::runtime_error(
        kReadsDisagreeText.translated(translator_, {QString::number(blocks[from].offset)})
            .toStdString());
}

bool ConfigTransfer::confirmBlock(const Block& block) {
    const auto begin = image_.begin() + block.offset;
    const wirelink::ByteBuffer first(begin, begin + block.count);
    const wirelink::ByteBuffer second = readBlock(block);
    if (second == first) {
        return true;
    }
    const wirelink::ByteBuffer third = readBlock(block);
    if (third != first && third != second) {
        return false;
    }
    std::copy(third.begin(), third.end(), begin);
    return true;
}

std::uint32_t ConfigTransfer::timedOutAttempts() const {
    return link_ ? link_->TimedOutAttempts() : 0;
}

wirelink::ByteBuffer ConfigTransfer::readBlock(const Block& block) {
    wirelink::ByteBuffer data;
    require(driver_.ReadfromRelativeDevice(addr_, layout::kConfigDevice, block.offset,
                                           static_cast<std::int16_t>(block.count), data),
            drivers::kCmdReadDevice, drivers::kCmdLow);
    // A short answer would leave part of the image unread; it must not pass for data.
    if (static_cast<std::int64_t>(data.size()) < block.count) {
        throw std::runtime_error("The analyser returned " + std::to_string(data.size()) +
                                 " bytes of configuration at " + std::to_string(block.offset) +
                                 " instead of " + std::to_string(block.count));
    }
    data.resize(static_cast<std::size_t>(block.count));
    return data;
}

void ConfigTransfer::ReadDeviceBlock(std::int64_t offset, std::int64_t count) {
    if (count == 0) {
        return;
    }
    const wirelink::ByteBuffer block = readBlock({offset, count});
    progress_.AdvanceProgress(static_cast<float>(count));
    std::copy(block.begin(), block.end(), image_.begin() + offset);
}

void ConfigTransfer::WriteDeviceBlock(std::int64_t offset, std::int64_t count) {
    if (count == 0) {
        return;
    }
    const wirelink::ByteBuffer block(image_.begin() + offset, image_.begin() + offset + count);
    require(driver_.WritetoRelativeDevice(addr_, layout::kConfigDevice, offset, block),
            drivers::kCmdWriteDevice, drivers::kCmdLow);
    std::copy(block.begin(), block.end(), written_.begin() + offset);
    ++blocksWritten_;
    writtenEnd_ = offset + count;
    progress_.AdvanceProgress(static_cast<float>(count));
}

void ConfigTransfer::require(std::int32_t result, std::uint8_t cmdh, std::uint8_t cmdl) const {
    if (result == 0) {
        return;
    }
    if (!IsLinkErrorCode(result)) {
        throw wirelink::Error(result, "Serial port error " + std::to_string(result));
    }
    wirelink::ErrorContext context;
    context.addr = addr_;
    context.type = driver_.Instrument_ID();
    context.cmdh = cmdh;
    context.cmdl = cmdl;
    throw wirelink::Error(static_cast<wirelink::WLink_errors>(result), context);
}

}  // namespace kilnward::transfer
