#pragma once

namespace wirelink {

// How one send-and-receive attempt of a request ended.
enum class AttemptOutcome {
    ACK,         // request accepted, no data
    DATA,        // data frame with a correct checksum
    NAK,         // the instrument found an error in the request
    FAIL,        // refused, with a fail code
    TIMEOUT,     // the line stayed silent for the inter-byte time-out
    HARDWARE,    // the port reported a line error
    TXNOTREADY,  // infrared: DSR stayed high before a byte
    CHECKSUM,    // data frame with a wrong checksum
    BUSY,        // the instrument cannot serve the request now
    CANCELLED,   // CancelSendFrame during a wait
    ABORTED,     // the host window closed during a wait
    TOOLONG,     // data frame announcing more data than a response may carry
};

}  // namespace wirelink
