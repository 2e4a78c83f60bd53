#include "tests/support/CliRun.h"

#include <QProcess>

#include "tests/support/BinFolder.h"

namespace kilnward::test {

CliRun RunProgram(const QString& name, const QStringList& arguments, const RunOptions& options) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(options.environment);
    process.setProcessEnvironment(environment);
    const QString program = BinaryPath(name);
    if (options.fileSizeLimitBlocks > 0) {
        const QString script = QStringLiteral("trap '' XFSZ; ulimit -f %1 && exec \"$0\" \"$@\"")
                                   .arg(options.fileSizeLimitBlocks);
        process.start("/bin/sh", QStringList{"-c", script, program} + arguments);
    } else {
        process.start(program, arguments);
    }
    CliRun run;
    if (!process.waitForFinished(options.timeoutMs)) {
        run.err = name + " did not finish: " + process.errorString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

CliRun RunCli(const QStringList& arguments, const RunOptions& options) {
    return RunProgram("kilnward-cli", arguments, options);
}

}  // namespace kilnward::test
