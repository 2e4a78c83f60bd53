#include "editor/FrameBinding.h"

#include <QGroupBox>

#include "form/FormItem.h"

namespace kilnward::editor {

namespace {

// A tab's page needs no box of its own: the tab strip frames it.
QWidget* MakeFrame(const form::FormItem& item, QWidget* parent) {
    if (item.isTabPage()) {
        return new QWidget(parent);
    }
    return new QGroupBox(parent);
}

}  // namespace

FrameBinding::FrameBinding(form::FormItem& item, QWidget* parent)
    : Binding(item, *MakeFrame(item, parent)), frame_(static_cast<QWidget*>(&object())) {}

QWidget* FrameBinding::widget() const {
    return frame_;
}

void FrameBinding::showCaption() {
    if (auto* box = qobject_cast<QGroupBox*>(frame_)) {
        box->setTitle(item().caption());
    }
}

}  // namespace kilnward::editor
