#pragma once

#include <cstdint>

namespace kilnward::form {

class MainForm;
struct ModelGroup;

// Lays the main window out for an analyser model: pages and alarm tabs available, timers,
// printer boxes and general fields shown, pressure units, the model's default configuration,
// then the window caption.
class ModelAdaptation {
  public:
    explicit ModelAdaptation(MainForm& window);

    // adapttoinstrument
    void adapt(std::uint8_t model);

  private:
    void commonFirst(const ModelGroup* group);
    void cutPressureUnits();
    void applyGroup(const ModelGroup& group, std::uint8_t model);
    void applyFieldVisibility(const ModelGroup& group, std::uint8_t model);
    void commonLast();

    MainForm& window_;
};

}  // namespace kilnward::form
