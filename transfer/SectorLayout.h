#pragma once

namespace kilnward::transfer::layout {

// Where the analyser keeps each area of its configuration sector. Fields are laid out one
// after the other, so these places are checked while the sector is walked: a walk that
// reaches an area anywhere else has a wrong field width or node count and stops.

inline constexpr int kSectorSize = 2048;

// Area 1: general, printer and texts.
inline constexpr int kReservedStart = 0;
inline constexpr int kReservedStartWidth = 2;
inline constexpr int kTimers = 2;
inline constexpr int kTimerCount = 11;
// The leak decay times, the timers whose range goes below zero.
inline constexpr int kFirstSignedTimer = 5;
inline constexpr int kLastSignedTimer = 8;
inline constexpr int kTimersGapWidth = 12;
inline constexpr int kPrinterCopies = 36;
inline constexpr int kPrinterFlags = 38;
inline constexpr int kPrinterFlagCount = 25;
inline constexpr int kHeaderLines = 42;
inline constexpr int kFirstHeaderLine = 1;
inline constexpr int kLastHeaderLine = 4;
inline constexpr int kLawLines = 114;
inline constexpr int kFirstLawLine = 6;
inline constexpr int kLastLawLine = 8;
inline constexpr int kCombustionCodes = 168;
inline constexpr int kCombustionGapValue = 2;
inline constexpr int kReferenceCodes = 189;
inline constexpr int kReferenceGapWidth = 15;
inline constexpr int kPageCodes = 214;
inline constexpr int kPageCount = 6;

// Area 2: bar graphs.
inline constexpr int kBargraphs = 250;
inline constexpr int kBargraphCount = 6;
inline constexpr int kBargraphRecord = 10;

// Area 3: measurement settings and service lines.
inline constexpr int kMeasurement = 310;
inline constexpr int kMeasurementGapValue = 0;
inline constexpr int kMeasurementGapWidth = 15;
inline constexpr int kServiceLines = 334;
inline constexpr int kServiceLineCount = 3;
inline constexpr int kCoExclusion = 388;

// Area 4: model-dependent bytes.
inline constexpr int kModelBytes = 394;
inline constexpr int kModelBytesWidth = 18;

// Area 5: fuels.
inline constexpr int kFuelTable = 412;
inline constexpr int kFuelCount = 10;
inline constexpr int kFuelRecord = 68;
inline constexpr int kFuelCoefficientCount = 11;

// Area 6: alarms; only the alarms the model shows take room.
inline constexpr int kAlarmTable = 1092;
inline constexpr int kAlarmCount = 6;
inline constexpr int kAlarmRecord = 10;
inline constexpr int kAlarmGapWidth = 3;

// Area 7: the tail, placed after the alarms present (T).
inline constexpr int kTailFloatGapCount = 3;
inline constexpr int kTailToAuxInputs = 16;
inline constexpr int kAuxInputCount = 2;
inline constexpr int kAuxInputRecord = 40;
inline constexpr int kAuxInputGapWidth = 16;
inline constexpr int kTailToAnalogOutputs = 96;
inline constexpr int kAnalogOutputCount = 4;
inline constexpr int kAnalogOutputRecord = 26;
inline constexpr int kAnalogOutputGapWidth = 15;
inline constexpr int kTailToCoThreshold = 200;
inline constexpr int kTailSize = 204;

// Rewritten by every send, after the fields.
inline constexpr int kSendGap = 1712;
inline constexpr int kSendGapTexts = 8;
inline constexpr int kSendGapTextWidth = 2;

// Text fields: bytes in the sector / characters shown.
inline constexpr int kLineWidth = 18;
inline constexpr int kLineChars = 16;
inline constexpr int kUnitWidth = 8;
inline constexpr int kUnitChars = 6;
inline constexpr int kParamNameWidth = 6;
inline constexpr int kParamNameChars = 4;

// The reserved bytes a send fills.
inline constexpr int kFillByte = 255;

// Transfer blocks.
inline constexpr int kReadBlock = 32;
inline constexpr int kWriteBlock = 27;
inline constexpr int kFirstWritten = 2;
inline constexpr int kConfigDevice = 1;

}  // namespace kilnward::transfer::layout
