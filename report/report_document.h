// A report as a value: its pages of placed texts and rules, in printer pixels, made from the
// page measures alone. Painting it is the printer's business.
#pragma once

#include <string>
#include <vector>

// What the layout needs of the device: every position is a multiple of these.
struct PageMeasures {
    int width = 0;        // W, the printable width
    int lineHeight = 0;   // h, the normal font's cell height plus its leading
    int aveCharWidth = 0; // a, the normal font's average character width
};

// A text with the top-left corner of its first character cell at (x, y).
struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text;
    bool bold = false;
    bool operator==(const PlacedText&) const = default;
};

// A one-pixel horizontal line from x1 up to, not including, x2.
struct Rule {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    bool operator==(const Rule&) const = default;
};

struct ReportPage {
    std::vector<PlacedText> texts; // in drawing order
    std::vector<Rule> rules;
    bool operator==(const ReportPage&) const = default;
};

struct ReportDocument {
    std::string name; // the spooler's name, and the name a saved copy is offered under
    std::vector<ReportPage> pages;
    bool operator==(const ReportDocument&) const = default;
};
