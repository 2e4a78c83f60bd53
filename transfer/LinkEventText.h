#pragma once

#include <QString>

namespace wirelink {
struct LinkEvent;
}

namespace kilnward::transfer {

// One event of the link as a line of a trace, without its time: "send #1 to 03: 02 03 ...",
// "recv #1 from 03: 15", "#1 NAK, retry", "#4 NAK, given up: error 0x80040204: ...", or a
// note. Plain English: a trace is read by whoever looks into a link problem, in any language.
QString LinkEventText(const wirelink::LinkEvent& event);

}  // namespace kilnward::transfer
