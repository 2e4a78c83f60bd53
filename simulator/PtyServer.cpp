#include "simulator/PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace kilnward::sim {

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

timespec ToTimespec(Duration d) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

PtyServer::PtyServer(AnalyserSimulator& simulator) : simulator_(simulator) {}

PtyServer::~PtyServer() {
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

std::string PtyServer::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        Fail("posix_openpt");
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        Fail("grantpt/unlockpt");
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        Fail("ptsname");
    }
    const std::string path = name;
    slave_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        Fail("open slave");
    }
    termios raw{};
    if (::tcgetattr(slave_, &raw) != 0) {
        Fail("tcgetattr");
    }
    ::cfmakeraw(&raw);
    if (::tcsetattr(slave_, TCSANOW, &raw) != 0) {
        Fail("tcsetattr");
    }
    // Without a reader, answers must not block the server; they are dropped instead.
    if (::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        Fail("fcntl");
    }
    return path;
}

void PtyServer::serve(int stopFd) {
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        timespec timeout{};
        const timespec* wait = nullptr;
        if (const auto due = simulator_.nextOutputTime()) {
            const Duration left = *due - std::chrono::steady_clock::now();
            timeout = ToTimespec(left > Duration::zero() ? left : Duration::zero());
            wait = &timeout;
        }
        if (::ppoll(fds, 2, wait, nullptr) < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("poll");
        }
        if (fds[1].revents != 0) {
            return;
        }
        if (fds[0].revents & POLLIN) {
            receive();
        }
        sendDue();
    }
}

void PtyServer::receive() {
    std::uint8_t chunk[4096];
    const ssize_t count = ::read(master_, chunk, sizeof chunk);
    if (count > 0) {
        // A pseudo-terminal hands a whole request over at once. On a line at the paced speed
        // its bytes arrive one byte time apart, and no answer can start before the last one.
        TimePoint arrived = std::max<TimePoint>(std::chrono::steady_clock::now(), inboundFree_);
        for (ssize_t i = 0; i < count; ++i) {
            arrived += simulator_.byteTime();
            simulator_.receive({chunk[i]}, arrived);
        }
        inboundFree_ = arrived;
    } else if (count < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
        Fail("read");
    }
}

void PtyServer::sendDue() {
    const wirelink::ByteBuffer due = simulator_.takeOutput(std::chrono::steady_clock::now());
    std::size_t done = 0;
    while (done < due.size()) {
        const ssize_t count = ::write(master_, due.data() + done, due.size() - done);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EAGAIN || errno == EIO) {
                return;  // nobody is reading; the line drops what it cannot carry
            }
            Fail("write");
        }
        done += static_cast<std::size_t>(count);
    }
}

}  // namespace kilnward::sim
