#include "cli/ProgramDirOption.h"

#include <QFileInfo>

namespace kilnward::cli {

namespace {

const QString kName = QStringLiteral("program-dir");

}  // namespace

void ProgramDirOption::addTo(QCommandLineParser& parser) {
    parser.addOption({kName, "Folder of Param.ini, Config.ini and the default documents.", "DIR"});
}

bool ProgramDirOption::read(const QCommandLineParser& parser, std::optional<QString>& folder,
                            QString& error) {
    if (!parser.isSet(kName)) {
        return true;
    }
    // Taken silently, a missing folder would leave every default and setting unread.
    if (!QFileInfo(parser.value(kName)).isDir()) {
        error = QStringLiteral("--program-dir %1: no such folder").arg(parser.value(kName));
        return false;
    }
    folder = parser.value(kName);
    return true;
}

}  // namespace kilnward::cli
