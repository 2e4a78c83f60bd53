#include "drivers/ModelRow.h"

#include <array>
#include <stdexcept>
#include <string>

namespace kilnward::drivers {

namespace {

// The one place the models differ.
constexpr std::array<ModelRow, 10> kModelTable = {{
    {"Harrier520prot", 9, "Harrier 520", false, 16384},
    {"Harrier530prot", 10, "Harrier 530", true, 16384},
    {"Harrier540prot", 11, "Harrier 540", true, 16384},
    {"Harrier560prot", 12, "Osprey 560", true, 32768},
    {"Harrier580prot", 13, "Kestrel 580", true, 32768},
    {"Harrier520Pprot", 14, "Harrier 520 Plus", true, 65536},
    {"Harrier510PTprot", 15, "Harrier 510 PT", true, 65536},
    {"Harrier530MKIII", 16, "Harrier 530 MKIII", true, 16384},
    {"Harrier530MKIII_R", 19, "Merlin-7 (Tallis)", true, 16384},
    {"Merlin7H", 20, "Merlin-7H (Tallis)", true, 65536},
}};

}  // namespace

const ModelRow* FindModelRow(std::uint8_t id) {
    for (const ModelRow& row : kModelTable) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

const ModelRow& ModelRowOf(std::uint8_t id) {
    const ModelRow* row = FindModelRow(id);
    if (row == nullptr) {
        throw std::logic_error("no model row for type code " + std::to_string(id));
    }
    return *row;
}

std::vector<std::uint8_t> KnownModelIds() {
    std::vector<std::uint8_t> ids;
    for (const ModelRow& row : kModelTable) {
        ids.push_back(row.id);
    }
    return ids;
}

}  // namespace kilnward::drivers
