// The knife list under arbitrary operation sequences: numbering, row counts, cells and refusals.
#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"
#include "slitter/slit_list.h"

namespace {

// Enough rows to reach four-digit knife numbers while a run stays fast.
constexpr std::size_t kMaxRows = 5000;

const auto Cell = [](double v) { return FormatNumber("%4.4f", v); };
// The text of a non-finite value ("inf", "-inf", "nan") does not read back as the number it shows.
const auto Finite = [](const std::string& cell) { return cell.find('n') == cell.npos; };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSlitList list;
    bool linked = true; // every width since the list was last empty had mm = inches x 25.4
    int operations = 0; // that added rows since then
    return FuzzInput::Cases(data, size, [&](FuzzInput& in) {
        if (list.RowCount() == 0 || list.RowCount() > kMaxRows) {
            list.Clear();
            linked = true;
            operations = 0;
        }
        const std::size_t before = list.RowCount();
        const KnifeRow last = before > 0 ? list.Row(before - 1) : KnifeRow{};
        // The next operation carries on from the last distances as shown ("" reads as 0).
        const double startInches = ReadNumber(last.cells[3]), startMm = ReadNumber(last.cells[4]);

        const std::uint8_t op = in.TakeByte() % 4;
        if (op == 3) {
            list.Clear();
            Check(list.RowCount() == 0, "Clear left rows");
            return;
        }
        const int count = op == 0 ? in.TakeInt(-5, 120) : 1;
        const double w = in.TakeDouble();
        const bool link = in.TakeByte() < 0x80;
        const double m = link ? w * kMmPerInch : in.TakeDouble();
        const std::string message = SlitListMessage(op == 0   ? list.AddEqualSlits(count, w, m)
                                                    : op == 1 ? list.AddSlit(w, m)
                                                              : list.AddIncrement(w, m));
        const char* refusal = count <= 0   ? "You must enter the number of knives."
                              : !(w > 0.0) ? "You must enter a slit width."
                                           : "";
        Check(message == refusal, "wrong refusal", [&] { return Show(message, op, count, w); });

        const bool added = message.empty();
        // Rows ahead of the new slits: an increment's reference row "0", or an empty list's first.
        const std::size_t opening = added && (op == 2 || before == 0) ? 1 : 0;
        const std::size_t after = list.RowCount();
        Check(after == before + opening + (added ? count : 0), "wrong row count",
              [&] { return Show(op, before, after); });
        Check(before == 0 || list.Row(before - 1).cells == last.cells, "an existing row changed");
        linked = linked && (!added || link);
        operations += added ? 1 : 0;
        bool shownNonFinite = false;
        // New slits sit at the running distance plus 1, 2, ... widths, summed by repeated addition.
        double sumInches = w, sumMm = m;
        for (std::size_t row = before; row < after; ++row) {
            const auto& cells = list.Row(row).cells;
            auto where = [&] {
                return Show(row, cells[0], cells[1], cells[2], cells[3], cells[4], w, m,
                            startInches, startMm);
            };
            if (row < before + opening) {
                const KnifeRow want{{op == 2 ? "0" : "1", "0.0000", "0.0000", "0.0000", "0.0000"}};
                Check(cells == want.cells, "wrong opening row", where);
            } else {
                const KnifeRow want{{std::to_string(std::stoll(list.Row(row - 1).cells[0]) + 1),
                                     Cell(w), Cell(m), Cell(startInches + sumInches),
                                     Cell(startMm + sumMm)}};
                Check(cells == want.cells, "wrong knife number, width or distance", where);
                sumInches = sumInches + w;
                sumMm = sumMm + m;
            }
            for (std::size_t c = 1; c < 5; ++c) {
                Check(!Finite(cells[c]) || Cell(ReadNumber(cells[c])) == cells[c],
                      "a cell does not read back as the number it shows", where);
            }
            // Linked widths keep the columns at one length, within the four decimals each cell is
            // rounded to once for every operation, since each carries on from the shown distances.
            for (std::size_t c : {1, 3}) {
                const double inches = ReadNumber(cells[c]), mm = ReadNumber(cells[c + 1]);
                const double slack =
                    0.00005 * (1 + kMmPerInch) * operations + 1e-12 * std::fabs(mm);
                Check(!linked || !Finite(cells[c]) || !Finite(cells[c + 1]) ||
                          std::fabs(inches) > 1e9 || std::fabs(mm - inches * kMmPerInch) <= slack,
                      "inch and mm columns disagree for linked widths", where);
            }
            // A distance shown as inf or nan reads back as 0, as it always has: the columns part.
            shownNonFinite = shownNonFinite || !Finite(cells[3]) || !Finite(cells[4]);
        }
        linked = linked && !shownNonFinite;
    });
}
