#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <iterator>
#include <optional>

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

// The layout the executable's folder gives, worked out once a run: the executable does not
// move, and the layout is asked for at every file access. Worked out again only when the
// executable's or the user's configuration folder is another one than before.
ProgramLayout ExecutableLayout(const QString& executableFolder, const QString& userConfigFolder) {
    struct Known {
        QString executableFolder;
        QString userConfigFolder;
        ProgramLayout layout;
    };
    static std::optional<Known> known;
    if (!known || known->executableFolder != executableFolder ||
        known->userConfigFolder != userConfigFolder) {
        const bool holdsData =
            !executableFolder.isEmpty() && ProgramFolder::holdsProgramData(executableFolder);
        // Only a portable copy's folder needs trying.
        const bool writable = !holdsData || ProgramFolder::acceptsWrites(executableFolder);
        known = Known{executableFolder, userConfigFolder,
                      ProgramLayout::OfExecutableFolder(executableFolder, holdsData,
                                                        userConfigFolder, writable)};
    }
    return known->layout;
}

ProgramLayout CurrentLayout() {
    const QString explicitFolder = ExplicitFolder();
    const QString homeVariable = qEnvironmentVariable("KILNWARD_HOME");
    if (!explicitFolder.isEmpty() || !homeVariable.isEmpty()) {
        // Folders the user chose: taken as they are, nothing to try.
        return ProgramLayout::Resolve(explicitFolder, homeVariable, {}, {});
    }
    return ExecutableLayout(ExecutableFolder(), ProgramFolder::userConfigFolder());
}

}  // namespace

bool ProgramFolder::holdsProgramData(const QString& folder) {
    // Param.ini may be missing (the catalogue then falls back to its placeholders); any of
    // the other shipped files marks the folder as well.
    static const char* const kShippedFiles[] = {"Param.ini",   "Language.mdb", "Default.cf1",
                                                "Default.fu1", "Default.hd1",  "Default.la1",
                                                "Default.sr1"};
    const QDir dir(folder);
    return std::any_of(std::begin(kShippedFiles), std::end(kShippedFiles), [&](const char* name) {
        return QFileInfo(dir.filePath(QLatin1String(name))).isFile();
    });
}

QString ProgramFolder::dataFolder() {
    return CurrentLayout().dataFolder;
}

QString ProgramFolder::configFolder() {
    // Created by the first write (WriteConfigValue), never by a read.
    return CurrentLayout().configFolder;
}

QString ProgramFolder::userConfigFolder() {
    // Not AppConfigLocation: that follows the application name, so Kilnward and
    // kilnward-cli would each keep their own Config.ini.
    return ProgramLayout::UserConfigFolder(
        wirelink::kThisPlatform, qEnvironmentVariable("APPDATA"),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

bool ProgramFolder::acceptsWrites(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kilnward-write-XXXXXX")));
    return probe.open();
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
