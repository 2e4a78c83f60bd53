#include "documents/MainWindowSession.h"

namespace kilnward::documents {

MainWindowSession::MainWindowSession(app::UserPrompts& prompts, app::Translator& translator)
    : boxes_(prompts, translator),
      files_(window_, documents_, boxes_),
      commands_(documents_, files_, boxes_) {
    window_.setServices(this);
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
}

void MainWindowSession::markDocumentDirty(const form::FormItem& item) {
    documents_.MarkDocumentDirty(item);
}

void MainWindowSession::showErrorMessage(const QString& message) {
    boxes_.ShowErrorMessage(message);
}

void MainWindowSession::loadModelConfiguration(const QString& path) {
    files_.LoadDocument(path, kConfigurationDocument, false);
}

}  // namespace kilnward::documents
