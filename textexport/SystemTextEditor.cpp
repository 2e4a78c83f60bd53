#include "textexport/SystemTextEditor.h"

#include <QProcess>
#include <QtGlobal>

namespace kilnward::textexport {

QStringList SystemTextEditor::Command(const QString& path) {
    QStringList command = QProcess::splitCommand(qEnvironmentVariable("KILNWARD_EDITOR"));
    if (command.isEmpty()) {
#ifdef Q_OS_WIN
        command << QStringLiteral("notepad.exe");
#else
        command << QStringLiteral("xdg-open");
#endif
    }
    return command << path;
}

bool SystemTextEditor::open(const QString& path) {
    QStringList command = Command(path);
    const QString program = command.takeFirst();
    return QProcess::startDetached(program, command);
}

}  // namespace kilnward::textexport
