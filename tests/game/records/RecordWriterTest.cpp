#include "game/records/RecordWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "game/records/RecordReader.h"

namespace flipstone {
namespace {

GameRecord Read(const std::string& text) {
    const RecordReading reading = ReadGameRecord(text);
    EXPECT_TRUE(reading.record) << text << ": " << reading.error.message;
    return reading.record.value_or(GameRecord{});
}

// A whole game to its end: each side plays its last legal square.
GameRecord WholeGame() {
    GameRecord record;
    for (Position position = record.StartPosition(); !position.IsOver();) {
        record.moves.push_back(position.LegalSquares().back());
        position.Play(record.moves.back());
    }
    return record;
}

TEST(RecordWriterTest, TranscriptsAndGgfGamesReadBackToTheSameMoves) {
    const GameRecord whole = WholeGame();
    const std::string transcript = WriteTranscript(whole);
    EXPECT_EQ(transcript.size(), 2 * whole.moves.size());
    EXPECT_EQ(WriteTranscript(Read(transcript)), transcript);
    EXPECT_EQ(WriteTranscript(Read("F5D6C3D3C4")), "f5d6c3d3c4");

    const std::string ggf = WriteGgf(whole);
    EXPECT_EQ(Read(ggf).moves, whole.moves);
    EXPECT_TRUE(ggf.starts_with("(;GM[Othello]PC[Flipstone]RE["));
    EXPECT_TRUE(ggf.ends_with(";)"));

    GameRecord named = Read("(;GM[Othello]PB[Ann]PW[Bo]RE[+4.00]TY[8]B[F5//0.01]W[D6];)");
    named.whiteName = "B]o\n";
    const GameRecord again = Read(WriteGgf(named));
    EXPECT_EQ(again.moves, named.moves);
    EXPECT_EQ(again.blackName + "/" + again.whiteName + "/" + again.result, "Ann/Bo/+4.00");
}

TEST(RecordWriterTest, GgfWritesTheSetUpAndAPassForEachSideThatHadToPass) {
    const std::string passBoard = "XO------" + std::string(48, '-') + "XO------";
    GameRecord record = Read(passBoard + " O");
    record.moves = {{2, 0}, {2, 7}};
    EXPECT_EQ(WriteGgf(record), "(;GM[Othello]PC[Flipstone]RE[+6.00]TY[8]BO[8 *O------" +
                                    std::string(48, '-') + "*O------ O]W[PA]B[C1]W[PA]B[C8];)");
    EXPECT_EQ(Read(WriteGgf(record)).moves, record.moves);
    EXPECT_NE(WriteGgf(GameRecord{}).find("RE[?]TY[8]BO[8 " + std::string(27, '-') + "O*------*O"),
              std::string::npos);
}

}  // namespace
}  // namespace flipstone
