// Arbitrary text as the command line's byte list (--data): parsing refuses with a message
// or yields one byte per blank-separated piece.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cli/ByteList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto bytes = kilnward::cli::ParseByteList(text, error);
    const auto pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    if (bytes ? bytes->size() != static_cast<std::size_t>(pieces) : error.isEmpty()) {
        std::abort();
    }
    return 0;
}
