// A print surface that draws nothing and writes down every call, for checking reports to the pixel.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/print_surface.h"

struct PrintCall {
    enum Kind {
        CreateFont,
        SelectFont,
        DeleteFont,
        GetTextMetrics,
        StartDoc,
        StartPage,
        EndPage,
        EndDoc,
        Text,
        MoveTo,
        LineTo,
        Destroyed,
    };
    Kind kind = Destroyed;
    int x = 0;
    int y = 0;
    std::string text; // drawn text or document name
    // The font created, selected or deleted; for a text, the one selected.
    PrintSurface::FontHandle font = 0;
    PrintFontSpec fontSpec; // of a created font; for text, of the selected font
    int page = 0;           // pages started so far
};

struct DrawnText {
    int x;
    int y;
    std::string text;
    int weight; // of the font selected when drawn; 0 for the surface's own font
    int page;
    bool operator==(const DrawnText&) const = default;
};

inline void PrintTo(const DrawnText& t, std::ostream* os) {
    *os << "{" << t.x << ", " << t.y << ", \"" << t.text << "\", " << t.weight << ", page "
        << t.page << "}";
}

struct DrawnLine {
    int x1;
    int y1;
    int x2;
    int y2;
    int page;
    bool operator==(const DrawnLine&) const = default;
};

inline void PrintTo(const DrawnLine& l, std::ostream* os) {
    *os << "{(" << l.x1 << ", " << l.y1 << ") to (" << l.x2 << ", " << l.y2 << "), page " << l.page
        << "}";
}

// Outlives the surface, so that a test can read it after the run has released everything.
struct PrintLog {
    std::vector<PrintCall> calls;

    std::vector<DrawnText> Texts() const {
        std::vector<DrawnText> out;
        for (const PrintCall& c : calls) {
            if (c.kind == PrintCall::Text) {
                out.push_back({c.x, c.y, c.text, c.fontSpec.weight, c.page});
            }
        }
        return out;
    }
    std::vector<DrawnText> TextsOnPage(int page) const {
        std::vector<DrawnText> out;
        for (const DrawnText& t : Texts()) {
            if (t.page == page) {
                out.push_back(t);
            }
        }
        return out;
    }
    std::vector<DrawnLine> Lines() const {
        std::vector<DrawnLine> out;
        int x = 0;
        int y = 0;
        for (const PrintCall& c : calls) {
            if (c.kind == PrintCall::MoveTo) {
                x = c.x;
                y = c.y;
            } else if (c.kind == PrintCall::LineTo) {
                out.push_back({x, y, c.x, c.y, c.page});
                x = c.x;
                y = c.y;
            }
        }
        return out;
    }
    std::vector<PrintCall> Of(PrintCall::Kind kind) const {
        std::vector<PrintCall> out;
        for (const PrintCall& c : calls) {
            if (c.kind == kind) {
                out.push_back(c);
            }
        }
        return out;
    }
    std::size_t Count(PrintCall::Kind kind) const { return Of(kind).size(); }
};

struct SurfaceSetup {
    int width = 4800;
    int pixelsPerInchY = 300;
    PrintTextMetrics normalMetrics{90, 6, 36}; // h = 96, a = 36
    PrintTextMetrics boldMetrics{92, 8, 41};   // differs, so that measures taken wrongly show
    PrintTextMetrics ownMetrics{50, 0, 20};    // of the surface's own font
    PrintSurface::FontHandle ownFont = 0;      // selected before the report selects anything
};

class RecordingPrintSurface : public PrintSurface {
public:
    RecordingPrintSurface(SurfaceSetup setup, std::shared_ptr<PrintLog> log)
        : setup_(std::move(setup)), log_(std::move(log)), selected_(setup_.ownFont) {}
    ~RecordingPrintSurface() override { Record(PrintCall::Destroyed); }

    int PixelsPerInchY() const override { return setup_.pixelsPerInchY; }
    int PrintableWidth() const override { return setup_.width; }

    FontHandle CreateFont(const PrintFontSpec& fontSpec) override {
        fonts_.push_back(fontSpec);
        const FontHandle handle = static_cast<FontHandle>(kFirstHandle + fonts_.size() - 1);
        Record(PrintCall::CreateFont, 0, 0, {}, handle, fontSpec);
        return handle;
    }
    FontHandle SelectFont(FontHandle font) override {
        Record(PrintCall::SelectFont, 0, 0, {}, font);
        return std::exchange(selected_, font);
    }
    void DeleteFont(FontHandle font) override { Record(PrintCall::DeleteFont, 0, 0, {}, font); }
    PrintTextMetrics GetTextMetrics() const override {
        Record(PrintCall::GetTextMetrics);
        const int weight = SelectedFontSpec().weight;
        return weight == 700 ? setup_.boldMetrics
                             : (weight == 400 ? setup_.normalMetrics : setup_.ownMetrics);
    }

    bool StartDoc(std::string_view documentName) override {
        Record(PrintCall::StartDoc, 0, 0, documentName);
        return true;
    }
    bool StartPage() override {
        ++page_;
        Record(PrintCall::StartPage);
        return true;
    }
    bool EndPage() override {
        Record(PrintCall::EndPage);
        return true;
    }
    bool EndDoc() override {
        Record(PrintCall::EndDoc);
        return true;
    }

    void TextOut(int x, int y, std::string_view text) override {
        Record(PrintCall::Text, x, y, text, selected_, SelectedFontSpec());
    }
    void MoveTo(int x, int y) override { Record(PrintCall::MoveTo, x, y); }
    void LineTo(int x, int y) override { Record(PrintCall::LineTo, x, y); }

private:
    static constexpr FontHandle kFirstHandle = 101;

    // Const so that the const queries are recorded too; the log is not part of the surface.
    void Record(PrintCall::Kind kind, int x = 0, int y = 0, std::string_view text = {},
                FontHandle font = 0, const PrintFontSpec& fontSpec = {}) const {
        log_->calls.push_back({kind, x, y, std::string(text), font, fontSpec, page_});
    }
    PrintFontSpec SelectedFontSpec() const {
        const int index = selected_ - kFirstHandle;
        if (index >= 0 && index < static_cast<int>(fonts_.size())) {
            return fonts_[static_cast<std::size_t>(index)];
        }
        return PrintFontSpec{"", 0, 0};
    }

    SurfaceSetup setup_;
    std::shared_ptr<PrintLog> log_;
    std::vector<PrintFontSpec> fonts_;
    FontHandle selected_;
    int page_ = 0;
};

// A printer source that hands out recording surfaces writing to one log.
struct RecordingPrinter {
    SurfaceSetup setup;
    std::shared_ptr<PrintLog> log = std::make_shared<PrintLog>();

    PrintSurfaceSource Source() const {
        return [setup = setup, log = log]() -> std::unique_ptr<PrintSurface> {
            return std::make_unique<RecordingPrintSurface>(setup, log);
        };
    }
};

inline PrintSurfaceSource NoPrinter() {
    return []() -> std::unique_ptr<PrintSurface> { return nullptr; };
}
