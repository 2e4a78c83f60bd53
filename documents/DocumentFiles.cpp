#include "documents/DocumentFiles.h"

#include <QCoreApplication>

#include <optional>

#include "app/IniFile.h"
#include "app/ProfileFunctions.h"
#include "app/Translator.h"
#include "app/VersionString.h"
#include "documents/Documents.h"
#include "documents/MessageBoxes.h"
#include "documents/ValueEncoding.h"
#include "form/FormListener.h"
#include "form/MainForm.h"

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

bool DocumentFiles::SaveDocument(int d) {
    RefreshMainWindow();
    const DocumentInfo& info = documents_[d];
    // A fresh file: no key of an earlier version survives.
    app::IniFile file;
    file.setValue(kGeneral, kFileVersion, app::VersionString());
    file.setValue(kGeneral, kFileType, info.FileTag);
    for (const form::FormItem* item : window_.form().items()) {
        appendControl(file, d, *item);
    }
    QString error;
    if (!file.save(info.FileName(), &error)) {
        boxes_.ShowErrorMessage(boxes_.translator().TranslateString(
            "savefailed", "Cannot save the file %1% (%2%)", {info.FileName(), error}));
        return false;
    }
    documents_.setDirty(d, false);
    return true;
}

bool DocumentFiles::LoadDocument(const QString& path, int d, bool isDefault) {
    const DocumentInfo& info = documents_[d];
    const std::optional<app::IniFile> file = app::IniFile::load(path);
    if (!isDefault) {
        const QString type = file ? file->value(kGeneral, kFileType, QString()) : QString();
        if (type != info.FileTag) {
            boxes_.ShowErrorMessage(
                boxes_.translator().TranslateString("wrongfiletype", "Not found or damaged file"));
            return false;
        }
    }
    if (file) {
        const ValueReader read = StoredValueReader(file, info.FileTag);
        // Model menu entries are never stored, so the item list does not change meanwhile.
        const std::vector<form::FormItem*> items = window_.form().items();
        for (form::FormItem* item : items) {
            if (BelongsTo(*item, d)) {
                DecodeControl(*item, read);
            }
        }
    }
    documents_.setFileName(d, isDefault ? QString() : path);
    RefreshMainWindow();
    // Assigning the values raised the controls' change events.
    documents_.setDirty(d, false);
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
}

void DocumentFiles::WriteControlValue(const QString& path, int d, const form::FormItem& item) {
    if (!BelongsTo(item, d)) {
        return;
    }
    app::IniFile file = app::IniFile::load(path).value_or(app::IniFile());
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
