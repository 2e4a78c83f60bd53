#pragma once

#include <QString>

#include <optional>

#include "wirelink/ByteBuffer.h"

namespace kilnward::cli {

// Bytes given on the command line as hex pairs separated by blanks ("5C 0 ff"): one or two
// hex digits each. nullopt with `error` naming the first piece that is no hex byte.
std::optional<wirelink::ByteBuffer> ParseByteList(const QString& text, QString& error);

}  // namespace kilnward::cli
