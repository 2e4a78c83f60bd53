#include "editor/LinkTools.h"

#include "dialogs/ConnectionTester.h"
#include "dialogs/LinkTraceWindow.h"
#include "form/MainForm.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

LinkTools::LinkTools(QWidget& window, form::MainForm& form, transfer::SimulatedAnalysers& simulated,
                     app::UserPrompts& prompts, language::LanguageManager& language)
    : window_(window),
      prompts_(prompts),
      language_(language),
      tester_(std::make_unique<dialogs::ConnectionTester>(
          simulated, language, [&form] { return form.currentDriver(); },
          [this] { return activeTrace(); })) {}

LinkTools::~LinkTools() = default;

void LinkTools::showTrace() {
    if (!traceWindow_) {
        traceWindow_ = std::make_unique<dialogs::LinkTraceWindow>(language_, prompts_, &window_);
    }
    traceWindow_->show();
    traceWindow_->raise();
    traceWindow_->activateWindow();
}

transfer::LinkTrace* LinkTools::activeTrace() {
    return traceWindow_ ? traceWindow_->activeTrace() : nullptr;
}

}  // namespace kilnward::editor
