#include "transfer/TransferProgress.h"

#include <cmath>

#include "transfer/ProgressSink.h"

namespace kilnward::transfer {

void TransferProgress::StartProgress(float total) {
    setprogress(0);
    total_ = total;
    done_ = 0;
}

void TransferProgress::AdvanceProgress(float count) {
    done_ += count;
    // An empty total has nothing left to do.
    setprogress(total_ > 0 ? done_ / total_ * 100.0f : 100.0f);
}

void TransferProgress::setprogress(float percent) {
    sink_.setProgress(static_cast<int>(std::nearbyint(percent)));
}

}  // namespace kilnward::transfer
