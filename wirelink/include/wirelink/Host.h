#pragma once

#include <string>

#include "wirelink/Export.h"

namespace wirelink {

// The host's design-time property store: named values read and written with a default.
// A value equal to its default is not stored.
class WIRELINK_EXPORT PropertyBag {
  public:
    virtual ~PropertyBag() = default;
    virtual std::string readProperty(const std::string& name, const std::string& defaultValue) = 0;
    virtual void writeProperty(const std::string& name, const std::string& value,
                               const std::string& defaultValue) = 0;
};

// What the link needs of the window that hosts it.
class WIRELINK_EXPORT Host {
  public:
    virtual ~Host() = default;
    // True in the finished application, false in a designer.
    virtual bool runMode() const { return true; }
    // Process pending window events (only called while PermitsEvents is True).
    virtual void processEvents() {}
    // A persisted property changed.
    virtual void propertyChanged(const std::string& /*name*/) {}
};

}  // namespace wirelink
