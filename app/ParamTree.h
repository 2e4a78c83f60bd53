#pragma once

#include <QString>

#include <QtGlobal>
#include <optional>

namespace kilnward::app {

// A node of a parameter tree (a parameter slot): text, tag (parameter identifier) and the
// key of its image.
class ParamTreeNode {
  public:
    virtual ~ParamTreeNode() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual std::optional<quint8> tag() const = 0;  // nullopt before a parameter is set
    virtual void setTag(quint8 id) = 0;
    virtual QString imageKey() const = 0;
    virtual void setImageKey(const QString& key) = 0;
    virtual int index() const = 0;  // 1-based position in its tree
};

// A tree of parameter nodes (the main window's parameter pickers, the toolbar's list).
class ParamTree {
  public:
    virtual ~ParamTree() = default;
    // Appends an empty node at the end and returns it.
    virtual ParamTreeNode& addNode() = 0;
    virtual int nodeCount() const = 0;
    // Asks the tree's image list for the combined image `iconKey` + "overlay" (the icon with
    // the overlay image drawn on top). Failures are the tree's business; headless trees
    // ignore the request.
    virtual void addOverlayImage(const QString& /*iconKey*/) {}
};

}  // namespace kilnward::app
