// The knife list under arbitrary operation sequences: numbering, row counts, cells and refusals.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"
#include "slitter/slit_list.h"

namespace {

// Enough rows to reach four-digit knife numbers while a run stays fast.
constexpr std::size_t kMaxRows = 5000;

const std::string kKnivesMessage = "You must enter the number of knives.";
const std::string kWidthMessage = "You must enter a slit width.";

// A knife number cell: a decimal integer and nothing else.
long long KnifeNumber(const CSlitList& list, std::size_t row) {
    const std::string& cell = list.Row(row).cells[0];
    long long n = 0;
    const auto res = std::from_chars(cell.data(), cell.data() + cell.size(), n);
    Check(res.ec == std::errc() && res.ptr == cell.data() + cell.size() && !cell.empty() &&
              cell[0] != '+',
          "knife number is not an integer",
          [&] { return Quote(cell) + " in row " + std::to_string(row); });
    return n;
}

// A number cell shows a finite number with four decimals that reads back as itself, or the text
// of a non-finite value.
bool IsFiniteCell(const std::string& cell) {
    return cell != "inf" && cell != "-inf" && cell != "nan";
}

void CheckNumberCell(const std::string& cell, std::size_t row) {
    if (!IsFiniteCell(cell)) {
        return;
    }
    const std::string again = FormatNumber("%4.4f", ReadNumber(cell));
    Check(again == cell, "a cell does not read back as the number it shows", [&] {
        return Quote(cell) + " in row " + std::to_string(row) + " reads back as " + Quote(again);
    });
}

bool IsOpeningRow(const KnifeRow& row, const char* knife) {
    return row.cells[0] == knife && row.cells[1] == "0.0000" && row.cells[2] == "0.0000" &&
           row.cells[3] == "0.0000" && row.cells[4] == "0.0000";
}

// Running distance as the next operation must take it: the last row's distance cells as shown.
void Distance(const CSlitList& list, std::size_t rows, double& inches, double& mm) {
    inches = rows == 0 ? 0.0 : ReadNumber(list.Row(rows - 1).cells[3]);
    mm = rows == 0 ? 0.0 : ReadNumber(list.Row(rows - 1).cells[4]);
}

// Rows [from, from + count) carry width (w, m) at the running distance plus 1, 2, ... widths,
// summed by repeated addition.
void CheckSlitRows(const CSlitList& list, std::size_t from, int count, double w, double m,
                   double startInches, double startMm) {
    double sumInches = w;
    double sumMm = m;
    for (int k = 0; k < count; ++k) {
        const KnifeRow& row = list.Row(from + static_cast<std::size_t>(k));
        auto where = [&] {
            return "row " + std::to_string(from + static_cast<std::size_t>(k)) + " width " +
                   Describe(w) + " / " + Describe(m) + " from " + Describe(startInches) + " / " +
                   Describe(startMm);
        };
        Check(row.cells[1] == FormatNumber("%4.4f", w), "wrong inch width cell",
              [&] { return where() + ": " + Quote(row.cells[1]); });
        Check(row.cells[2] == FormatNumber("%4.4f", m), "wrong mm width cell",
              [&] { return where() + ": " + Quote(row.cells[2]); });
        Check(row.cells[3] == FormatNumber("%4.4f", startInches + sumInches),
              "wrong inch distance cell", [&] { return where() + ": " + Quote(row.cells[3]); });
        Check(row.cells[4] == FormatNumber("%4.4f", startMm + sumMm), "wrong mm distance cell",
              [&] { return where() + ": " + Quote(row.cells[4]); });
        sumInches = sumInches + w;
        sumMm = sumMm + m;
    }
}

// Where every width was entered as the same length in both units, the two columns show one
// length: within the four decimals each cell is rounded to, once for every operation, since each
// one carries on from the distances as shown.
void CheckColumnsAgree(const CSlitList& list, std::size_t from, std::size_t to, int operations) {
    for (std::size_t row = from; row < to; ++row) {
        const auto& cells = list.Row(row).cells;
        for (std::size_t c : {1, 3}) {
            // The text of a non-finite value does not read back as a number.
            if (!IsFiniteCell(cells[c]) || !IsFiniteCell(cells[c + 1])) {
                continue;
            }
            const double inches = ReadNumber(cells[c]);
            const double mm = ReadNumber(cells[c + 1]);
            if (std::fabs(inches) > 1e9) {
                continue;
            }
            const double slack = 0.00005 * (1 + kMmPerInch) * operations + 1e-12 * std::fabs(mm);
            Check(std::fabs(mm - inches * kMmPerInch) <= slack,
                  "inch and mm columns disagree for linked widths", [&] {
                      return "row " + std::to_string(row) + ": " + Quote(cells[c]) + " in, " +
                             Quote(cells[c + 1]) + " mm";
                  });
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CSlitList list;
    bool linked = true; // every width since the list was last empty had mm = inches x 25.4
    int operations = 0; // that added rows since then
    while (!in.Empty()) {
        if (list.RowCount() > kMaxRows) {
            list.Clear();
            Check(list.RowCount() == 0, "Clear left rows");
        }
        if (list.RowCount() == 0) {
            linked = true;
            operations = 0;
        }
        const std::size_t before = list.RowCount();
        const KnifeRow last = before > 0 ? list.Row(before - 1) : KnifeRow{};
        double startInches = 0.0;
        double startMm = 0.0;
        Distance(list, before, startInches, startMm);

        const std::uint8_t op = in.TakeByte() % 4;
        if (op == 3) {
            list.Clear();
            Check(list.RowCount() == 0, "Clear left rows");
            continue;
        }
        const int count = op == 0 ? in.TakeInt(-5, 120) : 1;
        const double w = in.TakeDouble();
        const std::uint8_t link = in.TakeByte();
        const double m = link < 0x80 ? w * kMmPerInch : in.TakeDouble();
        const bool widthGiven = w > 0.0;

        std::string message;
        std::size_t opening = 0; // rows without a slit in front of the new slit rows
        const char* openingKnife = "1";
        int slits = 0;
        if (op == 0) {
            message = SlitListMessage(list.AddEqualSlits(count, w, m));
            if (count <= 0) {
                Check(message == kKnivesMessage, "equal slits: count refusal",
                      [&] { return Quote(message); });
            } else if (!widthGiven) {
                Check(message == kWidthMessage, "equal slits: width refusal",
                      [&] { return Quote(message); });
            } else {
                Check(message.empty(), "equal slits refused", [&] { return Quote(message); });
                slits = count;
                opening = before == 0 ? 1 : 0;
            }
        } else {
            message = SlitListMessage(op == 1 ? list.AddSlit(w, m) : list.AddIncrement(w, m));
            if (!widthGiven) {
                Check(message == kWidthMessage, "slit or increment: width refusal",
                      [&] { return Quote(message); });
            } else {
                Check(message.empty(), "slit or increment refused", [&] { return Quote(message); });
                slits = 1;
                if (op == 2) {
                    opening = 1;
                    openingKnife = "0";
                } else {
                    opening = before == 0 ? 1 : 0;
                }
            }
        }

        const std::size_t after = list.RowCount();
        Check(after == before + opening + static_cast<std::size_t>(slits), "wrong row count", [&] {
            return std::to_string(before) + " -> " + std::to_string(after) + " after op " +
                   std::to_string(op);
        });
        if (before > 0) {
            Check(list.Row(before - 1).cells == last.cells, "an existing row changed");
        }
        if (opening == 1) {
            Check(IsOpeningRow(list.Row(before), openingKnife), "wrong opening row",
                  [&] { return Quote(list.Row(before).cells[0]); });
        }
        for (std::size_t row = before + opening; row < after; ++row) {
            const long long previous = row == 0 ? 0 : KnifeNumber(list, row - 1);
            Check(KnifeNumber(list, row) == previous + 1, "knife numbering does not continue",
                  [&] { return "row " + std::to_string(row); });
        }
        for (std::size_t row = before; row < after; ++row) {
            (void)KnifeNumber(list, row);
            for (std::size_t c = 1; c < 5; ++c) {
                CheckNumberCell(list.Row(row).cells[c], row);
            }
        }
        CheckSlitRows(list, before + opening, slits, w, m, startInches, startMm);
        linked = linked && (after == before || link < 0x80);
        operations += after == before ? 0 : 1;
        if (linked) {
            CheckColumnsAgree(list, before, after, operations);
        }
        // A distance shown as a non-finite text reads back as 0 in one column only, as the list
        // always has; from there on the columns measure from different places.
        for (std::size_t row = before; row < after; ++row) {
            linked = linked && IsFiniteCell(list.Row(row).cells[3]) &&
                     IsFiniteCell(list.Row(row).cells[4]);
        }
    }
    return 0;
}
