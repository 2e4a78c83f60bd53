#include "editor/TabStripBinding.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabWidget>

#include <optional>

#include "editor/FormAdapter.h"
#include "form/TabStripItem.h"

namespace kilnward::editor {

namespace {

// Ctrl+Tab and Ctrl+Shift+Tab step over the tabs the strip refuses, as over disabled ones.
class TabStepper : public QObject {
  public:
    TabStepper(QTabWidget& tabs, const form::TabStripItem& strip)
        : QObject(&tabs), tabs_(tabs), strip_(strip) {
        tabs.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &tabs_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::ControlModifier)) {
            return false;
        }
        const bool back = key->key() == Qt::Key_Backtab ||
                          (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            return false;
        }
        if (const std::optional<int> next = nextTab(back ? -1 : 1)) {
            tabs_.setCurrentIndex(*next);
        }
        return true;
    }

  private:
    std::optional<int> nextTab(int step) const {
        const int count = tabs_.count();
        for (int i = 1; i < count; ++i) {
            const int tab = ((tabs_.currentIndex() + step * i) % count + count) % count;
            if (tabs_.isTabEnabled(tab) && !strip_.tabRefused(tab)) {
                return tab;
            }
        }
        return std::nullopt;
    }

    QTabWidget& tabs_;
    const form::TabStripItem& strip_;
};

}  // namespace

TabStripBinding::TabStripBinding(form::TabStripItem& item, QWidget* parent)
    : Binding(item, *new QTabWidget(parent)),
      strip_(item),
      tabs_(static_cast<QTabWidget*>(&object())) {
    tabs_->setUsesScrollButtons(true);
    new TabStepper(*tabs_, strip_);
    QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, [this](int tab) {
        if (strip_.tabRefused(tab)) {
            // Back before the refusal's message shows, so the page refused never shows.
            const QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(strip_.currentTab());
        }
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
