#include "documents/SessionStart.h"

#include "app/Catalogue.h"
#include "documents/MainWindowSession.h"

namespace kilnward::documents {

std::unique_ptr<MainWindowSession> OpenSession(app::UserPrompts& prompts,
                                               app::Translator& translator,
                                               const SessionStart& start) {
    auto session = std::make_unique<MainWindowSession>(prompts, translator);
    session->window().modelMenu().setStoresChoice(start.storesChoice);
    // The model is chosen before the defaults load, so nothing of another model (its
    // default configuration, its pressure units) reaches the session.
    session->load(app::InstrumentList(), start.model);
    return session;
}

}  // namespace kilnward::documents
