#include "dialogs/ConnectionTestPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ConnectionTester.h"
#include "dialogs/WidgetWindow.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

QString Translated(const char* key, const char* english, const QStringList& arguments = {}) {
    return language::LangMan().TranslateString(QLatin1String(key), QLatin1String(english),
                                               arguments);
}

QString ResultText(const transfer::ConnectionCheckResult& result) {
    if (result.ok) {
        return Translated("test_ok", "Connection OK: the analyser's clock reads %1%.",
                          {transfer::AnalyserClockText(result.clock)});
    }
    const QString failed =
        Translated("test_failed", "The connection failed: %1%", {result.message});
    return result.hint.isEmpty() ? failed : failed + QLatin1Char('\n') + result.hint;
}

}  // namespace

ConnectionTestPanel::ConnectionTestPanel(WidgetWindow& window, ShownSettings settings,
                                         QWidget* parent)
    : QWidget(parent), settings_(std::move(settings)) {
    cmdtest_ = new QPushButton(QStringLiteral("&Test"), this);
    cmdtest_->setAutoDefault(false);
    window.name(*cmdtest_, QStringLiteral("cmdtest"));
    lbltestresult_ = new QLabel(this);
    lbltestresult_->setTextFormat(Qt::PlainText);
    lbltestresult_->setWordWrap(true);
    lbltestresult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Its text is the outcome of a check, translated when made.
    window.name(*lbltestresult_, QStringLiteral("lbltestresult"), {}, QStringLiteral("x"));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(cmdtest_);
    buttonRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttonRow);
    layout->addWidget(lbltestresult_);
    connect(cmdtest_, &QPushButton::clicked, this, [this] { runTest(); });
    setVisible(false);
}

void ConnectionTestPanel::setTester(ConnectionTester* tester) {
    tester_ = tester;
    setVisible(tester_ != nullptr);
}

void ConnectionTestPanel::runTest() {
    if (!tester_ || !cmdtest_->isEnabled()) {
        return;
    }
    cmdtest_->setEnabled(false);
    lbltestresult_->setText(Translated("test_running", "Testing the connection..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const transfer::ConnectionCheckResult result = tester_->check(settings_());
    QApplication::restoreOverrideCursor();
    lbltestresult_->setText(ResultText(result));
    cmdtest_->setEnabled(true);
}

void ConnectionTestPanel::reset() {
    lbltestresult_->clear();
}

void ConnectionTestPanel::cancel() {
    if (tester_) {
        tester_->cancel();
    }
}

}  // namespace kilnward::dialogs
