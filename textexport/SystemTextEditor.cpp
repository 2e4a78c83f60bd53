#include "textexport/SystemTextEditor.h"

#include <QProcess>
#include <QtGlobal>

namespace kilnward::textexport {

QStringList SystemTextEditor::Command(const QString& path) {
    return Command(path, qEnvironmentVariable("KILNWARD_EDITOR"), wirelink::kThisPlatform);
}

QStringList SystemTextEditor::Command(const QString& path, const QString& editorVariable,
                                      wirelink::Platform platform) {
    QStringList command = QProcess::splitCommand(editorVariable);
    const bool windows = platform == wirelink::Platform::Windows;
    if (command.isEmpty()) {
        command << (windows ? QStringLiteral("notepad.exe") : QStringLiteral("xdg-open"));
    }
    if (!windows) {
        return command << path;
    }
    // Windows programs read "C:/x/Config.txt" as a switch or a relative name at times.
    QString native = path;
    native.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return command << native;
}

bool SystemTextEditor::open(const QString& path) {
    QStringList command = Command(path);
    const QString program = command.takeFirst();
    return QProcess::startDetached(program, command);
}

}  // namespace kilnward::textexport
