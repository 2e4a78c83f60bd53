#include "tests/support/NamedPipe.h"

#include <QFile>

#include <chrono>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kilnward::test {

NamedPipe::NamedPipe(const QString& path) : path_(path) {
#if defined(_WIN32)
    // Windows has no FIFOs in the file system; created() tells the test so.
#else
    const QByteArray name = QFile::encodeName(path);
    created_ = ::mkfifo(name.constData(), 0644) == 0;
    if (!created_) {
        return;
    }
    releaser_ = std::thread([this, name] {
        while (!stop_) {
            // Opening the write end without blocking succeeds only while a reader waits.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
#endif
}

NamedPipe::~NamedPipe() {
    stop_ = true;
    if (releaser_.joinable()) {
        releaser_.join();
    }
    if (created_) {
        QFile::remove(path_);
    }
}

}  // namespace kilnward::test
