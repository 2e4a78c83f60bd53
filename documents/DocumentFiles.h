#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

#include "app/UserPrompts.h"

namespace kilnward::app {
class IniFile;
}
namespace kilnward::form {
class FormItem;
class MainForm;
}  // namespace kilnward::form

namespace kilnward::documents {

class Documents;
class MessageBoxes;

// Reads and writes the documents' files: INI files with section "General" (FileVersion,
// FileType) and one section named by the file-type tag that holds one key per control of
// the document (one per node for trees), in the window's order.
class DocumentFiles {
  public:
    DocumentFiles(form::MainForm& window, Documents& documents, MessageBoxes& boxes);

    // Writes document `d` to its FileName in one pass through a temporary file that then
    // replaces the old file, so a failed save never loses the previous file. A failure is
    // reported and leaves the document changed; returns false then.
    bool SaveDocument(int d);
    // Saves several documents, each to the path paired with it, as one set: the old files
    // are replaced only when every new one is written, so a failure (disk full, a folder in
    // the way) keeps all old files and names the file that failed and why. On success the
    // paths become the documents' file names and the documents are clean.
    bool SaveDocuments(const std::vector<std::pair<int, QString>>& targets);
    // Reads a document file into the window. Unless `isDefault`, a file whose FileType is not
    // the document's tag (or a missing file) is refused with "Not found or damaged file." and
    // nothing changes. A default file leaves the document untitled.
    bool LoadDocument(const QString& path, int d, bool isDefault);
    // The open or save dialog for one document kind; true with the chosen path in `fileName`.
    bool ChooseDocumentFile(QString& fileName, int d, app::FileChooserMode mode);

    // One control, read from or written into the file at `path` (read once, written once).
    // A control of another document is left alone.
    void ReadControlValue(const QString& path, int d, form::FormItem& item);
    void WriteControlValue(const QString& path, int d, const form::FormItem& item);
    // Lets a field that is being edited hand over its value.
    void RefreshMainWindow();

    // Whether the control belongs to document `d` (its tag ends with the document's tag).
    bool BelongsTo(const form::FormItem& item, int d) const;
    form::MainForm& window() const { return window_; }

    // Told the document's number after a document was read from a file or reset to its
    // default, once the window shows it.
    void setLoadedHook(std::function<void(int d)> loaded) { loaded_ = std::move(loaded); }

  private:
    // The document's file as it would be saved now.
    app::IniFile documentFile(int d) const;
    void appendControl(app::IniFile& file, int d, const form::FormItem& item) const;

    form::MainForm& window_;
    Documents& documents_;
    MessageBoxes& boxes_;
    std::function<void(int d)> loaded_;
};

}  // namespace kilnward::documents
