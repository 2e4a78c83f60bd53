#include "transfer/ConfigTransfer.h"

#include <QDateTime>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "drivers/InstrumentDriver.h"
#include "transfer/ProgressSink.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorMap.h"
#include "transfer/TransferTexts.h"

namespace kilnward::transfer {

namespace {

constexpr std::int32_t kRemoteOn = 1;
constexpr std::int32_t kRemoteOff = 0;
constexpr std::int32_t kWriteMode = 1;

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
    driver_.SetRemLoc(addr_, kRemoteOff);
    progress_.setprogress(100);
    DecodeConfigSector(image_, form, driver_);
}

void ConfigTransfer::SendConfigSector(const form::Form& form) {
    readSector();
    progress_.setprogress(100);
    sink_.setStatus(kSendPhase2Text.translated(translator_));
    progress_.StartProgress(static_cast<float>(image_.size()));
    EncodeConfigSector(form, driver_, image_);

    progress_.StartProgress(static_cast<float>(image_.size()));
    driver_.StartWriteTransaction(addr_, kWriteMode);
    // Bytes 0 and 1 are never sent.
    progress_.AdvanceProgress(layout::kFirstWritten);
    const auto last = static_cast<std::int64_t>(image_.size()) - 1;
    std::int64_t offset = layout::kFirstWritten;
    for (; offset <= last - layout::kWriteBlock; offset += layout::kWriteBlock) {
        WriteDeviceBlock(offset, layout::kWriteBlock);
    }
    WriteDeviceBlock(offset, last - offset + 1);
    driver_.EndWriteTransaction(addr_);
    driver_.WriteRTCClock(addr_, now_());
    driver_.SetRemLoc(addr_, kRemoteOff);
    progress_.setprogress(100);
}

void ConfigTransfer::SendClock() {
    progress_.setprogress(0);
    driver_.WriteRTCClock(addr_, now_());
    progress_.setprogress(100);
}

void ConfigTransfer::readSector() {
    image_.assign(static_cast<size_t>(driver_.Configsector_size()), 0);
    driver_.SetRemLoc(addr_, kRemoteOn);
    progress_.StartProgress(static_cast<float>(image_.size()));
    const auto last = static_cast<std::int64_t>(image_.size()) - 1;
    std::int64_t offset = 0;
    for (; offset <= last - layout::kReadBlock; offset += layout::kReadBlock) {
        ReadDeviceBlock(offset, layout::kReadBlock);
    }
    ReadDeviceBlock(offset, last - offset + 1);
}

void ConfigTransfer::ReadDeviceBlock(std::int64_t offset, std::int64_t count) {
    if (count == 0) {
        return;
    }
    wirelink::ByteBuffer block;
    driver_.ReadfromRelativeDevice(addr_, layout::kConfigDevice, offset,
                                   static_cast<std::int16_t>(count), block);
    progress_.AdvanceProgress(static_cast<float>(count));
    // A short answer would leave part of the image unread; it must not pass for data.
    if (static_cast<std::int64_t>(block.size()) < count) {
        throw std::runtime_error("The analyser returned " + std::to_string(block.size()) +
                                 " bytes of configuration at " + std::to_string(offset) +
                                 " instead of " + std::to_string(count));
    }
    std::copy_n(block.begin(), count, image_.begin() + offset);
}

void ConfigTransfer::WriteDeviceBlock(std::int64_t offset, std::int64_t count) {
    if (count == 0) {
        return;
    }
    const wirelink::ByteBuffer block(image_.begin() + offset, image_.begin() + offset + count);
    driver_.WritetoRelativeDevice(addr_, layout::kConfigDevice, offset, block);
    progress_.AdvanceProgress(static_cast<float>(count));
}

}  // namespace kilnward::transfer
