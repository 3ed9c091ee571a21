#include "foundation/gerr.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

class ErrorLogTest : public ::testing::Test {
protected:
    void TearDown() override { gerrClose(); }
    TempFolder folder;
};

TEST_F(ErrorLogTest, ARunWithoutFailuresWritesNoLog)
{
    GERR_CHECK(0);
    GERR_CHECK(1 == 2);
    gerrClose();
    EXPECT_FALSE(folder.exists("gerr.log"));
}

TEST_F(ErrorLogTest, ReportsExpressionFileLineAndValue)
{
    long long hr = -2005532542;
    int line = __LINE__ + 1;
    GERR_CHECK(hr);
    GERR_CHECK(!(1 == 1) || 2 > 1);
    gerrClose();
    auto log = lines(folder.read("gerr.log"));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_TRUE(std::regex_match(log[0], std::regex("------------------- Compilation data: "
                                                    "[A-Z][a-z]{2} [ 0-9]\\d \\d{4} time: \\d\\d:\\d\\d:\\d\\d "
                                                    "-------------------")))
        << log[0];
    EXPECT_TRUE(std::regex_match(log[1], std::regex("------------------- Run data: [1-9]\\d?:[1-9]\\d?:\\d{4} "
                                                    "time: \\d{1,2}:\\d{1,2}:\\d{1,2} -------------------")))
        << log[1];
    EXPECT_EQ(log[2], std::string(__FILE__) + " line: " + std::to_string(line) + "  -  hr = -2005532542");
    EXPECT_EQ(log[3], std::string(__FILE__) + " line: " + std::to_string(line + 1) +
                          "  -  !(1 == 1) || 2 > 1 = 1");
}

TEST_F(ErrorLogTest, ASecondRunAppendsItsOwnHeader)
{
    GERR_CHECK(5);
    gerrClose();
    GERR_CHECK(6);
    gerrClose();
    auto log = lines(folder.read("gerr.log"));
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[3].rfind("------------------- Compilation data: ", 0), 0u);
}

TEST_F(ErrorLogTest, EvaluatesTheExpressionOnceAndReturnsIt)
{
    int calls = 0;
    auto failing = [&calls] { return ++calls * 7; };
    EXPECT_EQ(GERR_CHECK(failing()), 7);
    EXPECT_EQ(calls, 1);
}

TEST_F(ErrorLogTest, ALogThatCannotBeOpenedIsTriedAgain)
{
    folder.write("gerr.log/blocker", "");  // a folder where the log should be
    GERR_CHECK(1);
    std::filesystem::remove_all(folder.path() + "/gerr.log");
    GERR_REPORT("the second failure");
    gerrClose();
    auto log = lines(folder.read("gerr.log"));
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NE(log[2].find("  -  the second failure"), std::string::npos);
}

}  // namespace
