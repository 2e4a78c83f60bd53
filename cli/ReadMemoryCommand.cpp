// kilnward-cli read-memory: a range of an analyser's relative device, through the driver.

#include <QTextStream>

#include <algorithm>
#include <optional>

#include "app/AtomicFile.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LinkOptions.h"
#include "cli/ModelOption.h"
#include "wirelink/Errors.h"

namespace kilnward::cli {

namespace {

// The analysers answer at most 32 data bytes per read request.
constexpr std::int64_t kBlockSize = 32;
constexpr int kBytesPerLine = 16;
constexpr std::int64_t kAddressLimit = 4294967296LL;  // addresses travel as 32 bits
constexpr std::int64_t kMaxCount = 16 * 1024 * 1024;

struct Range {
    std::int32_t device = 0;
    std::int64_t address = 0;
    std::int64_t count = 0;
    bool remote = false;
    QString out;
};

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli read-memory --port DEV [--baud B] [--infrared|--cable] [--addr N]\n"
        "                         [--model ID] --device D --address A --count C [--remote]\n"
        "                         [--out FILE] [--program-dir DIR]\n\n"
        "Reads C bytes of relative device D from address A in requests of at most 32 bytes\n"
        "and prints them as hex, 16 bytes a line, or writes them raw to FILE. With --remote\n"
        "the analyser is switched into remote mode for the reads and back afterwards.");
    parser.addHelpOption();
    LinkOptions::addTo(parser);
    ModelOption::addTo(parser);
    parser.addOptions({
        {"device", "Relative device number, 0 to 255.", "D"},
        {"address", "First byte address (decimal, or hex with 0x).", "A"},
        {"count", "Number of bytes to read.", "C"},
        {"remote", "Switch the analyser into remote mode around the reads."},
        {"out", "Write the bytes raw to FILE instead of printing them.", "FILE"},
    });
}

std::optional<std::int64_t> Number(const QCommandLineParser& parser, const QString& name,
                                   std::int64_t min, std::int64_t max, QString& error) {
    if (!parser.isSet(name)) {
        error = QStringLiteral("--%1 is required").arg(name);
        return std::nullopt;
    }
    // Decimal, or hexadecimal with 0x (never octal: a leading zero means nothing).
    const QString text = parser.value(name);
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    const qlonglong value = (hex ? text.mid(2) : text).toLongLong(&ok, hex ? 16 : 10);
    if (!ok || value < min || value > max) {
        error = QStringLiteral("--%1 wants a number from %2 to %3").arg(name).arg(min).arg(max);
        return std::nullopt;
    }
    return value;
}

bool ReadRange(const QCommandLineParser& parser, Range& range, QString& error) {
    const auto device = Number(parser, "device", 0, 255, error);
    const auto address =
        device ? Number(parser, "address", 0, kAddressLimit - 1, error) : std::nullopt;
    const auto count = address ? Number(parser, "count", 1, kMaxCount, error) : std::nullopt;
    if (!count) {
        return false;
    }
    if (*address + *count > kAddressLimit) {
        error = QStringLiteral("--address plus --count reaches past the 32-bit address space");
        return false;
    }
    range = {static_cast<std::int32_t>(*device), *address, *count, parser.isSet("remote"),
             parser.value("out")};
    return true;
}

// Reads the range block by block; throws the link's error when a request fails.
std::optional<wirelink::ByteBuffer> ReadBlocks(drivers::InstrumentDriver& driver, std::uint8_t addr,
                                               const Range& range) {
    wirelink::ByteBuffer bytes;
    for (std::int64_t done = 0; done < range.count; done += kBlockSize) {
        const std::int64_t size = std::min(kBlockSize, range.count - done);
        wirelink::ByteBuffer block;
        driver.ReadfromRelativeDevice(addr, range.device, range.address + done,
                                      static_cast<std::int16_t>(size), block);
        if (static_cast<std::int64_t>(block.size()) != size) {
            QTextStream(stderr) << "kilnward-cli: the analyser returned " << block.size()
                                << " bytes for a read of " << size << " at address "
                                << range.address + done << '\n';
            return std::nullopt;
        }
        bytes.insert(bytes.end(), block.begin(), block.end());
    }
    return bytes;
}

// Leaves remote mode after a failed read. The read's failure is the one reported, so a
// second failure while cleaning up is dropped on purpose.
void LeaveRemoteAfterFailure(drivers::InstrumentDriver& driver, std::uint8_t addr) {
    try {
        driver.SetRemLoc(addr, 0);
    } catch (const wirelink::Error&) {
    }
}

std::optional<wirelink::ByteBuffer> ReadMemory(drivers::InstrumentDriver& driver, std::uint8_t addr,
                                               const Range& range) {
    if (!range.remote) {
        return ReadBlocks(driver, addr, range);
    }
    driver.SetRemLoc(addr, 1);
    std::optional<wirelink::ByteBuffer> bytes;
    try {
        bytes = ReadBlocks(driver, addr, range);
    } catch (const wirelink::Error&) {
        LeaveRemoteAfterFailure(driver, addr);
        throw;
    }
    driver.SetRemLoc(addr, 0);
    return bytes;
}

int Deliver(const wirelink::ByteBuffer& bytes, const QString& out) {
    if (out.isEmpty()) {
        for (std::size_t at = 0; at < bytes.size(); at += kBytesPerLine) {
            const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(
                                                 std::min(bytes.size(), at + kBytesPerLine));
            CliOutput::printLine(CliOutput::hexBytes(
                wirelink::ByteBuffer(bytes.begin() + static_cast<std::ptrdiff_t>(at), end)));
        }
        return kExitOk;
    }
    // Atomic and unbuffered: a short write (disk full) fails and keeps an older file whole.
    QString error;
    if (!app::WriteFileAtomically(out,
                                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())),
                                  &error)) {
        QTextStream(stderr) << "kilnward-cli: cannot write " << out << ": " << error << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int RunReadMemory(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return *exitCode;
    }
    LinkOptions link;
    ModelOption model;
    Range range;
    QString error;
    if (!link.read(parser, error) || !model.read(parser, link, error) ||
        !ReadRange(parser, range, error)) {
        return CliOutput::usageError(parser, error);
    }
    return model.runOnLink(link, [&](drivers::InstrumentDriver& driver) {
        const auto bytes = ReadMemory(driver, link.serial.address, range);
        return bytes ? Deliver(*bytes, range.out) : kExitFailure;
    });
}

}  // namespace kilnward::cli
