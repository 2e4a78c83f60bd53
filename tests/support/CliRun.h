#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kilnward::test {

// How a program run by a test ended.
struct CliRun {
    // -1 when the program crashed, could not start or did not finish in time.
    int exitCode = -1;
    QString out;
    QString err;
};

struct RunOptions {
    // Set on top of the test's own environment (e.g. KILNWARD_HOME for a private
    // program folder).
    QProcessEnvironment environment;
    int timeoutMs = 60000;
    // When > 0, writes that grow a file beyond this many 512-byte blocks fail as on a full
    // disk (EFBIG, SIGXFSZ ignored).
    int fileSizeLimitBlocks = 0;
};

// Runs the built program `name` with `arguments` and waits for it to end; a program that
// does not end in time is killed.
CliRun RunProgram(const QString& name, const QStringList& arguments,
                  const RunOptions& options = {});

// RunProgram for kilnward-cli.
CliRun RunCli(const QStringList& arguments, const RunOptions& options = {});

}  // namespace kilnward::test
