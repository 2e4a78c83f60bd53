#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace kilnward::cli {

// --program-dir DIR: the folder of Param.ini, Config.ini and the default documents, for
// every command that reads the program folder.
class ProgramDirOption {
  public:
    static void addTo(QCommandLineParser& parser);
    // The folder given, if any; false with a message when it is no folder.
    static bool read(const QCommandLineParser& parser, std::optional<QString>& folder,
                     QString& error);
};

}  // namespace kilnward::cli
