#include "editor/TabStripBinding.h"

#include <QSignalBlocker>
#include <QTabWidget>

#include "editor/FormAdapter.h"
#include "form/TabStripItem.h"

namespace kilnward::editor {

TabStripBinding::TabStripBinding(form::TabStripItem& item, QWidget* parent)
    : Binding(item, *new QTabWidget(parent)),
      strip_(item),
      tabs_(static_cast<QTabWidget*>(&object())) {
    tabs_->setUsesScrollButtons(true);
    QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, [this](int tab) {
        adapter::RunUserEdit(strip_, [&] { strip_.clickTab(tab); });
        // A refused tab leaves the strip where its rules put it.
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(strip_.currentTab());
    });
}

QWidget* TabStripBinding::widget() const {
    return tabs_;
}

void TabStripBinding::addPage(QWidget* page) {
    const QSignalBlocker blocker(tabs_);
    const int tab = tabs_->count();
    tabs_->addTab(page, strip_.tabCaptions().value(tab));
}

void TabStripBinding::show(form::ItemChange change) {
    if (change == form::ItemChange::Tabs) {
        for (int tab = 0; tab < tabs_->count() && tab < strip_.tabCount(); ++tab) {
            tabs_->setTabText(tab, strip_.tabCaptions().at(tab));
            tabs_->setTabEnabled(tab, strip_.tabAvailable(tab));
        }
        // Disabling the tab showing makes the tab bar move on by itself; the strip decides.
        tabs_->setCurrentIndex(strip_.currentTab());
    } else if (change == form::ItemChange::Selection) {
        tabs_->setCurrentIndex(strip_.currentTab());
    }
}

}  // namespace kilnward::editor
