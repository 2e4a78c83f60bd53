#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

#include "dialogs/WidgetWindow.h"

class QLabel;

namespace kilnward::dialogs {

// The splash window shown while the program starts: title, version, company and a status
// line. Its timer closes it and hands over to the main window.
class frmSplash : public QWidget {
  public:
    static constexpr int kExpirationMs = 2000;

    explicit frmSplash(language::LanguageManager& language, QWidget* parent = nullptr);

    // The status line, shown at once.
    void setStatus(const QString& text);
    QString status() const;
    void translate() { window_.translateNow(); }
    // Starts tmrexpiration; `expired` runs once when it fires, after the window closed.
    void startExpiration(std::function<void()> expired, int milliseconds = kExpirationMs);

  private:
    WidgetWindow window_;
    QLabel* lblstatus_ = nullptr;
    QTimer tmrexpiration_;
    std::function<void()> expired_;
};

}  // namespace kilnward::dialogs
