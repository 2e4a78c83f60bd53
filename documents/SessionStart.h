#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app

namespace kilnward::documents {

class MainWindowSession;

// What a main window with its documents starts from: the catalogue's models, the default
// documents and one model. The editor's window and every command-line session start here,
// so the same inputs give the same fields whichever path opened the session.
struct SessionStart {
    // The model to adapt to; none: the one stored under "InstrumentIDselected".
    std::optional<std::uint8_t> model;
    // Whether the choice of a model is stored (the editor's window only).
    bool storesChoice = false;
};

std::unique_ptr<MainWindowSession> OpenSession(app::UserPrompts& prompts,
                                               app::Translator& translator,
                                               const SessionStart& start);

}  // namespace kilnward::documents
