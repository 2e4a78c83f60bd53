#pragma once

#include <cstdint>
#include <string>

#include "wirelink/AttemptOutcome.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {

// One event of the link, for a trace of everything on the line: a frame sent, the bytes an
// attempt received, how the attempt ended and what the link does next, or a note (the port
// opened or closed, an answer's header differing from its request).
struct LinkEvent {
    enum class Kind { Sent, Received, Attempt, Note };
    // What the link does after an attempt.
    enum class Next { Done, Retry, GiveUp };

    Kind kind = Kind::Note;
    // The instrument address of the request (Sent, Received, Attempt).
    std::uint8_t addr = 0;
    // The attempt within its request, from 1; BUSY answers count too.
    int attempt = 0;
    // The bytes on the line (Sent, Received).
    ByteBuffer bytes;
    // How the attempt ended and what follows (Attempt).
    AttemptOutcome outcome = AttemptOutcome::ACK;
    Next next = Next::Done;
    // The status the request fails with (Attempt with GiveUp), else 0.
    std::int32_t status = 0;
    // The text of a note, or the message of the failure of an Attempt with GiveUp.
    std::string text;
};

}  // namespace wirelink
