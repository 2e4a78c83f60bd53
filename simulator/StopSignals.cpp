#include "simulator/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>

namespace kilnward::sim {

namespace {

int g_writeEnd = -1;

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals() {
    if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    g_writeEnd = fds_[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_writeEnd = -1;
    ::close(fds_[0]);
    ::close(fds_[1]);
}

}  // namespace kilnward::sim
