#include "editor/FieldPage.h"

#include "editor/FormAdapter.h"
#include "form/FieldFinder.h"
#include "form/TabStripItem.h"

namespace kilnward::editor {

void OpenTabs(const std::vector<form::FieldTab>& tabs) {
    for (const form::FieldTab& tab : tabs) {
        adapter::RunUserEdit(*tab.strip, [&tab] { tab.strip->clickTab(tab.tab); });
    }
}

bool OpenFieldPage(const form::FieldFinder& finder, form::FormItem& field) {
    bool offered = false;
    const form::FieldFinder::Match match = finder.locate(field, &offered);
    if (!offered) {
        return false;
    }
    OpenTabs(match.tabs);
    return true;
}

}  // namespace kilnward::editor
