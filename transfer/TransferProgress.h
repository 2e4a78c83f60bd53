#pragma once

namespace kilnward::transfer {

class ProgressSink;

// The transfer's progress counter: a total and the part done, shown as a percentage.
class TransferProgress {
  public:
    explicit TransferProgress(ProgressSink& sink) : sink_(sink) {}

    // The bar to 0 and a new total.
    void StartProgress(float total);
    // `count` more done; the bar shows done / total, rounded half to even.
    void AdvanceProgress(float count);
    // The bar to `percent`.
    void setprogress(float percent);

  private:
    ProgressSink& sink_;
    float total_ = 0;
    float done_ = 0;
};

}  // namespace kilnward::transfer
