// The knife list: slit widths in, knife positions out, as the texts the list shows.
// There is no numeric copy: running distance and knife number are read back from the last row,
// so a later operation continues from the distance as shown (four decimals).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

struct KnifeRow {
    // Knife #, Width (Inches), Width (mm), Distance (Inches), Distance (mm).
    std::array<std::string, 5> cells;
};

// IncrementFirst is the window's refusal of equal slits while a ticked setup increment still has
// to open the list; the list itself never gives it.
enum class SlitListOutcome { Added, NumberOfKnivesMissing, SlitWidthMissing, IncrementFirst };

// The message a refusal shows; empty for Added.
const char* SlitListMessage(SlitListOutcome outcome);

class CSlitList {
public:
    // A refused operation leaves the list as it was.
    SlitListOutcome AddEqualSlits(int count, double widthInches, double widthMm);
    SlitListOutcome AddSlit(double widthInches, double widthMm);
    SlitListOutcome AddIncrement(double widthInches, double widthMm);
    void Clear();

    std::size_t RowCount() const { return rows_.size(); }
    const KnifeRow& Row(std::size_t index) const { return rows_[index]; }
    const std::vector<KnifeRow>& Rows() const { return rows_; }

private:
    void ReadRunningDistance(double& inches, double& mm) const;
    long long NextKnifeNumber() const;
    void AppendOpeningRow(long long knife);
    void AppendRow(double widthInches, double widthMm, double distanceInches, double distanceMm);

    std::vector<KnifeRow> rows_;
};
