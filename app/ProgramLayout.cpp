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
                                     const QString& userConfigFolder) {
    if (!explicitFolder.isEmpty()) {
        return Portable(explicitFolder);
    }
    if (!homeVariable.isEmpty()) {
        return Portable(homeVariable);
    }
    if (!executableFolder.isEmpty() && ProgramFolder::holdsProgramData(executableFolder)) {
        return Portable(executableFolder);
    }
    return {AddBackslash(QDir::cleanPath(executableFolder + QStringLiteral("/../share/kilnward"))),
            AddBackslash(userConfigFolder), false};
}

}  // namespace kilnward::app
