#pragma once

#include <QDialog>
#include <QStringList>

#include "dialogs/WidgetWindow.h"

class QCheckBox;
class QLabel;

namespace kilnward::app {
class Translator;
}

namespace kilnward::dialogs {

// The tip of the day: one line of the language's tips file at a time, cycling in file order,
// with the choice of showing it at start-up.
class frmTip : public QDialog {
  public:
    explicit frmTip(language::LanguageManager& language, QWidget* parent = nullptr);

    // Form_Load: the tick from "ShowTips", the tips file named by the language, or the text
    // that tells how to make one.
    void load();
    // Reads every line of `path` as a tip and shows the first; false when there is no file.
    bool LoadTips(const QString& path);
    void DisplayCurrentTip();
    // The Next button: the following tip, back to the first after the last.
    void cmdNextTip_Click();

    QString tipText() const;
    // The tips file of the current language ("TIPENG.TXT" unless translated).
    static QString TipsFileName(app::Translator& translator);

  private:
    void chkLoadTipsAtStartup_Click();

    WidgetWindow window_;
    QStringList tips_;
    int currentTip_ = 0;
    QLabel* lblTipText_ = nullptr;
    QCheckBox* chkLoadTipsAtStartup_ = nullptr;
};

// Loads and shows the tip window modally over `parent`.
void ShowTipOfTheDay(language::LanguageManager& language, QWidget* parent);

}  // namespace kilnward::dialogs
