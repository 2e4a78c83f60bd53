#include "language/LanguageManager.h"

#include "app/SubstituteArguments.h"
#include "app/UserPrompts.h"
#include "language/LanguageStore.h"
#include "language/TranslatableControl.h"
#include "language/TranslatableWindow.h"

#include <algorithm>

namespace kilnward::language {

namespace {

const QString kErrorTitle = QStringLiteral("Error message");

bool KeepsUntranslated(const QString& tag) {
    return tag.startsWith(QLatin1Char('x'));
}

}  // namespace

LanguageManager::LanguageManager(app::UserPrompts& prompts)
    : prompts_(&prompts), store_(std::make_unique<LanguageStore>()) {}

LanguageManager::~LanguageManager() = default;

void LanguageManager::reportError(const QString& message) {
    prompts_->showMessage(message, kErrorTitle, app::PromptIcon::Exclamation);
}

bool LanguageManager::CanChangeLanguage() {
    if (!IsAvailable()) {
        reportError(QStringLiteral("Language Manager not available."));
        return false;
    }
    return true;
}

bool LanguageManager::IsAvailable() const {
    return store_->isOpen();
}

bool LanguageManager::IsLanguageSelected() const {
    return store_->hasSelection();
}

int LanguageManager::LanguageCount() const {
    return IsAvailable() ? static_cast<int>(store_->languages().size()) : 0;
}

QString LanguageManager::DatabaseName() const {
    return databaseName_;
}

QString LanguageManager::Language(int index) const {
    if (index < 0 || index >= LanguageCount()) {
        return {};
    }
    return store_->languages()[index];
}

void LanguageManager::SetLanguageIndex(int index) {
    languageIndex_ = index;
    selectLanguageColumn();
}

int LanguageManager::LanguageIndex() const {
    return languageIndex_;
}

void LanguageManager::closeDatabase() {
    store_->close();
}

bool LanguageManager::OpenLanguageDataBase(const QString& path, bool createMode) {
    closeDatabase();
    switch (store_->open(path, createMode)) {
        case LanguageStore::OpenResult::CannotOpen:
            reportError(QStringLiteral("Cannot find languages database."));
            return false;
        case LanguageStore::OpenResult::NoTable:
            reportError(QStringLiteral("Error reading languages database."));
            return false;
        case LanguageStore::OpenResult::Ok:
            break;
    }
    languageIndex_ = 0;
    createMode_ = createMode;
    selectLanguageColumn();
    databaseName_ = path;
    return true;
}

void LanguageManager::selectLanguageColumn() {
    if (!IsAvailable()) {
        return;
    }
    store_->clearSelection();
    // A negative index would name the key column itself; treat it as out of range too.
    if (languageIndex_ < 0 || languageIndex_ >= LanguageCount()) {
        languageIndex_ = 0;
    }
    if (!store_->selectLanguage(languageIndex_)) {
        reportError(QStringLiteral("Cannot change language."));
    }
}

std::optional<QString> LanguageManager::lookUp(const QString& key, const QString& englishText) {
    const auto row = store_->find(key);
    if (row) {
        return *row;
    }
    if (createMode_) {
        store_->addRow(key, englishText);
    }
    return std::nullopt;
}

QString LanguageManager::TranslateString(const QString& key, const QString& defaultText,
                                         const QStringList& arguments) {
    if (!IsLanguageSelected()) {
        return app::SubstituteArguments(defaultText, arguments);
    }
    return app::SubstituteArguments(lookUp(key, defaultText).value_or(defaultText), arguments);
}

void LanguageManager::TranslateObject(TranslatableWindow& window) {
    TranslateForm(window);
}

void LanguageManager::TranslateObject(TranslatableControl& control) {
    TranslateControl(control);
}

void LanguageManager::TranslateForm(TranslatableWindow& window) {
    if (IsLanguageSelected()) {
        if (!KeepsUntranslated(window.tag())) {
            if (auto caption = lookUp(window.name(), window.caption())) {
                window.setCaption(*caption);
            }
        }
        for (TranslatableControl* control : window.controls()) {
            TranslateControl(*control);
        }
    }
    window.translate();
}

void LanguageManager::translateItem(const QString& key, const QString& current,
                                    const std::function<void(const QString&)>& apply) {
    if (auto text = lookUp(key, current)) {
        apply(*text);
    }
}

void LanguageManager::TranslateControl(TranslatableControl& control) {
    if (!IsLanguageSelected() || KeepsUntranslated(control.tag())) {
        return;
    }
    const QString key = control.controlKey();
    switch (control.kind()) {
        case ControlKind::Caption:
            translateItem(key, control.caption(),
                          [&](const QString& text) { control.setCaption(text); });
            break;
        case ControlKind::NoCaption:
            break;
        case ControlKind::Tabs:
        case ControlKind::List:
        case ControlKind::Toolbar: {
            const int first = control.kind() == ControlKind::Toolbar ? 1 : 0;
            for (int position = 0; position < control.itemCount(); ++position) {
                const QString itemKey = key + QLatin1Char(':') + QString::number(position + first);
                translateItem(itemKey, control.itemText(position),
                              [&](const QString& text) { control.setItemText(position, text); });
            }
            break;
        }
    }
}

void LanguageManager::TranslateAll() {
    if (!IsLanguageSelected()) {
        return;
    }
    // A window's translate() may open or close others; visit the ones loaded now.
    const std::vector<TranslatableWindow*> windows = windows_;
    for (TranslatableWindow* window : windows) {
        if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) {
            TranslateForm(*window);
        }
    }
}

void LanguageManager::RegisterWindow(TranslatableWindow& window) {
    if (std::find(windows_.begin(), windows_.end(), &window) == windows_.end()) {
        windows_.push_back(&window);
    }
}

void LanguageManager::UnregisterWindow(TranslatableWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

void TranslateWindow(app::Translator& translator, TranslatableWindow& window) {
    if (auto* manager = dynamic_cast<LanguageManager*>(&translator)) {
        manager->TranslateObject(window);
    } else {
        window.translate();
    }
}

}  // namespace kilnward::language
