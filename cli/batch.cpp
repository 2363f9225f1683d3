#include "cli/batch.h"

#include <csv.h>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class ColumnKind { Calculator, Quantity, Written, Other };

struct Column {
    std::string name;
    ColumnKind kind;
    std::string key, unit; // for a quantity
};

const std::vector<CliCalculator> kBatchCalculators = {CliCalculator::Length, CliCalculator::Weight};

class BatchRun {
public:
    BatchRun(std::ostream& out, std::ostream& err, const OutputOptions& options)
        : out_(out), err_(err), options_(options),
          figureColumns_(FigureColumns(kBatchCalculators, options.exact)),
          layouts_{FigureLayout(CliCalculator::Length, figureColumns_),
                   FigureLayout(CliCalculator::Weight, figureColumns_)} {}

    int Run(std::istream& in) {
        csv_parser parser;
        if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
            err_ << "batch: out of memory\n";
            return 2;
        }
        std::string line;
        while (exit_ != 2 && std::getline(in, line)) {
            ++lineNumber_;
            if (lineNumber_ == 1 && line.starts_with("\xEF\xBB\xBF")) {
                line.erase(0, 3); // the byte order mark spreadsheets write
            }
            if (recordEnded_ && line != "" && line != "\r") {
                recordStart_ = lineNumber_;
                recordEnded_ = false;
            }
            line += '\n';
            if (csv_parse(&parser, line.data(), line.size(), OnField, OnRecordEnd, this) !=
                    line.size() &&
                exit_ != 2) {
                Fatal(lineNumber_,
                      std::string("malformed CSV: ") + csv_strerror(csv_error(&parser)));
            }
        }
        if (exit_ != 2 && csv_fini(&parser, OnField, OnRecordEnd, this) != 0) {
            Fatal(recordStart_, std::string("malformed CSV: ") + csv_strerror(csv_error(&parser)));
        }
        csv_free(&parser);
        if (exit_ != 2 && columns_.empty()) {
            Fatal(1, "expected a header row naming the columns");
        }
        // JSON stays well formed even when unreadable CSV stops the run part way.
        if (options_.format == OutputFormat::Json && (wroteJsonOpen_ || exit_ != 2)) {
            out_ << (wroteJsonOpen_ ? "\n]\n" : "[]\n");
        }
        out_.flush();
        return exit_;
    }

private:
    static void OnField(void* text, std::size_t size, void* self) {
        auto* run = static_cast<BatchRun*>(self);
        run->fields_.emplace_back(static_cast<const char*>(text), size);
    }

    static void OnRecordEnd(int, void* self) {
        auto* run = static_cast<BatchRun*>(self);
        if (run->exit_ != 2) {
            if (run->columns_.empty()) {
                run->ReadHeader();
            } else {
                run->ReadRow();
            }
        }
        run->fields_.clear();
        run->recordEnded_ = true;
    }

    void Fatal(long long line, const std::string& message) {
        err_ << "line " << line << ": " << message << '\n';
        exit_ = 2;
    }

    void ReadHeader() {
        bool hasCalculator = false;
        for (const std::string& name : fields_) {
            Column c{name, ColumnKind::Other, {}, {}};
            const std::size_t underscore = name.find('_');
            std::string key = name.substr(0, underscore);
            std::string unit = underscore == std::string::npos ? "" : name.substr(underscore + 1);
            for (char& ch : unit) {
                ch = ch == '_' ? '/' : ch;
            }
            if (name == "calculator") {
                c.kind = ColumnKind::Calculator;
                hasCalculator = true;
            } else if (name.starts_with("out_") || name == "message") {
                c.kind = ColumnKind::Written; // a former run's output: worked out again
            } else if (DimensionOf(key)) {
                std::string error;
                if (!ParseEntry(CliCalculator::Weight, key == "density" ? "density" : key,
                                "1" + unit, error) &&
                    !ParseEntry(CliCalculator::Length, key, "1" + unit, error)) {
                    Fatal(recordStart_, "column \"" + name + "\": " + error);
                    return;
                }
                c.kind = ColumnKind::Quantity;
                c.key = key;
                c.unit = unit;
            } else if (IsUnit(unit)) {
                Fatal(recordStart_, "column \"" + name +
                                        "\": unknown quantity; expected length, core, "
                                        "diameter, thickness, width, weight, density or sg");
                return;
            }
            columns_.push_back(c);
        }
        if (!hasCalculator) {
            Fatal(recordStart_, "expected a \"calculator\" column saying length or weight");
            return;
        }
        std::vector<std::string> header;
        for (const Column& c : columns_) {
            if (c.kind != ColumnKind::Written) {
                header.push_back(c.name);
            }
        }
        for (const std::string& f : figureColumns_) {
            header.push_back("out_" + f);
        }
        header.push_back("out_solved");
        header.push_back("message");
        if (options_.format == OutputFormat::Csv) {
            WriteCsvRecord(out_, header);
        }
    }

    // Why the row cannot be solved, or empty; fills `entries` and `calculator`.
    std::string ReadEntries(CliCalculator& calculator, std::vector<Entry>& entries) {
        if (fields_.size() != columns_.size()) {
            return std::to_string(fields_.size()) + " fields where the header has " +
                   std::to_string(columns_.size());
        }
        std::optional<CliCalculator> named;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (columns_[i].kind == ColumnKind::Calculator) {
                named = CalculatorNamed(fields_[i]);
                if (!named) {
                    return "calculator: expected length or weight, got \"" + fields_[i] + "\"";
                }
            }
        }
        calculator = *named;
        std::vector<std::string> given(QuantitiesOf(calculator).size());
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Column& c = columns_[i];
            if (c.kind != ColumnKind::Quantity || fields_[i].empty()) {
                continue;
            }
            std::string error;
            const std::optional<Entry> entry =
                ParseCell(calculator, c.key, c.unit, fields_[i], error);
            if (!entry) {
                return c.name + ": " + error;
            }
            const auto index =
                static_cast<std::size_t>(entry->quantity - QuantitiesOf(calculator).data());
            if (!given[index].empty()) {
                return given[index] + " and " + c.name + " both give the " + entry->quantity->label;
            }
            given[index] = c.name;
            entries.push_back(*entry);
        }
        return {};
    }

    void ReadRow() {
        CliCalculator calculator = CliCalculator::Length;
        std::vector<Entry> entries;
        std::string message = ReadEntries(calculator, entries);
        fields_.resize(columns_.size());
        Solution solution{calculator, {}, {}, ""};
        if (message.empty()) {
            solution = Solve(calculator, entries);
            message = solution.message;
        }
        if (!message.empty()) {
            err_ << "line " << recordStart_ << ": " << message << '\n';
            exit_ = 1;
        }
        switch (options_.format) {
        case OutputFormat::Csv: {
            std::vector<std::string> record = KeptFields();
            // A refused row carries its message and no figures.
            std::vector<std::string> cells = message.empty()
                                                 ? LayoutOf(calculator).Cells(solution)
                                                 : std::vector<std::string>(figureColumns_.size());
            record.insert(record.end(), cells.begin(), cells.end());
            record.emplace_back(solution.solved);
            record.push_back(message);
            WriteCsvRecord(out_, record);
            break;
        }
        case OutputFormat::Json: {
            nlohmann::ordered_json input = nlohmann::ordered_json::object();
            for (std::size_t i = 0; i < columns_.size(); ++i) {
                if (columns_[i].kind != ColumnKind::Written) {
                    input[columns_[i].name] = fields_[i];
                }
            }
            nlohmann::ordered_json row{{"line", recordStart_}, {"input", input}};
            if (message.empty()) {
                row["result"] = SolutionJson(solution, options_.exact);
            } else {
                row["message"] = message;
            }
            out_ << (wroteJsonOpen_ ? ",\n" : "[\n") << row.dump();
            wroteJsonOpen_ = true;
            break;
        }
        case OutputFormat::Text:
            out_ << "line " << recordStart_ << ":\n";
            if (message.empty()) {
                WriteSolutionText(out_, solution, options_.exact);
            } else {
                out_ << message << '\n';
            }
            out_ << '\n';
            break;
        }
    }

    const FigureLayout& LayoutOf(CliCalculator calculator) const {
        return layouts_[calculator == CliCalculator::Length ? 0 : 1];
    }

    std::vector<std::string> KeptFields() const {
        std::vector<std::string> kept;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (columns_[i].kind != ColumnKind::Written) {
                kept.push_back(fields_[i]);
            }
        }
        return kept;
    }

    std::ostream& out_;
    std::ostream& err_;
    OutputOptions options_;
    std::vector<std::string> figureColumns_;
    FigureLayout layouts_[2]; // length, weight
    std::vector<Column> columns_;
    std::vector<std::string> fields_;
    long long lineNumber_ = 0;
    long long recordStart_ = 1;
    bool recordEnded_ = true;
    bool wroteJsonOpen_ = false;
    int exit_ = 0;
};

} // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputOptions& options) {
    return BatchRun(out, err, options).Run(in);
}
