// A transfer's progress: one redrawn line while stderr is a terminal, nothing at all when
// it is a pipe or a file (scripts and logs get the status lines only).

#include "cli/TerminalProgress.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kilnward::cli {
namespace {

std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

void RunTransfer(TerminalProgress& progress) {
    progress.setRunning(true);
    progress.setStatus("Receiving...In progress");
    for (int percent : {0, 10, 10, 55, 100}) {
        progress.setProgress(percent);
    }
    progress.setRunning(false);
    progress.setStatus("Receiving...Done");
}

TEST(TerminalProgress, WritesOnlyTheStatusLinesWhenStderrIsNotATerminal) {
    std::FILE* status = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_TRUE(status && err);
    {
        TerminalProgress progress(status, err);
        RunTransfer(progress);
    }
    EXPECT_EQ(Contents(status), "Receiving...In progress\nReceiving...Done\n");
    EXPECT_EQ(Contents(err), "");
    std::fclose(status);
    std::fclose(err);
}

TEST(TerminalProgress, RedrawsOneLineOnATerminalAndEndsItWhenTheTransferStops) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    termios raw{};
    ASSERT_EQ(tcgetattr(slave, &raw), 0);
    cfmakeraw(&raw);  // No "\n" to "\r\n" translation: read back what was written.
    ASSERT_EQ(tcsetattr(slave, TCSANOW, &raw), 0);
    std::FILE* terminal = fdopen(slave, "w");
    std::FILE* status = std::tmpfile();
    ASSERT_TRUE(terminal && status);
    {
        TerminalProgress progress(status, terminal);
        RunTransfer(progress);
    }
    std::fflush(terminal);
    // The terminal may hand the line over in pieces: read until it ends (or 2 s pass).
    std::string shown;
    while (shown.empty() || shown.back() != '\n') {
        pollfd ready{master, POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, 2000), 1) << shown;
        char piece[512];
        const ssize_t n = read(master, piece, sizeof piece);
        ASSERT_GT(n, 0);
        shown.append(piece, static_cast<std::size_t>(n));
    }
    const std::string line = "\rReceiving...In progress ";
    EXPECT_EQ(shown, line + "  0%" + line + " 10%" + line + " 55%" + line + "100%\n");
    EXPECT_EQ(Contents(status), "Receiving...In progress\nReceiving...Done\n");
    std::fclose(status);
    std::fclose(terminal);
    close(master);
}

}  // namespace
}  // namespace kilnward::cli
