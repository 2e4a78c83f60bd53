#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

#include "transfer/ConfigTransfer.h"
#include "transfer/LinkSettings.h"
#include "transfer/TransferTexts.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {
class Wirelink;
}
namespace kilnward::documents {
class MessageBoxes;
}
namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

class ProgressSink;

enum class TransferOutcome { Done, Failed, PortNotOpened };

// Why the last transfer did not succeed: the error raised (for a port that never opened, the
// last opening failure), its code when it came from the link or the port, and its message.
struct TransferFailure {
    std::optional<std::int32_t> code;
    QString message;
};

// One transfer on the transfer dialog's link control, without the dialog: the driver handed
// the link, the serial settings copied in, the port opened (receive and send: up to 10
// attempts, each followed by a 1000 ms wait; set clock: once), the flow defined, the
// transfer run, the outcome shown and any failure reported, and in every case the flow
// released and the port closed.
class TransferSession {
  public:
    using Wait = std::function<void(int milliseconds)>;

    static constexpr int kOpenAttempts = 10;
    static constexpr int kOpenWaitMs = 1000;

    TransferSession(wirelink::Wirelink& link, const LinkSettings& settings,
                    drivers::InstrumentDriver& driver, documents::MessageBoxes& boxes,
                    ProgressSink& sink);

    // The pause after each opening attempt (WaitMilliseconds unless replaced).
    void setWait(Wait wait) { wait_ = std::move(wait); }
    // The date and time sent to the analyser's clock (the computer's unless replaced).
    void setClock(ConfigTransfer::Clock now) { now_ = std::move(now); }

    TransferOutcome getconfiguration(form::Form& form);
    TransferOutcome sendconfiguration(const form::Form& form);
    TransferOutcome setclock();

    // The Abort button while a transfer runs: the running request ends with a cancel error.
    void cancel();
    bool running() const { return running_; }
    // The configuration sector as last read (receive) or written (send).
    const wirelink::ByteBuffer& image() const { return image_; }
    const std::optional<TransferFailure>& failure() const { return failure_; }

  private:
    TransferOutcome run(TransferKind kind, const std::function<void(ConfigTransfer&)>& body);
    void prepareLink();
    bool OpenComm();
    bool openWithRetries();
    void remember(const std::exception& error);
    void finish();

    wirelink::Wirelink& link_;
    LinkSettings settings_;
    drivers::InstrumentDriver& driver_;
    documents::MessageBoxes& boxes_;
    ProgressSink& sink_;
    Wait wait_;
    ConfigTransfer::Clock now_;
    bool running_ = false;
    wirelink::ByteBuffer image_;
    std::optional<TransferFailure> failure_;
};

}  // namespace kilnward::transfer
