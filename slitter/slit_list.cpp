#include "slitter/slit_list.h"

#include <string_view>

#include "numbers/number_text.h"

namespace {

constexpr const char* kCellFormat = "%4.4f";
constexpr const char* kZeroCell = "0.0000";

// The knife number as read from a cell: at most 14 characters, optional sign and digits.
long long ReadKnifeNumber(std::string_view cell) {
    cell = cell.substr(0, 14);
    std::size_t i = 0;
    while (i < cell.size() && (cell[i] == ' ' || (cell[i] >= '\t' && cell[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < cell.size() && (cell[i] == '+' || cell[i] == '-')) {
        negative = cell[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < cell.size() && cell[i] >= '0' && cell[i] <= '9'; ++i) {
        n = n * 10 + (cell[i] - '0');
    }
    return negative ? -n : n;
}

} // namespace

const char* SlitListMessage(SlitListOutcome outcome) {
    switch (outcome) {
    case SlitListOutcome::NumberOfKnivesMissing:
        return "You must enter the number of knives.";
    case SlitListOutcome::SlitWidthMissing:
        return "You must enter a slit width.";
    case SlitListOutcome::IncrementFirst:
        return "Add the setup increment first with Add Slit, or clear Add Setup Increment.";
    case SlitListOutcome::Added:
        break;
    }
    return "";
}

void CSlitList::ReadRunningDistance(double& inches, double& mm) const {
    inches = 0.0;
    mm = 0.0;
    if (!rows_.empty()) {
        mm = ReadNumber(rows_.back().cells[4]);
        inches = ReadNumber(rows_.back().cells[3]);
    }
}

long long CSlitList::NextKnifeNumber() const {
    return rows_.empty() ? 1 : ReadKnifeNumber(rows_.back().cells[0]) + 1;
}

void CSlitList::AppendOpeningRow(long long knife) {
    rows_.push_back(KnifeRow{
        {FormatText("%d", {FormatArg{knife}}), kZeroCell, kZeroCell, kZeroCell, kZeroCell}});
}

void CSlitList::AppendRow(double widthInches, double widthMm, double distanceInches,
                          double distanceMm) {
    const long long knife = NextKnifeNumber();
    rows_.push_back(
        KnifeRow{{FormatText("%d", {FormatArg{knife}}), FormatNumber(kCellFormat, widthInches),
                  FormatNumber(kCellFormat, widthMm), FormatNumber(kCellFormat, distanceInches),
                  FormatNumber(kCellFormat, distanceMm)}});
}

SlitListOutcome CSlitList::AddEqualSlits(int count, double widthInches, double widthMm) {
    // Checked before anything is appended: a refusal leaves the list as it was.
    if (count <= 0) {
        return SlitListOutcome::NumberOfKnivesMissing;
    }
    if (!(widthInches > 0.0)) {
        return SlitListOutcome::SlitWidthMissing;
    }
    double distanceInches = 0.0;
    double distanceMm = 0.0;
    if (!rows_.empty()) {
        ReadRunningDistance(distanceInches, distanceMm);
    } else {
        AppendOpeningRow(1);
    }
    // Running sums by repeated addition, unrounded within the call.
    double sumInches = widthInches;
    double sumMm = widthMm;
    for (int k = 0; k < count; ++k) {
        AppendRow(widthInches, widthMm, distanceInches + sumInches, distanceMm + sumMm);
        sumMm = sumMm + widthMm;
        sumInches = sumInches + widthInches;
    }
    return SlitListOutcome::Added;
}

SlitListOutcome CSlitList::AddSlit(double widthInches, double widthMm) {
    if (!(widthInches > 0.0)) {
        return SlitListOutcome::SlitWidthMissing;
    }
    double distanceInches = 0.0;
    double distanceMm = 0.0;
    ReadRunningDistance(distanceInches, distanceMm);
    if (rows_.empty()) {
        AppendOpeningRow(1);
    }
    AppendRow(widthInches, widthMm, distanceInches + widthInches, distanceMm + widthMm);
    return SlitListOutcome::Added;
}

SlitListOutcome CSlitList::AddIncrement(double widthInches, double widthMm) {
    if (!(widthInches > 0.0)) {
        return SlitListOutcome::SlitWidthMissing;
    }
    double distanceInches = 0.0;
    double distanceMm = 0.0;
    ReadRunningDistance(distanceInches, distanceMm);
    // The reference row "0": the increment's own row becomes knife 1.
    AppendOpeningRow(0);
    AppendRow(widthInches, widthMm, distanceInches + widthInches, distanceMm + widthMm);
    return SlitListOutcome::Added;
}

void CSlitList::Clear() {
    rows_.clear();
}
