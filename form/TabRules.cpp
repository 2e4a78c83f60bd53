#include "form/TabRules.h"

#include <QString>

#include <initializer_list>

#include "app/Translator.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/MainForm.h"
#include "form/ModelGroup.h"
#include "form/TabStripItem.h"

namespace kilnward::form {

namespace {

struct StripFrames {
    const char* strip;
    const char* frames;
};

// Tab i of each strip shows frame i of its frame array.
constexpr StripFrames kStripFrames[] = {
    {field::SSTabconf, field::fraconf},       {field::sstabpages, field::frapages},
    {field::SSTabprinter, field::fraprinter}, {field::sstabalarms, field::fraalarms},
    {field::SSTabauxinp, field::Fraauxinp},   {field::SSTabanaouts, field::Fraanaouts},
    {field::SSTabfuels, field::frafuels},     {field::SSTabbargraphs, field::frabargraphs},
};

bool OneOf(int value, std::initializer_list<int> values) {
    for (int candidate : values) {
        if (candidate == value) {
            return true;
        }
    }
    return false;
}

const char* FramesOf(const TabStripItem& strip) {
    for (const auto& entry : kStripFrames) {
        if (strip.name().compare(QLatin1String(entry.strip), Qt::CaseInsensitive) == 0) {
            return entry.frames;
        }
    }
    return nullptr;
}

}  // namespace

TabRules::TabRules(MainForm& window) : window_(window) {}

void TabRules::tabChanged(TabStripItem& strip, int previousTab) {
    if (strip.name() == QLatin1String(field::SSTabconf)) {
        outerTabChanged(strip, previousTab);
    } else {
        innerTabChanged(strip, previousTab);
    }
}

bool TabRules::refuses(const TabStripItem& strip, int tab) const {
    const ModelGroup* group = FindModelGroup(window_.selectedInstrumentId());
    if (!group) {
        return false;
    }
    if (strip.name() == QLatin1String(field::SSTabconf)) {
        return group->refusesPage(tab);
    }
    return strip.name() == QLatin1String(field::sstabalarms) && group->refusesAlarmTab(tab);
}

void TabRules::outerTabChanged(TabStripItem& strip, int previousTab) {
    const int tab = strip.currentTab();
    if (refuses(strip, tab)) {
        refuse(strip, field::fraconf, previousTab);
        return;
    }
    // The pages that take parameters by drag and drop show the parameter toolbar.
    window_.setParameterToolbarVisible(OneOf(tab, {0, 1, 2, 3, 4, 8}));
    showFrame(field::fraconf, previousTab, tab);
}

void TabRules::innerTabChanged(TabStripItem& strip, int previousTab) {
    const int tab = strip.currentTab();
    if (refuses(strip, tab)) {
        refuse(strip, field::fraalarms, previousTab);
        return;
    }
    if (const char* frames = FramesOf(strip)) {
        showFrame(frames, previousTab, tab);
    }
}

void TabRules::clickRefused(TabStripItem& strip) {
    if (const char* frames = FramesOf(strip)) {
        refuse(strip, frames, strip.currentTab());
    }
}

void TabRules::refuse(TabStripItem& strip, const char* frameName, int previousTab) {
    window_.showErrorMessage(
        app::Translated(window_.translator(), "itemnotavail", "Item not available"));
    // The strip ends on its first tab, so the page that was showing goes away too.
    if (FormItem* previous = window_.form().find(QString::fromLatin1(frameName), previousTab)) {
        previous->setVisible(false);
    }
    // Selecting the first tab runs this rule again, for tab 0.
    strip.selectTab(0);
}

void TabRules::showFrame(const char* frameName, int previousTab, int tab) {
    const QString frames = QString::fromLatin1(frameName);
    FormItem* previous = window_.form().find(frames, previousTab);
    if (previous && previousTab != tab) {
        previous->setVisible(false);
    }
    if (FormItem* current = window_.form().find(frames, tab)) {
        current->setVisible(true);
    }
}

}  // namespace kilnward::form
