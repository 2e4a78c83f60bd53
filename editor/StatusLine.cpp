#include "editor/StatusLine.h"

#include <QLabel>

#include "app/SerialSettings.h"
#include "app/Translator.h"

namespace kilnward::editor {

StatusLine::StatusLine(app::Translator& translator, QWidget* parent)
    : QStatusBar(parent),
      translator_(translator),
      link_(new QLabel(this)),
      outcome_(new QLabel(this)) {
    setObjectName(QStringLiteral("StatusLine"));
    link_->setObjectName(QStringLiteral("StatusLink"));
    outcome_->setObjectName(QStringLiteral("StatusOutcome"));
    addWidget(outcome_, 1);
    addPermanentWidget(link_);
}

void StatusLine::showLink(const app::SerialSettings& settings, const QString& model) {
    const app::PortChoice& port = settings.port;
    const QString portName = port.caption(translator_);
    link_->setText(translator_.TranslateString(QStringLiteral("statusport"),
                                               QStringLiteral("Port: %1%"), {portName}) +
                   QStringLiteral("   ") +
                   translator_.TranslateString(QStringLiteral("statusaddress"),
                                               QStringLiteral("Address: %1%"),
                                               {QString::number(settings.address)}) +
                   QStringLiteral("   ") +
                   translator_.TranslateString(QStringLiteral("statusmodel"),
                                               QStringLiteral("Model: %1%"), {model}));
}

void StatusLine::showOutcome(const QString& text) {
    outcomeText_.reset();
    outcome_->setText(text);
}

void StatusLine::showOutcome(const QString& text, transfer::TransferKind kind) {
    showOutcome(text);
    const transfer::TransferTexts& texts = transfer::TransferTexts::of(kind);
    for (const transfer::TransferText& known :
         {texts.running, texts.done, texts.failed, texts.verified}) {
        if (*known.key != '\0' && known.translated(translator_) == text) {
            outcomeText_ = known;
        }
    }
}

void StatusLine::retranslate() {
    if (outcomeText_) {
        outcome_->setText(outcomeText_->translated(translator_));
    }
}

QString StatusLine::linkText() const {
    return link_->text();
}

QString StatusLine::outcomeText() const {
    return outcome_->text();
}

}  // namespace kilnward::editor
