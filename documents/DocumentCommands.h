#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace kilnward::documents {

class DocumentFiles;
class Documents;
class MessageBoxes;

// The File and Data menu commands on the five documents, with the save question before
// changed data would be replaced.
class DocumentCommands {
  public:
    DocumentCommands(Documents& documents, DocumentFiles& files, MessageBoxes& boxes);

    // True when the caller may go on and replace document `d`'s data: it is unchanged, or the
    // user saved it, or chose not to. Cancel, and a save that was not completed (dialog
    // cancelled or write failed), return false. Unless `clearMarkOnNo`, a No keeps the changed
    // mark for the replacement to clear, so a replacement that does not come loses nothing.
    bool QuerySaveDocument(int d, bool clearMarkOnNo = true);
    // Document `d` reset to its default file, untitled, without a question.
    void resetToDefault(int d);
    // The file name, or "(None)" for an untitled document.
    QString DocumentDisplayName(int d) const;

    // File menu. Each returns false when a save question was cancelled.
    bool fileNew();
    bool fileOpen();
    // Save and Save As of all five: the names are asked for first (untitled documents, or
    // every one for Save As; a cancelled dialog skips its document), then the files are
    // written as one set, all replaced or none. A file named for two documents is refused
    // and another name asked for.
    void fileSave();
    void fileSaveAs();
    // The close check: true when the window may close.
    bool queryClose();

    // Data menu, per document.
    bool dataLoad(int d) { return OpenDocumentKind(d); }
    // Saves under the current name, or asks for one when untitled. True when saved.
    bool dataSave(int d);
    // Asks for a name and saves. True when saved.
    bool dataSaveAs(int d);

    // The save question, then the open dialog and the load. False only when the save
    // question was cancelled.
    bool OpenDocumentKind(int d);

    // One line per document: its kind, " : ", its file name, " *" when changed.
    QString loadedFilesText() const;

  private:
    bool saveSet(bool askEveryName);
    // The name document `d` is saved under in a set, asked for when `ask`, when untitled, or
    // when an earlier document of the set has `chosen` that file already; nullopt when the
    // user cancels.
    std::optional<QString> chooseSetName(int d, bool ask,
                                         const std::vector<std::pair<int, QString>>& chosen);

    Documents& documents_;
    DocumentFiles& files_;
    MessageBoxes& boxes_;
};

}  // namespace kilnward::documents
