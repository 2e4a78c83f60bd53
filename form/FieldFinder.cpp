#include "form/FieldFinder.h"

#include <QHash>

#include <algorithm>

#include "form/Form.h"
#include "form/FormItem.h"
#include "form/MainForm.h"
#include "form/ShownCaption.h"
#include "form/TabStripItem.h"

namespace kilnward::form {

namespace {

bool IsField(const FormItem& item) {
    switch (item.kind()) {
        case ItemKind::Numeric:
        case ItemKind::List:
        case ItemKind::Check:
        case ItemKind::Option:
        case ItemKind::Text:
        case ItemKind::Tree:
            return true;
        default:
            return false;
    }
}

using LabelMap = QHash<const FormItem*, const FormItem*>;

// The label naming each field.
LabelMap LabelsOf(const Form& form) {
    LabelMap labels;
    for (const FormItem* item : form.items()) {
        if (item->kind() == ItemKind::Label && item->buddy()) {
            labels.insert(item->buddy(), item);
        }
    }
    return labels;
}

QString TabCaption(const FieldFinder::Tab& tab) {
    return ShownCaption(tab.strip->tabCaptions().value(tab.tab));
}

QString CaptionOf(const FormItem& field, const LabelMap& labels,
                  const std::vector<FieldFinder::Tab>& tabs) {
    QString caption = ShownCaption(field.caption());
    if (caption.isEmpty()) {
        if (const FormItem* label = labels.value(&field)) {
            caption = ShownCaption(label->caption());
        }
    }
    if (caption.isEmpty() && !tabs.empty()) {
        caption = TabCaption(tabs.back());
    }
    return caption;
}

// Whether the user can see `item` once its tabs are open: it, its group boxes and its tab
// strips are shown, and the model opens each tab on the way.
bool Offered(const MainForm& window, const FormItem& item,
             const std::vector<FieldFinder::Tab>& tabs) {
    for (const FormItem* part = &item; part; part = part->container()) {
        // A tab page's own flag only says whether its tab is the one selected.
        if (!part->isTabPage() && !part->visible()) {
            return false;
        }
    }
    return std::all_of(tabs.begin(), tabs.end(), [&](const FieldFinder::Tab& tab) {
        return tab.strip->tabAvailable(tab.tab) && !window.tabRefused(*tab.strip, tab.tab);
    });
}

// The caption of the innermost group box holding `item`, if any.
QString GroupBoxOf(const FormItem& item) {
    for (const FormItem* frame = item.container(); frame; frame = frame->container()) {
        if (frame->kind() == ItemKind::Frame && !frame->isTabPage()) {
            const QString caption = ShownCaption(frame->caption());
            if (!caption.isEmpty()) {
                return caption;
            }
        }
    }
    return {};
}

FieldFinder::Match Locate(const MainForm& window, FormItem& field, const LabelMap& labels,
                          bool* offered) {
    FieldFinder::Match match{&field, QString(), QStringList(), FieldTabs(field), field.enabled()};
    for (const FieldFinder::Tab& tab : match.tabs) {
        match.path << TabCaption(tab);
    }
    if (const QString group = GroupBoxOf(field); !group.isEmpty()) {
        match.path << group;
    }
    match.caption = CaptionOf(field, labels, match.tabs);
    if (offered) {
        *offered = Offered(window, field, match.tabs);
    }
    return match;
}

}  // namespace

FieldFinder::FieldFinder(const MainForm& window) : window_(window) {}

QString FieldFinder::Folded(const QString& text) {
    const QString decomposed = ShownCaption(text).normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded += c;
        }
    }
    return folded.toCaseFolded();
}

FieldFinder::Match FieldFinder::locate(FormItem& field, bool* offered) const {
    return Locate(window_, field, LabelsOf(window_.form()), offered);
}

QString FieldFinder::caption(const FormItem& field) const {
    return CaptionOf(field, LabelsOf(window_.form()), FieldTabs(field));
}

std::vector<FieldFinder::Match> FieldFinder::find(const QString& text) const {
    const QStringList words = Folded(text).simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<Match> found;
    if (words.isEmpty()) {
        return found;
    }
    const LabelMap labels = LabelsOf(window_.form());
    for (FormItem* item : window_.form().items()) {
        if (!IsField(*item)) {
            continue;
        }
        bool offered = false;
        Match match = Locate(window_, *item, labels, &offered);
        // The page, tab and group box words count: "alarm value" is the value of an alarm.
        const QString caption = Folded(match.caption + u' ' + match.path.join(u' '));
        const bool matches = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return caption.contains(word);
        });
        if (offered && matches) {
            found.push_back(std::move(match));
        }
    }
    // Page by page, tab by tab; the form's order within a tab.
    const auto tabOrder = [](const Match& match) {
        std::vector<int> order;
        for (const Tab& tab : match.tabs) {
            order.push_back(tab.tab);
        }
        return order;
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](const Match& a, const Match& b) { return tabOrder(a) < tabOrder(b); });
    return found;
}

}  // namespace kilnward::form
