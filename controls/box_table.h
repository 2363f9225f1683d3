// The one way a window describes its number boxes: a table with, for each box, its format, the
// text it is cleared to, its typing limit, its accessible name, its caption and, on the first box
// of a pair, the pair it makes with its partner.
#pragma once

#include <span>

#include "platform/dialog.h"

class CMeasurementPair;
class CNumEdit;

enum class PairKind {
    None,
    Clearing, // an inch/mm pair: the partner is zeroed first, so a source not above 0 clears it
    Direct,   // the partner is the source times the factor, whatever the source holds
};

struct BoxSpec {
    ControlId id;
    const char* format;
    const char* clearedText;
    int typingLimit;   // characters a user may put in; 0 for no limit
    const char* name;  // what assistive technology reads
    ControlId caption; // the text that captions it, for assistive technology and for Alt+key
    ControlId partner = kNoId;
    PairKind pair = PairKind::None;
    double toPartner = 0.0;
    double fromPartner = 0.0;
};

// Gives each box its format, limit, names and caption, pairs it, and clears it.
void SetUpBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes);
// Puts each box back to its cleared text.
void ClearBoxes(const CDialog& dialog, std::span<const BoxSpec> boxes);
// The pair the box is the first box of, if any.
CMeasurementPair* PairOf(const CNumEdit* box);
