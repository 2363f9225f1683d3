// rollcalc-cli as a user runs it: the installed program's binary as a child process, with its
// arguments, standard input, output, error and exit code.
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "worked_examples.h"

extern char** environ;

namespace {

struct Outcome {
    int code = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Outcome RunCli(const std::vector<std::string>& args, const std::string& input = "") {
    // Named by the process: ctest runs the cases of this file side by side.
    const std::string base = ::testing::TempDir() + "cli_" + std::to_string(getpid());
    const std::string in = base + "_in", out = base + "_out", err = base + "_err";
    std::ofstream(in, std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv = {const_cast<char*>(ROLLCALC_CLI_PATH)};
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    Outcome run;
    if (posix_spawn(&pid, ROLLCALC_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    for (const std::string& file : {in, out, err}) {
        std::remove(file.c_str());
    }
    return run;
}

// A box's column ("core_mm", "density_lb_ft3") as an argument: "--core" "76.2mm".
void AddArgument(std::vector<std::string>& args, const BoxText& typed) {
    std::string box = typed.box;
    const std::size_t underscore = box.find('_');
    std::string unit = underscore == std::string::npos ? "" : box.substr(underscore + 1);
    for (char& c : unit) {
        c = c == '_' ? '/' : c;
    }
    args.push_back("--" + box.substr(0, underscore));
    args.push_back(typed.text + unit);
}

class CliWorkedExample : public ::testing::TestWithParam<WorkedExample> {};

// The texts the windows show for the same values (their own tests read the same table).
TEST_P(CliWorkedExample, ShowsTheWindowsTexts) {
    const WorkedExample& example = GetParam();
    std::vector<std::string> args = {example.calculator, "--format", "json"};
    for (const BoxText& typed : example.typed) {
        AddArgument(args, typed);
    }
    const Outcome run = RunCli(args);
    if (example.refusal != nullptr) {
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, std::string(example.refusal) + "\n");
        EXPECT_EQ(run.out, "");
        return;
    }
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json result = nlohmann::json::parse(run.out);
    for (const BoxText& shown : example.shown) {
        EXPECT_EQ(result.value(shown.box, "(none)"), shown.text) << shown.box;
    }
}

INSTANTIATE_TEST_SUITE_P(Worked, CliWorkedExample, ::testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

class CliKnifeExample : public ::testing::TestWithParam<KnifeExample> {};

TEST_P(CliKnifeExample, ShowsTheWindowsList) {
    std::vector<std::string> args = {"knives", "--format", "json"};
    for (const KnifeStep& step : GetParam().steps) {
        args.push_back(step.option);
        args.push_back(step.value);
    }
    const Outcome run = RunCli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    std::vector<std::vector<std::string>> rows, expected;
    const nlohmann::json list = nlohmann::json::parse(run.out);
    for (const nlohmann::json& row : list.at("knives")) {
        rows.push_back({row.at("knife"), row.at("width_in"), row.at("width_mm"),
                        row.at("distance_in"), row.at("distance_mm")});
    }
    for (const auto& row : GetParam().rows) {
        expected.emplace_back(row.begin(), row.end());
    }
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(Worked, CliKnifeExample, ::testing::ValuesIn(kKnifeExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// Each argument the program cannot take: the one line it answers with and its exit code. A row
// that succeeds instead names a line its output must hold.
TEST(CliArguments, AnswerInOneLineWithTheirExitCode) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err; // the whole of standard error
        std::string outHas = "";
    };
    const Case cases[] = {
        {{"length", "--core", "3", "--bogus", "1"},
         2,
         "rollcalc-cli length: unknown option \"--bogus\"; expected the options of rollcalc-cli "
         "length --help\n"},
        {{"length", "--core", "3", "--diameter", "10", "--thickness", "0.01", "stray"},
         2,
         "rollcalc-cli length: unexpected argument \"stray\"; expected the options of "
         "rollcalc-cli length --help\n"},
        {{"--bogus"},
         2,
         "rollcalc-cli: unknown option \"--bogus\"; expected a command: length, weight, knives "
         "or batch\n"},
        {{"frobnicate"},
         2,
         "rollcalc-cli: unknown command \"frobnicate\"; expected length, weight, knives or "
         "batch\n"},
        {{"length", "--core", "3furlong"},
         2,
         "rollcalc-cli: --core: unknown unit \"furlong\" in \"3furlong\"; expected in, mm, cm, "
         "m, ft, um (or \xC2\xB5m) or mil\n"},
        {{"weight", "--core", "3", "--weight", "5mm"},
         2,
         "rollcalc-cli: --weight: unknown unit \"mm\" in \"5mm\"; expected lb or kg\n"},
        {{"weight", "--core", "3", "--density", "1kg"},
         2,
         "rollcalc-cli: --density: unknown unit \"kg\" in \"1kg\"; expected sg, lb/ft3, lb/in3, "
         "kg/m3 or g/cm3\n"},
        {{"weight", "--core", "abc"}, 2, "rollcalc-cli: --core: expected a number, got \"abc\"\n"},
        {{"weight", "--sg", "1e999", "--core", "3"},
         2,
         "rollcalc-cli: --sg: \"1e999\" is beyond the range of a number\n"},
        {{"length", "--format", "xml"},
         2,
         "rollcalc-cli length: --format: xml not in {text,csv,json} (see rollcalc-cli length "
         "--help)\n"},
        {{"knives", "--equal", "3y2in"},
         2,
         "rollcalc-cli: --equal: expected COUNTxWIDTH with a whole count from 0 to 99, such as "
         "3x2.5in, got \"3y2in\"\n"},
        {{"knives", "--slit", "1in", "--increment", "1in"},
         2,
         "rollcalc-cli: --increment: a setup increment can only open the list; expected it "
         "before --equal and --slit\n"},
        {{"knives"},
         2,
         "rollcalc-cli knives: expected at least one --equal, --slit or --increment\n"},
        {{"batch", "/nonexistent/rolls.csv"},
         2,
         "rollcalc-cli batch: /nonexistent/rolls.csv: cannot be opened for reading\n"},
        // Refusals are the calculators' own messages.
        {{"knives", "--equal", "0x1in"}, 1, "You must enter the number of knives.\n"},
        {{"knives", "--slit", "0in"}, 1, "You must enter a slit width.\n"},
        {{"length", "--core", "3", "--diameter", "0", "--thickness", "0"},
         1,
         "Only one field can be zero!\n"},
        // A comma is the decimal point, as typed in a window, with or without a space before
        // the unit.
        {{"length", "--core", "3", "--diameter", "10", "--thickness", "0,01"},
         0,
         "",
         "Roll Length              595.594 ft     /      181.537 m       (solved)\n"},
        {{"length", "--core", "76,2 mm", "--diameter", "254mm", "--thickness", "10mil"},
         0,
         "",
         "Roll Length              595.594 ft     /      181.537 m       (solved)\n"},
        {{"length", "--core", "7.62cm", "--diameter", "0.254m", "--thickness", "254\xC2\xB5m"},
         0,
         "",
         "Roll Length              595.594 ft     /      181.537 m       (solved)\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunCli(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(run.code, c.code) << shown;
        EXPECT_EQ(run.err, c.err) << shown;
        EXPECT_NE(run.out.find(c.outHas), std::string::npos) << shown << "\n" << run.out;
        if (c.code == 2) {
            EXPECT_EQ(run.out, "") << shown; // nothing half-written
        }
    }
}

// A batch's output read back as its input gives the same figures; a bad row is reported with its
// line number, carries its message and the other rows go on.
TEST(CliBatch, OutputReadBackGivesTheSameFigures) {
    const std::string input = "calculator,core_mm,diameter_in,thickness_um,width_in,sg,note\n"
                              "length,76.2,10,254,,,\"wound, then \"\"slit\"\"\"\n"
                              "weight,76.2,40,,60,0.92,\n"
                              "length,abc,10,254,,,\n"
                              "weight,76.2,40,,,,\n"
                              "length,\"3,5\",10,254,,,\"two\nlines\"\n";
    const Outcome first = RunCli({"batch", "-"}, input);
    EXPECT_EQ(first.code, 1);
    EXPECT_EQ(first.err, "line 4: core_mm: expected a number, got \"abc\"\n"
                         "line 5: All required fields are not entered!\n");
    std::istringstream lines(first.out);
    std::vector<std::string> records;
    for (std::string line; std::getline(lines, line);) {
        records.push_back(line);
    }
    ASSERT_EQ(records.size(), 7u) << first.out; // the header, five rows, one over two lines
    EXPECT_TRUE(records[1].starts_with("length,76.2,10,254,,,\"wound, then \"\"slit\"\"\","
                                       "595.594,181.537,3.0000,76.2000,"))
        << records[1];
    EXPECT_NE(records[2].find(",2487.88,1128.50,0.9200,57.3696,918.9726,0.0332,0.9190,weight,"),
              std::string::npos)
        << records[2];
    EXPECT_TRUE(records[3].ends_with(",,,,\"core_mm: expected a number, got \"\"abc\"\"\""))
        << records[3];
    EXPECT_TRUE(records[4].ends_with(",,All required fields are not entered!")) << records[4];
    EXPECT_TRUE(records[6].starts_with("lines\",654.374,199.453,0.1378,3.5000,")) << records[6];

    // The figures a batch wrote are worked out again, not carried: the same text comes back.
    const Outcome second = RunCli({"batch", "-"}, first.out);
    EXPECT_EQ(second.code, 1);
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(second.err, first.err);

    // The full-precision figures read back as the inch-based inputs solve to the same texts.
    const Outcome exact = RunCli({"length", "--core", "3", "--diameter", "10", "--thickness",
                                  "0.01", "--format", "json", "--exact"});
    ASSERT_EQ(exact.code, 0) << exact.err;
    const nlohmann::json solved = nlohmann::json::parse(exact.out);
    const Outcome back =
        RunCli({"batch", "-"}, "calculator,length_ft,core_in,diameter_in\nlength," +
                                   solved.at("length_ft_exact").dump() + ",3,10\n");
    EXPECT_EQ(back.code, 0) << back.err;
    EXPECT_NE(back.out.find(",0.0100,0.2540,"), std::string::npos) << back.out;
}

// JSON stays one well-formed document whatever the rows, and the CSV header is written once.
TEST(CliBatch, JsonAndTextFormats) {
    const std::string input = "calculator,core_in,diameter_in,thickness_in\n"
                              "length,3,10,0.01\n"
                              "length,3,,\n";
    const Outcome json = RunCli({"batch", "--format", "json", "-"}, input);
    EXPECT_EQ(json.code, 1);
    const nlohmann::json rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("result").at("length_ft"), "595.594");
    EXPECT_EQ(rows[1].at("line"), 3);
    EXPECT_EQ(rows[1].at("message"), "Only one field can be zero!");
    const Outcome text = RunCli({"batch", "--format", "text", "-"}, input);
    EXPECT_NE(text.out.find("line 2:\nRoll Length              595.594 ft"), std::string::npos)
        << text.out;
}

} // namespace
