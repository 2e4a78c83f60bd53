#include "cli/ByteList.h"

#include <QRegularExpression>

namespace kilnward::cli {

std::optional<wirelink::ByteBuffer> ParseByteList(const QString& text, QString& error) {
    static const QRegularExpression bytePattern(QStringLiteral("^[0-9A-Fa-f]{1,2}$"));
    wirelink::ByteBuffer bytes;
    for (const QString& piece : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!bytePattern.match(piece).hasMatch()) {
            error = QStringLiteral("'%1' is not a hex byte").arg(piece);
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(piece.toUInt(nullptr, 16)));
    }
    return bytes;
}

}  // namespace kilnward::cli
