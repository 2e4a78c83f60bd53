#include "documents/DocumentFiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

#include "app/FileSetWriter.h"
#include "app/IniFile.h"
#include "app/ProfileFunctions.h"
#include "app/Translator.h"
#include "app/VersionString.h"
#include "documents/ControlKey.h"
#include "documents/Documents.h"
#include "documents/MessageBoxes.h"
#include "documents/ValueEncoding.h"
#include "form/FieldNaming.h"
#include "form/FormListener.h"
#include "form/MainForm.h"
#include "form/TextItem.h"

namespace kilnward::documents {

namespace {

const QString kGeneral = QStringLiteral("General");
const QString kFileVersion = QStringLiteral("FileVersion");
const QString kFileType = QStringLiteral("FileType");

// Reads a document's stored values from `file`, cut to what the profile reader hands back;
// without a file every control reads its current value.
ValueReader StoredValueReader(const std::optional<app::IniFile>& file, const QString& section) {
    return [&file, section](const QString& key, const QString& current) {
        const QString value = file ? file->value(section, key, current) : current;
        return value.left(app::kIniValueBufferSize - 1);
    };
}

// When the file holds a longer text than the text line `item` takes: the field's name and
// what it keeps.
std::optional<QString> CutLine(const form::Form& form, const form::FormItem& item,
                               const ValueReader& read) {
    if (item.kind() != form::ItemKind::Text) {
        return std::nullopt;
    }
    const auto& line = static_cast<const form::TextItem&>(item);
    if (read(ControlKey(item), line.text()).size() <= line.maxLength()) {
        return std::nullopt;
    }
    return QStringLiteral("%1: \"%2\"").arg(form::FieldTitle(form, item), line.text());
}

}  // namespace

DocumentFiles::DocumentFiles(form::MainForm& window, Documents& documents, MessageBoxes& boxes)
    : window_(window), documents_(documents), boxes_(boxes) {}

bool DocumentFiles::BelongsTo(const form::FormItem& item, int d) const {
    return item.documentTag() == documents_[d].FileTag;
}

void DocumentFiles::appendControl(app::IniFile& file, int d, const form::FormItem& item) const {
    if (!BelongsTo(item, d)) {
        return;
    }
    for (const StoredValue& stored : EncodeControl(item)) {
        file.setValue(documents_[d].FileTag, stored.key, stored.value);
    }
}

app::IniFile DocumentFiles::documentFile(int d) const {
    // A fresh file: no key of an earlier version survives.
    app::IniFile file;
    file.setValue(kGeneral, kFileVersion, app::VersionString());
    file.setValue(kGeneral, kFileType, documents_[d].FileTag);
    for (const form::FormItem* item : window_.form().items()) {
        appendControl(file, d, *item);
    }
    return file;
}

bool DocumentFiles::SaveDocument(int d) {
    RefreshMainWindow();
    const DocumentInfo& info = documents_[d];
    QString error;
    if (!documentFile(d).save(info.FileName(), &error)) {
        boxes_.ShowErrorMessage(boxes_.translator().TranslateString(
            "savefailed", "Cannot save the file %1% (%2%)", {info.FileName(), error}));
        return false;
    }
    documents_.setDirty(d, false);
    return true;
}

bool DocumentFiles::SaveDocuments(const std::vector<std::pair<int, QString>>& targets) {
    RefreshMainWindow();
    app::FileSetWriter writer;
    for (const auto& [d, path] : targets) {
        writer.add(path, documentFile(d).toBytes());
    }
    app::FileSetWriter::Failure failure;
    if (!writer.commit(failure)) {
        boxes_.ShowErrorMessage(boxes_.translator().TranslateString(
            "savesetfailed", "Cannot save the file %1% (%2%): no document file was changed",
            {failure.path, failure.reason}));
        return false;
    }
    for (const auto& [d, path] : targets) {
        documents_.setFileName(d, path);
        documents_.setDirty(d, false);
    }
    return true;
}

bool DocumentFiles::LoadDocument(const QString& path, int d, bool isDefault) {
    const DocumentInfo& info = documents_[d];
    app::Translator& translator = boxes_.translator();
    QString unreadable;
    const std::optional<app::IniFile> file = app::IniFile::load(path, &unreadable);
    if (!unreadable.isEmpty()) {
        // Too large or not a file: nothing of it is used; a default then counts as missing.
        boxes_.ShowErrorMessage(translator.TranslateString(
            "readfailed", "Cannot read the file %1% (%2%)", {path, unreadable}));
        if (!isDefault) {
            return false;
        }
    }
    const QString type = file ? file->value(kGeneral, kFileType, QString()) : QString();
    if (!isDefault && type != info.FileTag) {
        boxes_.ShowErrorMessage(
            translator.TranslateString("wrongfiletype", "Not found or damaged file"));
        return false;
    }
    if (isDefault && !file && unreadable.isEmpty()) {
        // The window keeps its built-in values, which the user should know.
        boxes_.ShowErrorMessage(translator.TranslateString(
            "defaultmissing", "The default file %1% was not found: the built-in values are used",
            {path}));
    } else if (isDefault && file && type != info.FileTag) {
        boxes_.ShowErrorMessage(translator.TranslateString(
            "defaultdamaged", "The default file %1% is damaged (expected: %2%)",
            {path, translator.TranslateString(info.FileTag + "filetype", info.FileCaption)}));
    }
    if (file) {
        const ValueReader read = StoredValueReader(file, info.FileTag);
        // Model menu entries are never stored, so the item list does not change meanwhile.
        const std::vector<form::FormItem*> items = window_.form().items();
        QStringList cut;
        for (form::FormItem* item : items) {
            if (BelongsTo(*item, d)) {
                DecodeControl(*item, read);
                if (const auto line = CutLine(window_.form(), *item, read)) {
                    cut << *line;
                }
            }
        }
        RestoreOptionGroups(items);
        if (!cut.isEmpty()) {
            boxes_.ShowErrorMessage(translator.TranslateString(
                "textcut", "%1%: texts longer than their field were cut to fit (%2%)",
                {path, cut.join(QStringLiteral("; "))}));
        }
    }
    documents_.setFileName(d, isDefault ? QString() : path);
    RefreshMainWindow();
    // Assigning the values raised the controls' change events.
    documents_.setDirty(d, false);
    if (loaded_) {
        loaded_(d);
    }
    return true;
}

bool DocumentFiles::ChooseDocumentFile(QString& fileName, int d, app::FileChooserMode mode) {
    const DocumentInfo& info = documents_[d];
    const QString extension = info.FileTag.right(3);
    const QString filter =
        boxes_.translator().TranslateString(info.FileTag + "filetype", info.FileCaption) +
        QStringLiteral(" (*.") + extension + QStringLiteral(")|*.") + extension;
    const std::optional<QString> chosen =
        boxes_.prompts().chooseFile(mode, fileName, filter, extension, QString());
    if (!chosen) {
        return false;
    }
    fileName = *chosen;
    return true;
}

void DocumentFiles::ReadControlValue(const QString& path, int d, form::FormItem& item) {
    if (!BelongsTo(item, d)) {
        return;
    }
    const std::optional<app::IniFile> file = app::IniFile::load(path);
    DecodeControl(item, StoredValueReader(file, documents_[d].FileTag));
    RestoreOptionGroups(window_.form().items());
}

void DocumentFiles::WriteControlValue(const QString& path, int d, const form::FormItem& item) {
    if (!BelongsTo(item, d)) {
        return;
    }
    QString unreadable;
    app::IniFile file = app::IniFile::load(path, &unreadable).value_or(app::IniFile());
    if (!unreadable.isEmpty()) {
        return;  // one key written would replace everything that could not be read
    }
    appendControl(file, d, item);
    file.save(path);
}

void DocumentFiles::RefreshMainWindow() {
    window_.form().forEachListener(
        [](form::FormListener& listener) { listener.commitPendingEdits(); });
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
}

}  // namespace kilnward::documents
