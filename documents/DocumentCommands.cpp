#include "documents/DocumentCommands.h"

#include <algorithm>

#include "app/FileSetWriter.h"
#include "app/ProgramFolder.h"
#include "app/Translator.h"
#include "documents/DocumentFiles.h"
#include "documents/Documents.h"
#include "documents/MessageBoxes.h"
#include "form/CommandStep.h"
#include "form/MainForm.h"

namespace kilnward::documents {

DocumentCommands::DocumentCommands(Documents& documents, DocumentFiles& files, MessageBoxes& boxes)
    : documents_(documents), files_(files), boxes_(boxes) {}

bool DocumentCommands::QuerySaveDocument(int d, bool clearMarkOnNo) {
    const DocumentInfo& info = documents_[d];
    if (!info.Dirty()) {
        return true;
    }
    app::Translator& tr = boxes_.translator();
    const QString message = tr.TranslateString(info.FileTag + "datatype", info.DataCaption) + u' ' +
                            tr.TranslateString("arechanged", "are changed");
    switch (boxes_.AskSaveChanges(message)) {
        case SaveAnswer::Yes:
            // Replacing the data unsaved after the user asked to save it would lose it.
            return dataSaveAs(d);
        case SaveAnswer::No:
            if (clearMarkOnNo) {
                documents_.setDirty(d, false);
            }
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

QString DocumentCommands::DocumentDisplayName(int d) const {
    const QString& name = documents_[d].FileName();
    return name.isEmpty() ? boxes_.translator().TranslateString("None", "(None)") : name;
}

bool DocumentCommands::fileNew() {
    const form::CommandStep step(files_.window().form(), "stepnew", "New");
    for (int d = 0; d < Documents::count(); ++d) {
        if (!QuerySaveDocument(d)) {
            return false;
        }
        resetToDefault(d);
    }
    return true;
}

void DocumentCommands::resetToDefault(int d) {
    files_.LoadDocument(app::ProgramFolder::dataFile(documents_[d].DefaultFile), d, true);
}

bool DocumentCommands::fileOpen() {
    const form::CommandStep step(files_.window().form(), "stepopen", "Open");
    for (int d = 0; d < Documents::count(); ++d) {
        if (!OpenDocumentKind(d)) {
            return false;
        }
    }
    return true;
}

void DocumentCommands::fileSave() {
    saveSet(false);
}

void DocumentCommands::fileSaveAs() {
    saveSet(true);
}

bool DocumentCommands::saveSet(bool askEveryName) {
    // Every name is settled before anything is written, so the files are written as one set.
    std::vector<std::pair<int, QString>> targets;
    for (int d = 0; d < Documents::count(); ++d) {
        if (const std::optional<QString> fileName = chooseSetName(d, askEveryName, targets)) {
            targets.emplace_back(d, *fileName);
        }  // a cancelled dialog skips that document only
    }
    return targets.empty() || files_.SaveDocuments(targets);
}

std::optional<QString> DocumentCommands::chooseSetName(
    int d, bool ask, const std::vector<std::pair<int, QString>>& chosen) {
    QString fileName = documents_[d].FileName();
    ask = ask || fileName.isEmpty();
    for (;;) {
        if (ask && !files_.ChooseDocumentFile(fileName, d, app::FileChooserMode::Save)) {
            return std::nullopt;
        }
        // One file for two documents would keep only the last one written.
        const QString target = app::FileSetWriter::target(fileName);
        const auto taken = std::find_if(chosen.begin(), chosen.end(), [&target](const auto& c) {
            return app::FileSetWriter::target(c.second) == target;
        });
        if (taken == chosen.end()) {
            return fileName;
        }
        app::Translator& tr = boxes_.translator();
        const DocumentInfo& owner = documents_[taken->first];
        boxes_.ShowErrorMessage(tr.TranslateString(
            "savesettwice", "The file %1% is already chosen for %2%: choose another file",
            {fileName, tr.TranslateString(owner.FileTag + "datatype", owner.DataCaption)}));
        ask = true;
    }
}

bool DocumentCommands::queryClose() {
    for (int d = 0; d < Documents::count(); ++d) {
        if (!QuerySaveDocument(d)) {
            return false;
        }
    }
    return true;
}

bool DocumentCommands::dataSave(int d) {
    if (documents_[d].FileName().isEmpty()) {
        return dataSaveAs(d);
    }
    return files_.SaveDocument(d);
}

bool DocumentCommands::dataSaveAs(int d) {
    QString fileName = documents_[d].FileName();
    if (!files_.ChooseDocumentFile(fileName, d, app::FileChooserMode::Save)) {
        return false;
    }
    const QString previous = documents_[d].FileName();
    documents_.setFileName(d, fileName);
    if (!files_.SaveDocument(d)) {
        // The document still belongs to the file it came from.
        documents_.setFileName(d, previous);
        return false;
    }
    return true;
}

bool DocumentCommands::OpenDocumentKind(int d) {
    const form::CommandStep step(files_.window().form(), "stepload", "Load");
    if (!QuerySaveDocument(d)) {
        return false;
    }
    // The chosen path becomes the document's name only once the file has been loaded.
    QString fileName = documents_[d].FileName();
    if (files_.ChooseDocumentFile(fileName, d, app::FileChooserMode::Open)) {
        files_.LoadDocument(fileName, d, false);
    }
    return true;
}

QString DocumentCommands::loadedFilesText() const {
    QString text;
    for (int d = 0; d < Documents::count(); ++d) {
        const DocumentInfo& info = documents_[d];
        text += boxes_.translator().TranslateString(info.FileTag + "filetype", info.FileCaption) +
                QStringLiteral(" : ") + DocumentDisplayName(d) +
                (info.Dirty() ? QStringLiteral(" *") : QString()) + QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace kilnward::documents
