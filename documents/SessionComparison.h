#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "documents/FieldDifferences.h"
#include "documents/FieldSnapshot.h"

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app

namespace kilnward::documents {

class MainWindowSession;

// A main window of its own, for the command line or to read documents or a receive into for a
// comparison: OpenSession with `model` (the stored one when none). It never stores a model
// choice.
std::unique_ptr<MainWindowSession> OpenScratchSession(app::UserPrompts& prompts,
                                                      app::Translator& translator,
                                                      std::optional<std::uint8_t> model);

// The fields of the documents in `which` that differ between two windows: `before` is what
// `ours` holds, `after` what `theirs` holds; document names in `ours`'s language.
std::vector<FieldDifference> CompareSessions(MainWindowSession& ours, MainWindowSession& theirs,
                                             DocumentSet which = AllDocuments());

// A document file and the document it is loaded as.
struct DocumentFile {
    int document = -1;
    QString path;
};

// The document a file name stands for by its extension (the last three letters of the
// document's file-type tag, any case); -1 when none.
int DocumentOfFile(const Documents& documents, const QString& path);

// Loads the files into `session`, each with the file-type check. The documents loaded; nullopt
// when one was refused (its message went to the session's prompts; its path to `refused`)
// or names no document.
std::optional<DocumentSet> LoadDocumentFiles(MainWindowSession& session,
                                             const std::vector<DocumentFile>& files,
                                             QString* refused = nullptr);

}  // namespace kilnward::documents
