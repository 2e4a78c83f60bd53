#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/ProgramLayout.h"

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

ProgramLayout CurrentLayout() {
    return ProgramLayout::Resolve(ExplicitFolder(), qEnvironmentVariable("KILNWARD_HOME"),
                                  ExecutableFolder(), ProgramFolder::userConfigFolder());
}

}  // namespace

QString ProgramFolder::dataFolder() {
    return CurrentLayout().dataFolder;
}

QString ProgramFolder::configFolder() {
    const ProgramLayout layout = CurrentLayout();
    if (!layout.portable) {
        // The user's folder may not exist yet on a first run; writers expect it.
        QDir().mkpath(layout.configFolder);
    }
    return layout.configFolder;
}

QString ProgramFolder::userConfigFolder() {
    // Not AppConfigLocation: that follows the application name, so Kilnward and
    // kilnward-cli would each keep their own Config.ini.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kilnward");
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
