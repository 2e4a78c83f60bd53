#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "wirelink/AttemptOutcome.h"
#include "wirelink/ByteBuffer.h"
#include "wirelink/Export.h"

namespace wirelink {

// Decodes one response step by step, as a pure function of the bytes fed to it. The
// caller waits until wanted() bytes are waiting, reads up to readSize() of them (0: reads
// nothing) and feeds what it read; feed() answers with the outcome once there is one.
// It never holds more than the longest frame.
class WIRELINK_EXPORT ResponseDecoder {
  public:
    enum class Phase { First, FailCode, Header, Body };

    std::size_t wanted() const noexcept { return wanted_; }
    std::size_t readSize() const noexcept;
    Phase phase() const noexcept { return phase_; }

    // One read's bytes (may be empty in the body phase when the header read brought the
    // whole frame). After an outcome the decoder must not be fed again.
    std::optional<AttemptOutcome> feed(const ByteBuffer& bytes);

    // Everything received so far.
    const ByteBuffer& received() const noexcept { return received_; }
    // The fail code of a FAIL outcome.
    std::uint8_t failCode() const;
    // The data bytes of a DATA outcome (offsets 7 .. 6+n).
    ByteBuffer data() const;

  private:
    std::optional<AttemptOutcome> decodeFirst();
    std::optional<AttemptOutcome> decodeHeader();
    std::optional<AttemptOutcome> decodeBody();
    std::size_t missingBodyBytes() const;
    AttemptOutcome validateBody() const;
    std::size_t declaredCount() const;

    ByteBuffer received_;
    Phase phase_ = Phase::First;
    std::size_t wanted_ = 1;
};

}  // namespace wirelink
