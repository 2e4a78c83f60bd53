#include "app/ProgramFolder.h"

#include "app/PathUtilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kilnward::app {

namespace {

// Set by --program-dir or a test; empty means the automatic rules.
QString& ExplicitFolder() {
    static QString folder;
    return folder;
}

QString ExecutableFolder() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    // Before the application object exists (tools, tests), ask the system where we run from.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// The folder that holds everything, when the layout is portable; empty otherwise.
QString PortableFolder() {
    if (!ExplicitFolder().isEmpty()) {
        return ExplicitFolder();
    }
    const QString home = qEnvironmentVariable("KILNWARD_HOME");
    if (!home.isEmpty()) {
        return home;
    }
    const QString exe = ExecutableFolder();
    if (!exe.isEmpty() && QFileInfo(QDir(exe).filePath(QStringLiteral("Param.ini"))).isFile()) {
        return exe;
    }
    return {};
}

}  // namespace

QString ProgramFolder::dataFolder() {
    const QString portable = PortableFolder();
    if (!portable.isEmpty()) {
        return AddBackslash(portable);
    }
    const QString exe = ExecutableFolder();
    return AddBackslash(QDir::cleanPath(exe + QStringLiteral("/../share/kilnward")));
}

QString ProgramFolder::configFolder() {
    const QString portable = PortableFolder();
    if (!portable.isEmpty()) {
        return AddBackslash(portable);
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return AddBackslash(folder);
}

QString ProgramFolder::dataFile(const QString& name) {
    return dataFolder() + name;
}

QString ProgramFolder::configFile(const QString& name) {
    return configFolder() + name;
}

void ProgramFolder::set(const QString& folder) {
    ExplicitFolder() = folder;
}

void ProgramFolder::reset() {
    ExplicitFolder().clear();
}

}  // namespace kilnward::app
