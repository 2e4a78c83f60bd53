#pragma once

#include <QString>

#include <cstdint>

namespace kilnward::transfer {

// How a field of the configuration sector is stored.
enum class FieldKind {
    ListByte,      // u8, the list position
    CheckByte,     // u8, the check box state
    Byte,          // u8 number
    Word,          // u16 number
    SignedWord,    // u16 on the wire holding a signed number (two's complement)
    Tenths,        // u16 number of tenths
    Float,         // f32 number
    Text,          // fixed-width text
    PrinterFlags,  // u32, one check box per bit
    Direction,     // u8, bar graph direction (0 = left to right)
    Codes,         // one parameter identifier per tree node
    FormulaType,   // u8, formula type of a fuel, 255 after the last fuel in use
    Gap,           // reserved bytes: skipped on receive, filled on send
    FloatGap,      // reserved floats: skipped on receive, 0.0 on send
    StepOver,      // a byte neither read nor written
};

// Model differences that touch a single field.
enum class FieldRule {
    Plain,
    // Number of decimals: values above 5 are taken as 3.
    Decimals,
    // Read but not applied on receive.
    ReceiveIgnored,
    // Sent as 0 whatever the editor holds.
    SendZero,
    // Printer flags whose bits 18..23 are sent as 0.
    SendWithoutBits18to23,
};

// One field of the sector: its kind, the control it maps to (name and array index) and
// what its kind needs: width in bytes and characters shown for texts, the fill byte and
// width of a gap, the restart and final flags of a parameter code list.
struct SectorField {
    FieldKind kind;
    const char* control = "";
    int index = -1;
    int width = 0;
    int maxChars = 0;
    std::uint8_t fill = 0;
    FieldRule rule = FieldRule::Plain;
    bool restart = false;
    bool final = false;
};

// The form's name of the control a field maps to.
inline QString ControlName(const SectorField& field) {
    return QString::fromLatin1(field.control);
}

}  // namespace kilnward::transfer
