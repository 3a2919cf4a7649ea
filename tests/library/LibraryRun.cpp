#include <gtest/gtest.h>

#include "LibraryRun.h"

#include <cmath>

#include "Invariants.h"
#include "cli/Runner.h"
#include "programtext/ScriptTokens.h"
#include "resources/BuiltInModule.h"
#include "storage/TextCodec.h"

LibraryRun::LibraryRun(const std::string& script)
{
    host_ = std::make_unique<CliHost>(out_, err_, KeyboardFiles{});
    session_ = std::make_unique<Session>(*host_, BuiltInLibrary{BuiltInModuleImage(), NORVANE_LIBRARY_SOURCES});
    EXPECT_EQ(session_->Prepare(CliOptions{}), L"");
    const TokenizedScript tokens = TokenizeScript(std::wstring(script.begin(), script.end()), L"test");
    EXPECT_FALSE(tokens.error.has_value()) << script;
    ScriptRunner runner(session_->calc(), *host_, {true, 20'000'000});
    runner.Type(tokens.tokens);
    EXPECT_FALSE(runner.hitStepLimit()) << script;
    CheckInvariants(session_->calc());
    std::string display = storage::ToUtf8(runner.DisplayLine());
    error_ = display.size() > 2 && display.ends_with(" ?");
    display_ = error_ ? display.substr(0, display.size() - 2) : display;
    std::istringstream printed(out_.str());
    for (std::string line; std::getline(printed, line);)
        lines_.push_back(line);
}

std::vector<double> LibraryRun::stops() const
{
    std::vector<double> values;
    for (const std::string& line : lines_)
        values.push_back(DisplayNumber(line));
    return values;
}

double LibraryRun::Number(const CNombre& n)
{
    // Dividing by an exact power of ten keeps whole numbers whole.
    const int shift = n.exponent - 12;
    return shift < 0 ? static_cast<double>(n.mantissa) / std::pow(10.0, -shift)
                     : static_cast<double>(n.mantissa) * std::pow(10.0, shift);
}

// "1.7112245 98", "7.9326579-13", "-0.882352941", ".8413447461"
double LibraryRun::DisplayNumber(const std::string& text)
{
    std::string body = text;
    while (!body.empty() && body.back() == ' ')
        body.pop_back();
    if (body.ends_with(" ?"))
        body.resize(body.size() - 2);
    std::size_t start = body.find_first_not_of(' ');
    if (start == std::string::npos)
        return std::nan("");
    body = body.substr(start);
    int exponent = 0;
    if (const std::size_t space = body.find(' '); space != std::string::npos) {
        exponent = std::stoi(body.substr(space + 1));
        body.resize(space);
    } else if (const std::size_t minus = body.find('-', 1); minus != std::string::npos) {
        exponent = -std::stoi(body.substr(minus + 1));
        body.resize(minus);
    }
    return std::stod(body) * std::pow(10.0, exponent);
}

::testing::AssertionResult NearDisplay(double actual, double expected, double relative)
{
    const double scale = std::max(std::fabs(expected), 1e-300);
    if (std::fabs(actual - expected) <= relative * scale)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected << " (relative "
                                         << std::fabs(actual - expected) / scale << ")";
}

std::string Keys(double value)
{
    const double magnitude = std::fabs(value);
    std::ostringstream text;
    if (magnitude != 0 && (magnitude < 1e-2 || magnitude >= 1e10)) {
        // The entry takes eight mantissa digits once EE is used.
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        text.precision(8);
        text << magnitude / std::pow(10.0, exponent) << " EE " << std::abs(exponent) << (exponent < 0 ? " +/-" : "");
    } else {
        text.precision(10);
        text << magnitude;
    }
    const std::string keys = text.str();
    EXPECT_EQ(keys.find('e'), std::string::npos) << "keys cannot type " << keys;
    return value < 0 ? keys + " +/-" : keys;
}
