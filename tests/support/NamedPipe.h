#pragma once

#include <QString>

#include <atomic>
#include <thread>

namespace kilnward::test {

// A FIFO at `path` for as long as the object lives. A reader that opens it anyway is not
// left waiting for ever: a helper thread keeps opening the write end and closing it again,
// so such a reader sees an empty file and the test fails instead of hanging.
class NamedPipe {
  public:
    explicit NamedPipe(const QString& path);
    ~NamedPipe();
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    // False where the FIFO could not be made (always on Windows).
    bool created() const { return created_; }
    const QString& path() const { return path_; }

  private:
    QString path_;
    bool created_ = false;
    std::atomic<bool> stop_{false};
    std::thread releaser_;
};

}  // namespace kilnward::test
