#include "app/ProgramLayout.h"

#include <QDir>
#include <QFileInfo>

#include "app/PathUtilities.h"
#include "app/ProgramFolder.h"

namespace kilnward::app {

namespace {

ProgramLayout Portable(const QString& folder) {
    const QString withSeparator = AddBackslash(folder);
    return {withSeparator, withSeparator, true};
}

}  // namespace

ProgramLayout ProgramLayout::Resolve(const QString& explicitFolder, const QString& homeVariable,
                                     const QString& executableFolder,
                                     const QString& userConfigFolder,
                                     bool executableFolderWritable) {
    if (!explicitFolder.isEmpty()) {
        return Portable(explicitFolder);
    }
    if (!homeVariable.isEmpty()) {
        return Portable(homeVariable);
    }
    return OfExecutableFolder(
        executableFolder,
        !executableFolder.isEmpty() && ProgramFolder::holdsProgramData(executableFolder),
        userConfigFolder, executableFolderWritable);
}

ProgramLayout ProgramLayout::OfExecutableFolder(const QString& executableFolder,
                                                bool holdsProgramData,
                                                const QString& userConfigFolder,
                                                bool executableFolderWritable) {
    if (holdsProgramData) {
        if (executableFolderWritable) {
            return Portable(executableFolder);
        }
        return {AddBackslash(executableFolder), AddBackslash(userConfigFolder), false};
    }
    return {AddBackslash(QDir::cleanPath(executableFolder + QStringLiteral("/../share/kilnward"))),
            AddBackslash(userConfigFolder), false};
}

QString ProgramLayout::UserConfigFolder(wirelink::Platform platform, const QString& appDataVariable,
                                        const QString& genericConfigLocation) {
    if (platform == wirelink::Platform::Windows && !appDataVariable.isEmpty()) {
        QString folder = appDataVariable;
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (folder.endsWith(QLatin1Char('/'))) {
            folder.chop(1);
        }
        return folder + QStringLiteral("/Kilnward");
    }
    return genericConfigLocation + QStringLiteral("/kilnward");
}

}  // namespace kilnward::app
