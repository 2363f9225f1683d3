// rollcalc-cli as a user runs it: the installed program's binary as a child process, with its
// arguments, standard input, output, error and exit code.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "worked_examples.h"

namespace {

struct Outcome {
    int code = -1;
    std::string out, err;
};

// Through the shell, as a user runs it, with every word quoted.
Outcome RunCli(const std::vector<std::string>& args, const std::string& input = "") {
    const auto quoted = [](std::string word) {
        for (std::size_t q = word.find('\''); q != std::string::npos; q = word.find('\'', q + 4)) {
            word.replace(q, 1, "'\\''");
        }
        return "'" + word + "'";
    };
    // Named by the process: ctest runs the cases of this file side by side.
    const std::string base = ::testing::TempDir() + "cli_" + std::to_string(getpid());
    const std::string in = base + "_in", out = base + "_out", err = base + "_err";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = quoted(ROLLCALC_CLI_PATH);
    for (const std::string& word : args) {
        command += ' ' + quoted(word);
    }
    command += " <" + quoted(in) + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(command.c_str());
    const auto read = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err)};
    for (const std::string& file : {in, out, err}) {
        std::remove(file.c_str());
    }
    return run;
}

class CliWorkedExample : public ::testing::TestWithParam<WorkedExample> {};

// The texts the windows show for the same values (their own tests read the same table).
TEST_P(CliWorkedExample, ShowsTheWindowsTexts) {
    const WorkedExample& example = GetParam();
    std::vector<std::string> args = {example.calculator, "--format", "json"};
    for (const BoxText& typed : example.typed) {
        // A box's column ("core_mm", "density_lb_ft3") as an argument: "--core" "76.2mm".
        const std::size_t underscore = typed.box.find('_');
        std::string unit = underscore == std::string::npos ? "" : typed.box.substr(underscore + 1);
        std::ranges::replace(unit, '_', '/');
        args.insert(args.end(), {"--" + typed.box.substr(0, underscore), typed.text + unit});
    }
    const Outcome run = RunCli(args);
    if (example.refusal != nullptr) {
        EXPECT_EQ(std::tuple(run.code, run.err, run.out),
                  std::tuple(1, example.refusal + std::string("\n"), std::string()));
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
        args.insert(args.end(), {step.option, step.value});
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

// Each argument the program cannot take: the one line it answers with, its exit code and nothing
// half-written.
TEST(CliArguments, AnswerInOneLineWithTheirExitCode) {
    struct Case {
        std::vector<std::string> args;
        std::string err; // the whole of standard error
        int code = 2;
    };
    const Case cases[] = {
        {{"length", "--core", "3", "--bogus", "1"},
         "rollcalc-cli length: unknown option \"--bogus\"; expected the options of rollcalc-cli "
         "length --help\n"},
        {{"length", "--core", "3", "--diameter", "10", "--thickness", "0.01", "stray"},
         "rollcalc-cli length: unexpected argument \"stray\"; expected the options of "
         "rollcalc-cli length --help\n"},
        {{"--bogus"},
         "rollcalc-cli: unknown option \"--bogus\"; expected a command: length, weight, knives "
         "or batch\n"},
        {{"frobnicate"},
         "rollcalc-cli: unknown command \"frobnicate\"; expected length, weight, knives or "
         "batch\n"},
        {{"length", "--core", "3furlong"},
         "rollcalc-cli: --core: unknown unit \"furlong\" in \"3furlong\"; expected in, mm, cm, "
         "m, ft, um (or \xC2\xB5m) or mil\n"},
        {{"weight", "--core", "3", "--weight", "5mm"},
         "rollcalc-cli: --weight: unknown unit \"mm\" in \"5mm\"; expected lb or kg\n"},
        {{"weight", "--core", "3", "--density", "1kg"},
         "rollcalc-cli: --density: unknown unit \"kg\" in \"1kg\"; expected sg, lb/ft3, lb/in3, "
         "kg/m3 or g/cm3\n"},
        {{"weight", "--core", "abc"}, "rollcalc-cli: --core: expected a number, got \"abc\"\n"},
        {{"weight", "--sg", "1e999", "--core", "3"},
         "rollcalc-cli: --sg: \"1e999\" is beyond the range of a number\n"},
        {{"length", "--format", "xml"},
         "rollcalc-cli length: --format: xml not in {text,csv,json} (see rollcalc-cli length "
         "--help)\n"},
        {{"knives", "--equal", "3y2in"},
         "rollcalc-cli: --equal: expected COUNTxWIDTH with a whole count from 0 to 99, such as "
         "3x2.5in, got \"3y2in\"\n"},
        {{"knives", "--slit", "1in", "--increment", "1in"},
         "rollcalc-cli: --increment: a setup increment can only open the list; expected it "
         "before --equal and --slit\n"},
        {{"knives"}, "rollcalc-cli knives: expected at least one --equal, --slit or --increment\n"},
        {{"batch", "/nonexistent/rolls.csv"},
         "rollcalc-cli batch: /nonexistent/rolls.csv: cannot be opened for reading\n"},
        // Refusals are the calculators' own messages.
        {{"knives", "--equal", "0x1in"}, "You must enter the number of knives.\n", 1},
        {{"knives", "--slit", "0in"}, "You must enter a slit width.\n", 1},
        {{"length", "--core", "3", "--diameter", "0", "--thickness", "0"},
         "Only one field can be zero!\n",
         1},
    };
    for (const Case& c : cases) {
        const Outcome run = RunCli(c.args);
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(std::tuple(run.code, run.err, run.out), std::tuple(c.code, c.err, std::string()));
    }
    // A comma is the decimal point, as typed in a window, with or without a space before the unit.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"length", "--core", "3", "--diameter", "10", "--thickness", "0,01"},
             {"length", "--core", "76,2 mm", "--diameter", "254mm", "--thickness", "10mil"},
             {"length", "--core", "7.62cm", "--diameter", "0.254m", "--thickness",
              "254\xC2\xB5m"}}) {
        const Outcome run = RunCli(args);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_TRUE(run.out.starts_with(
            "Roll Length              595.594 ft     /      181.537 m       (solved)\n"))
            << run.out;
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
    // In their order: the header, five rows (one over two lines), each row's figures or message.
    EXPECT_EQ(std::ranges::count(first.out, '\n'), 7) << first.out;
    std::size_t at = 0;
    for (const char* part :
         {"\nlength,76.2,10,254,,,\"wound, then \"\"slit\"\"\",595.594,181.537,3.0000,76.2000,",
          ",2487.88,1128.50,0.9200,57.3696,918.9726,0.0332,0.9190,weight,\n",
          ",,,,\"core_mm: expected a number, got \"\"abc\"\"\"\n",
          ",,All required fields are not entered!\n", "\nlines\",654.374,199.453,0.1378,3.5000,"}) {
        at = first.out.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << "\n" << first.out;
    }

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

// JSON stays one well-formed document whatever the rows; text heads each row with its line.
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
