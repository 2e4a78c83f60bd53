// The transfer's progress counter.

#include <gtest/gtest.h>

#include <vector>

#include "transfer/ProgressSink.h"
#include "transfer/TransferProgress.h"

namespace kilnward::transfer {
namespace {

class Bar : public ProgressSink {
  public:
    void setProgress(int percent) override { shown.push_back(percent); }
    void setStatus(const QString&) override {}
    std::vector<int> shown;
};

TEST(TransferProgress, PercentagesRoundHalvesToEven) {
    Bar bar;
    TransferProgress progress(bar);
    progress.StartProgress(8);
    progress.AdvanceProgress(1);  // 12.5
    progress.AdvanceProgress(2);  // 37.5
    progress.AdvanceProgress(5);  // 100
    EXPECT_EQ(bar.shown, (std::vector<int>{0, 12, 38, 100}));
}

TEST(TransferProgress, ANewStartBeginsAgainFromZero) {
    Bar bar;
    TransferProgress progress(bar);
    progress.StartProgress(2048);
    progress.AdvanceProgress(1024);
    progress.StartProgress(2048);
    progress.AdvanceProgress(2);  // the two bytes a send never transmits
    EXPECT_EQ(bar.shown, (std::vector<int>{0, 50, 0, 0}));
}

}  // namespace
}  // namespace kilnward::transfer
