#include "documents/SessionComparison.h"

#include <QFileInfo>

#include "documents/MainWindowSession.h"
#include "documents/SessionStart.h"

namespace kilnward::documents {

std::unique_ptr<MainWindowSession> OpenScratchSession(app::UserPrompts& prompts,
                                                      app::Translator& translator,
                                                      std::optional<std::uint8_t> model) {
    // A model that Param.ini does not offer in the menu is still adapted to.
    return OpenSession(prompts, translator, {model, false});
}

std::vector<FieldDifference> CompareSessions(MainWindowSession& ours, MainWindowSession& theirs,
                                             DocumentSet which) {
    app::Translator& translator = ours.messageBoxes().translator();
    const FieldSnapshot before =
        FieldSnapshot::Take(ours.window().form(), ours.documents(), translator, which);
    const FieldSnapshot after =
        FieldSnapshot::Take(theirs.window().form(), theirs.documents(), translator, which);
    return DiffFields(before, after, ours.documents(), translator);
}

int DocumentOfFile(const Documents& documents, const QString& path) {
    const QString extension = QFileInfo(path).suffix();
    for (int d = 0; d < Documents::count(); ++d) {
        if (extension.compare(documents[d].FileTag.right(3), Qt::CaseInsensitive) == 0) {
            return d;
        }
    }
    return -1;
}

std::optional<DocumentSet> LoadDocumentFiles(MainWindowSession& session,
                                             const std::vector<DocumentFile>& files,
                                             QString* refused) {
    DocumentSet loaded;
    for (const DocumentFile& file : files) {
        if (file.document < 0 || file.document >= Documents::count() ||
            !session.files().LoadDocument(file.path, file.document, false)) {
            if (refused) {
                *refused = file.path;
            }
            return std::nullopt;
        }
        loaded.set(static_cast<std::size_t>(file.document));
    }
    return loaded;
}

}  // namespace kilnward::documents
