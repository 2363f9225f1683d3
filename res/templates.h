// The windows' dialog templates, transcribed from their control tables, and each window's one
// enumeration of its control ids: its template, its class and its tests name controls only so.
#pragma once

#include "res/dialog_template.h"

enum class MainWindowId : int {
    Close = 1,
    Disclaimer = 1001,
    RollWeight = 1028,
    RollDiameter = 1036,
    KnifePositions = 1037,
    Version = 1038,
    Heading = 1058,
    DisclaimerHeading = 1059,
};

enum class AboutBoxId : int { Ok = 1 };

enum class RollLengthId : int {
    Calculate = 1,
    Close = 2,
    Print = 1000,
    LengthFeet = 1001,
    LengthMeters = 1002,
    CoreInches = 1003,
    CoreMm = 1004,
    RollInches = 1005,
    RollMm = 1006,
    ThicknessInches = 1007,
    ThicknessMm = 1008,
    RequiredNote = 1009,
    CoreLabel = 1010,
    WebLink = 1011,
    SalesLink = 1012,
    EngineeringLink = 1013,
    ServiceLink = 1014,
    ClearAll = 1052,
    EnterStep = 1054,
    PrintStep = 1055,
    // The captions of the boxes that have no label of their own but their unit word.
    LengthCaption = 1101,
    MetersUnit = 1102,
    CoreMmUnit = 1103,
    RollCaption = 1104,
    RollMmUnit = 1105,
    ThicknessCaption = 1106,
    ThicknessMmUnit = 1107,
};

enum class RollWeightId : int {
    Calculate = 1,
    Close = 2,
    Print = 1000,
    RollInches = 1013,
    RollMm = 1014,
    CoreInches = 1015,
    CoreMm = 1016,
    WebInches = 1017,
    WebMm = 1018,
    Pounds = 1019,
    Kilograms = 1020,
    SpecificGravity = 1021,
    SpecificGravityCopy = 1022,
    LbsPerCubicFoot = 1023,
    KgPerCubicMeter = 1024,
    LbsPerCubicInch = 1025,
    GPerCubicCm = 1026,
    RollLabel = 1029,
    CoreLabel = 1030,
    WebLabel = 1031,
    WeightLabel = 1032,
    RequiredNote = 1033,
    ClearAll = 1052,
    EnterStep = 1057,
    PrintStep = 1058,
    DensityNote = 1060,
    RollMmUnit = 1101,
    CoreMmUnit = 1102,
    WebMmUnit = 1103,
    KilogramsUnit = 1104,
    SpecificGravityCaption = 1105,
    LbsPerCubicFootCaption = 1106,
    KgPerCubicMeterCaption = 1107,
    LbsPerCubicInchCaption = 1108,
    GPerCubicCmCaption = 1109,
};

enum class SlitterId : int {
    Close = 2,
    ClearAll = 3,
    Print = 1000,
    Instructions = 1029,
    Steps = 1030,
    KnifeList = 1039,
    SlitCount = 1040,
    SlitInches = 1043,
    SlitMm = 1044,
    NextInches = 1045,
    NextMm = 1046,
    AddSlit = 1047,
    AddSlits = 1050,
    SetupIncrement = 1056,
    SlitCountCaption = 1101,
    SlitInchesCaption = 1102,
    SlitMmCaption = 1103,
    NextInchesCaption = 1104,
    NextMmCaption = 1105,
};

const DialogTemplate& MainWindowTemplate();
const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& RollLengthTemplate();
const DialogTemplate& RollWeightTemplate();
const DialogTemplate& SlitterTemplate();
