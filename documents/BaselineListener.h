#pragma once

namespace kilnward::documents {

// Told when the values that "changed" is measured against were taken afresh, so every
// field's changed state may be different now.
class BaselineListener {
  public:
    virtual ~BaselineListener() = default;
    virtual void baselineTaken() = 0;
};

}  // namespace kilnward::documents
