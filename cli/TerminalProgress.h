#pragma once

#include <QString>

#include <cstdio>

#include "transfer/ProgressSink.h"

namespace kilnward::cli {

// A transfer's status lines on `status` (stdout), and its progress as one line on `progress`
// (stderr) that redraws itself while that stream is a terminal; when it is not (a pipe, a
// log file), nothing but the status lines is written.
class TerminalProgress : public transfer::ProgressSink {
  public:
    explicit TerminalProgress(std::FILE* status = stdout, std::FILE* progress = stderr);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void setProgress(int percent) override;
    void setStatus(const QString& text) override;
    void setRunning(bool running) override;

  private:
    void endProgressLine();

    std::FILE* status_;
    std::FILE* progress_;
    bool terminal_;
    bool lineOpen_ = false;
    int shown_ = -1;
    QString statusText_;
};

}  // namespace kilnward::cli
