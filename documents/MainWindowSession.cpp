#include "documents/MainWindowSession.h"

#include <QDir>

#include <optional>

#include "app/IniFile.h"
#include "app/Translator.h"

namespace kilnward::documents {

namespace {

// Whether `path` reads as a document of the file-type tag `tag`, asking nothing.
bool IsConfigurationFile(const QString& path, const QString& tag) {
    const std::optional<app::IniFile> file = app::IniFile::load(path);
    return file && file->value(QStringLiteral("General"), QStringLiteral("FileType")) == tag;
}

}  // namespace

MainWindowSession::MainWindowSession(app::UserPrompts& prompts, app::Translator& translator)
    : boxes_(prompts, translator),
      window_(translator),
      files_(window_, documents_, boxes_),
      commands_(documents_, files_, boxes_),
      changes_(window_.form(), documents_, translator) {
    window_.setServices(this);
    files_.setLoadedHook([this](int d) { changes_.takeBaseline(d); });
}

MainWindowSession::~MainWindowSession() {
    window_.setServices(nullptr);
}

void MainWindowSession::load(const std::vector<app::InstrumentEntry>& models,
                             std::optional<std::uint8_t> model) {
    window_.loadWindow(models, model);
    documents_.cleardirtyall();
    commands_.fileNew();
    documents_.cleardirtyall();
    window_.modelMenu().rechooseChecked();
    changes_.takeBaseline();
}

void MainWindowSession::markDocumentDirty(const form::FormItem& item) {
    documents_.MarkDocumentDirty(item);
}

void MainWindowSession::showErrorMessage(const QString& message) {
    boxes_.ShowErrorMessage(message);
}

void MainWindowSession::loadModelConfiguration(const QString& path) {
    if (!IsConfigurationFile(path, documents_[kConfigurationDocument].FileTag)) {
        // Told once for the model: the start and a re-choice adapt to it again.
        if (missingDefaultModel_ == window_.selectedInstrumentId()) {
            return;
        }
        missingDefaultModel_ = window_.selectedInstrumentId();
        // The configuration keeps what it held.
        boxes_.ShowErrorMessage(boxes_.translator().TranslateString(
            "modeldefaultmissing",
            "Not found or damaged file %1%: the model's default configuration was not loaded "
            "and the values shown stay",
            {QDir::toNativeSeparators(path)}));
        return;
    }
    // The model's default is a template like the default documents: the configuration stays
    // untitled, so a later Save asks for a name instead of overwriting the shipped file.
    if (files_.LoadDocument(path, kConfigurationDocument, false)) {
        documents_.setFileName(kConfigurationDocument, QString());
    }
}

void MainWindowSession::modelAdapted(bool modelChanged) {
    if (missingDefaultModel_ != window_.selectedInstrumentId()) {
        missingDefaultModel_.reset();
    }
    // Re-choosing the model selected changes no field the user edited: the record stays.
    if (modelChanged) {
        changes_.takeBaseline();
    }
}

bool MainWindowSession::mayReplaceConfiguration() {
    // The mark stays until the model's default has replaced the edit: should that load fail,
    // the edit is still on screen and must not be lost at exit without a question.
    return commands_.QuerySaveDocument(kConfigurationDocument, false);
}

}  // namespace kilnward::documents
