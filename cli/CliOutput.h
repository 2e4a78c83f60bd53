#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

#include "wirelink/ByteBuffer.h"
#include "wirelink/Errors.h"

namespace kilnward::cli {

// The output rules every kilnward-cli command follows: results on stdout, one line each;
// a link failure as "error 0xXXXXXXXX: <message>" on stderr with exit code 1; a usage
// error as a message and the usage on stderr with exit code 2.
class CliOutput {
  public:
    // Bytes as upper-case hex pairs separated by single spaces ("" for none).
    static QString hexBytes(const wirelink::ByteBuffer& bytes);
    // The code as 8 upper-case hex digits of its unsigned 32-bit value, then the message.
    static QString errorLine(std::int32_t code, const QString& message);

    static void printLine(const QString& line);
    // "kilnward-cli: <message>" on stderr: why the command fails.
    static void error(const QString& message);
    // "kilnward-cli: warning: <message>" on stderr: told, and the command goes on.
    static void warning(const QString& message);
    // Prints the error line of a link failure; returns the exit code for it.
    static int linkFailure(const wirelink::Error& error);
    // The parser's help with a usage line that suits a command whose description starts
    // with its synopsis.
    static QString helpText(const QCommandLineParser& parser);
    // Prints `message` and the usage; returns the exit code for a usage error.
    static int usageError(const QCommandLineParser& parser, const QString& message);

    // Parses a command's arguments (those after the command name). Returns an exit code
    // when the command must end at once: after --help (0) or a usage error (2).
    static std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments);
};

}  // namespace kilnward::cli
