#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>

namespace kilnward::test {

// The serial port and QProcess watch their file descriptors with socket notifiers, which
// need an application object in the process. A test binary that needs one registers this
// once:
//   const auto* const kApp =
//       ::testing::AddGlobalTestEnvironment(new kilnward::test::QtApplicationEnvironment);
class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;

  private:
    int argc_ = 1;
    char name_[16] = "kilnward-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

}  // namespace kilnward::test
