#include "game/records/RecordReader.h"

#include <gtest/gtest.h>

#include <string>

#include "game/records/RecordWriter.h"

namespace flipstone {
namespace {

const std::string kStart = "---------------------------OX------XO---------------------------";
const std::string kPassBoard = "XO------" + std::string(48, '-') + "XO------";
const std::string kGgfHead = "(;GM[Othello]PC[club]DT[2024.05.01]PB[Ann]PW[Bo]RE[?]TY[8]";

struct GoodInput {
    std::string text;
    std::string transcript;
};

TEST(RecordReaderTest, ReadsEachFormAndReplaysItsMoves) {
    const GoodInput inputs[] = {
        {"f5d6c3d3c4", "f5d6c3d3c4"},
        {"F5 D6\tC3\r\n", "f5d6c3"},
        {"1. f5 2. d6 3. c3", "f5d6c3"},
        {"1.f5 2.d6", "f5d6"},
        {"f5-d6-c3, d3", "f5d6c3d3"},
        {"f5 pass d6 PA --", "f5d6"},
        {"\xEF\xBB\xBF  f5d6", "f5d6"},
        {kGgfHead + "BO[8 " + kStart + " *]B[f5//0.01]W[D6/1.5/2]B[C3];)", "f5d6c3"},
        {"(;GM[Othello]TY[8r]C[a \\] comment]B[F5];)", "f5"},
        {"(;BO[8 " + kPassBoard + " *]B[C1]W[PA]B[C8];)", "c1c8"},
        {kStart + " X", ""},
        {kPassBoard + " O ; an endgame suite's comment", ""},
    };
    for (const GoodInput& input : inputs) {
        const RecordReading reading = ReadGameRecord(input.text);
        ASSERT_TRUE(reading.record) << input.text << ": " << reading.error.message;
        EXPECT_EQ(WriteTranscript(*reading.record), input.transcript) << input.text;
    }
    const GameRecord ggf = *ReadGameRecord(kGgfHead + "B[F5];)").record;
    EXPECT_EQ(ggf.blackName + ggf.whiteName + ggf.date + ggf.place, "AnnBo2024.05.01club");
    EXPECT_TRUE(ggf.StartsAtTheStandardPosition());
    const GameRecord suite = *ReadGameRecord(kPassBoard + " O;").record;
    EXPECT_EQ(suite.StartPosition().ToMove(), kBlack) << "white has no move there";
    EXPECT_FALSE(suite.StartsAtTheStandardPosition());
}

struct BadInput {
    std::string text;
    RecordProblem problem;
    int moveNumber;
    std::string message;
};

TEST(RecordReaderTest, SaysWhichMoveIsIllegalOrThatTheTextIsNoRecord) {
    const RecordProblem none = RecordProblem::kNotARecord;
    const RecordProblem illegal = RecordProblem::kIllegalMove;
    const BadInput inputs[] = {
        {"f5d6c3d3a1", illegal, 5, "Move 5, a1, is not legal."},
        {"1. f5 2. f5", illegal, 2, "Move 2, f5, is not legal."},
        {"(;GM[Othello]W[F5];)", illegal, 1, "Move 1, f5, is not legal."},
        {"(;BO[8 " + kPassBoard + " *]B[C1]W[C8];)", illegal, 2, "Move 2, c8, is not legal."},
        {"", none, 0, "This is not a game record: the text is empty."},
        {"hello", none, 0, ""},
        {"f5d6 z9", none, 0, ""},
        {"f52.d6", none, 0, ""},
        {"\x01"
         "f5",
         none, 0, ""},
        {"1. 2. pass", none, 0, ""},
        {"(;GM[Chess]B[F5];)", none, 0, ""},
        {"(;GM[Othello]TY[10]B[F5];)", none, 0, ""},
        {"(;GM[Othello]B[F5]", none, 0, ""},
        {"(;GM[Othello]B[F5];B[Z9];)", none, 0, ""},
        {"(;BO[8 " + kStart + "]B[F5];)", none, 0, ""},
        {"(;B[F5]BO[8 " + kStart + " *];)", none, 0, ""},
        {"(;GM[Othello" + std::string(100000, '[') + ";)", none, 0, ""},
        {kStart, none, 0, ""},
        {kStart + " X O", none, 0, ""},
        {std::string(kLongestRecordText + 1, ' '), none, 0, ""},
    };
    for (const BadInput& input : inputs) {
        const RecordReading reading = ReadGameRecord(input.text);
        EXPECT_FALSE(reading.record) << input.text.substr(0, 80);
        EXPECT_EQ(reading.error.problem, input.problem) << input.text.substr(0, 80);
        EXPECT_EQ(reading.error.moveNumber, input.moveNumber) << input.text.substr(0, 80);
        EXPECT_FALSE(reading.error.message.empty());
        if (!input.message.empty()) {
            EXPECT_EQ(reading.error.message, input.message);
        }
    }
}

}  // namespace
}  // namespace flipstone
