#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

#include "documents/Documents.h"

namespace kilnward::app {
class ScriptedPrompts;
class Translator;
}  // namespace kilnward::app
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::cli {

// The options of every command that reads or writes documents:
//   --program-dir DIR   folder of Param.ini, Config.ini and the default documents
//   --model ID          analyser model the window is adapted to (default: the stored one)
//   --cfg/--fue/--hdr/--law/--srv F   document files loaded over the defaults
//   --out-dir DIR       where the five documents are saved (commands that write them)
class DocumentOptions {
  public:
    // File names of the five documents in an output folder, in document order.
    static const std::array<QString, documents::kDocumentCount>& OutputFileNames();

    static void addTo(QCommandLineParser& parser, bool withOutDir);
    // False with a message on a usage error (an unknown model, a missing --out-dir...).
    bool read(const QCommandLineParser& parser, bool outDirRequired, QString& error);
    // Parses a command's arguments and reads these options from them. Returns an exit code
    // when the command must end at once: after --help, or a usage error (printed).
    std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                             bool outDirRequired);

    // The main window with its five documents reset to their defaults and adapted to the
    // model. Messages shown meanwhile (a missing default document...) go to stderr.
    std::unique_ptr<documents::MainWindowSession> openSession(app::ScriptedPrompts& prompts,
                                                              app::Translator& translator) const;
    // Loads the files given, with the file-type check; false at the first refused file.
    bool loadGivenFiles(documents::MainWindowSession& session) const;
    // loadGivenFiles for a command line: the messages recorded in `prompts` meanwhile go to
    // stderr (after the refused file's path when a file is refused).
    bool loadGivenFilesReporting(documents::MainWindowSession& session,
                                 const app::ScriptedPrompts& prompts) const;
    // Saves the five documents into the output folder as one set (all or none replaced).
    bool saveAll(documents::MainWindowSession& session) const;
    // saveAll for a command line: on failure the messages recorded meanwhile (which name the
    // file and the reason) go to stderr.
    bool saveAllReporting(documents::MainWindowSession& session,
                          const app::ScriptedPrompts& prompts) const;

    std::optional<QString> programDir;
    std::optional<quint8> model;
    std::array<QString, documents::kDocumentCount> inputs;
    QString outDir;
    // The file loadGivenFiles refused last (messages about it are preceded by its path).
    mutable QString failedInput;
};

}  // namespace kilnward::cli
