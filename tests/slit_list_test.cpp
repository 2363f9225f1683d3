#include "slitter/slit_list.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Said(SlitListOutcome outcome) {
    return SlitListMessage(outcome);
}

Rows Cells(const CSlitList& list) {
    Rows rows;
    for (std::size_t i = 0; i < list.RowCount(); ++i) {
        const KnifeRow& r = list.Row(i);
        rows.push_back({r.cells.begin(), r.cells.end()});
    }
    return rows;
}

TEST(SlitList, EqualSlitsThenOneSlit) {
    CSlitList list;
    EXPECT_EQ(Said(list.AddEqualSlits(3, 2.5, 63.5)), "");
    EXPECT_EQ(Said(list.AddSlit(1, 25.4)), "");
    EXPECT_EQ(Cells(list), (Rows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                 {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                                 {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                                 {"4", "2.5000", "63.5000", "7.5000", "190.5000"},
                                 {"5", "1.0000", "25.4000", "8.5000", "215.9000"}}));
}

TEST(SlitList, IncrementThenEqualSlits) {
    CSlitList list;
    EXPECT_EQ(Said(list.AddIncrement(0.75, 19.05)), "");
    EXPECT_EQ(Said(list.AddEqualSlits(2, 3, 76.2)), "");
    EXPECT_EQ(Cells(list), (Rows{{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
                                 {"1", "0.7500", "19.0500", "0.7500", "19.0500"},
                                 {"2", "3.0000", "76.2000", "3.7500", "95.2500"},
                                 {"3", "3.0000", "76.2000", "6.7500", "171.4500"}}));
}

TEST(SlitList, ContinuesFromTheShownDistance) {
    CSlitList one;
    one.AddEqualSlits(3, 0.33333333, 8.4666666);
    EXPECT_EQ(one.Row(1).cells[3], "0.3333");
    EXPECT_EQ(one.Row(2).cells[3], "0.6667");
    EXPECT_EQ(one.Row(3).cells[3], "1.0000");
    CSlitList three;
    for (int i = 0; i < 3; ++i) {
        three.AddSlit(0.33333333, 8.4666666);
    }
    EXPECT_EQ(three.Row(1).cells[3], "0.3333");
    EXPECT_EQ(three.Row(2).cells[3], "0.6666");
    EXPECT_EQ(three.Row(3).cells[3], "0.9999");
}

TEST(SlitList, RefusalsOnAnEmptyList) {
    CSlitList list;
    EXPECT_EQ(Said(list.AddEqualSlits(0, 0, 0)), "You must enter the number of knives.");
    EXPECT_EQ(Said(list.AddEqualSlits(-1, -2, 0)), "You must enter the number of knives.");
    EXPECT_EQ(Said(list.AddEqualSlits(3, 0, 10)), "You must enter a slit width.");
    EXPECT_EQ(Said(list.AddSlit(0, 10)), "You must enter a slit width.");
    EXPECT_EQ(Said(list.AddSlit(-1, 10)), "You must enter a slit width.");
    EXPECT_EQ(Said(list.AddIncrement(0, 10)), "You must enter a slit width.");
    // A width with no count adds nothing either, so a following increment opens the list.
    EXPECT_EQ(Said(list.AddEqualSlits(0, 2, 50.8)), "You must enter the number of knives.");
    EXPECT_EQ(list.RowCount(), 0u);
    EXPECT_EQ(Said(list.AddIncrement(0.5, 12.7)), "");
    EXPECT_EQ(Cells(list), (Rows{{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
                                 {"1", "0.5000", "12.7000", "0.5000", "12.7000"}}));
}

TEST(SlitList, SlitAndIncrementRowCounts) {
    CSlitList list;
    EXPECT_EQ(Said(list.AddSlit(1e-9, -5)), "");
    EXPECT_EQ(list.RowCount(), 2u);
    EXPECT_EQ(list.Row(1).cells[2], "-5.0000");
    EXPECT_EQ(Said(list.AddSlit(1, 0)), "");
    EXPECT_EQ(list.RowCount(), 3u);
    EXPECT_EQ(Said(list.AddEqualSlits(4, 1, 25.4)), "");
    EXPECT_EQ(list.RowCount(), 7u);
    EXPECT_EQ(list.Row(6).cells[0], "7");
    list.Clear();
    EXPECT_EQ(list.RowCount(), 0u);
    EXPECT_EQ(Said(list.AddEqualSlits(5, 1, 25.4)), "");
    EXPECT_EQ(list.RowCount(), 6u);
}

} // namespace
