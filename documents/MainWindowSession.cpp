#include "documents/MainWindowSession.h"

namespace kilnward::documents {

MainWindowSession::MainWindowSession(app::UserPrompts& prompts, app::Translator& translator)
    : boxes_(prompts, translator),
      files_(window_, documents_, boxes_),
      commands_(documents_, files_, boxes_),
      changes_(window_.form(), documents_, translator) {
    window_.setServices(this);
    files_.setLoadedHook([this](int d) { changes_.takeBaseline(d); });
}

MainWindowSession::~MainWindowSession() {
    window_.setServices(nullptr);
}

void MainWindowSession::load(const std::vector<app::InstrumentEntry>& models) {
    window_.loadWindow(models);
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
    // The model's default is a template like the default documents: the configuration stays
    // untitled, so a later Save asks for a name instead of overwriting the shipped file.
    if (files_.LoadDocument(path, kConfigurationDocument, false)) {
        documents_.setFileName(kConfigurationDocument, QString());
    }
}

void MainWindowSession::modelAdapted() {
    changes_.takeBaseline();
}

bool MainWindowSession::mayReplaceConfiguration() {
    return commands_.QuerySaveDocument(kConfigurationDocument);
}

}  // namespace kilnward::documents
