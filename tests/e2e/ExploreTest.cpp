// Exploring a position in the real flipstone by keys alone, read through AT-SPI as a screen reader
// reads it: a position set up square by square, two moves analysed, then a game against the
// computer from there.
#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Accessibility.h"
#include "Desktop.h"
#include "engine/BoardText.h"
#include "engine/Position.h"

namespace flipstone::e2e {
namespace {

std::vector<std::string> sentences;

void Hear(AtspiEvent* event, void* /*data*/) {
    if (G_VALUE_HOLDS_STRING(&event->any_data)) {
        sentences.emplace_back(g_value_get_string(&event->any_data));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

bool Heard(const std::string& sentence) {
    return HearUntil(
        [&] { return std::find(sentences.begin(), sentences.end(), sentence) != sentences.end(); });
}

std::string Named(Square square, std::uint8_t code) {
    const char* content = code == kBlack ? "black" : code == kWhite ? "white" : "empty";
    return BoardText::SquareName(square) + ", " + content;
}

class Explore : public ::testing::Test {
protected:
    // Moves the keyboard frame to the square and presses Enter there.
    void EnterOn(Square square) {
        QStringList keys;
        for (; cursor_.column != square.column;
             cursor_.column += cursor_.column < square.column ? 1 : -1) {
            keys << (cursor_.column < square.column ? "Right" : "Left");
        }
        for (; cursor_.row != square.row; cursor_.row += cursor_.row < square.row ? 1 : -1) {
            keys << (cursor_.row < square.row ? "Down" : "Up");
        }
        display.Key(keys.join(' ') + " Return");
    }

    // True once every square of the board tree is named for the board, with "last move" on `last`.
    bool TreeShows(const Board& board, Square last = Square{}) {
        return HearUntil([&] {
            for (int index = 0; index < 64; ++index) {
                const Square square{index % 8, index / 8};
                const std::string name = NameOf(Child(board_.get(), index).get());
                const std::string expected = Named(square, board.At(square.column, square.row));
                if (name.rfind(expected, 0) != 0 ||
                    (square == last) != name.ends_with("last move")) {
                    return false;
                }
            }
            return true;
        });
    }

    VirtualDisplay display{true};
    RealProgram program{display};
    Accessible board_{nullptr, g_object_unref};
    Square cursor_{3, 3};  // the first arrow key shows the frame on d4
};

TEST_F(Explore, SetUpAnalyseTwoMovesAndPlayOnByKeysAsTheScreenReaderReadsIt) {
    ASSERT_EQ(atspi_init(), 0);
    AtspiEventListener* listener = atspi_event_listener_new(Hear, nullptr, nullptr);
    for (const char* event :
         {"object:announcement", "object:property-change:accessible-description"}) {
        ASSERT_TRUE(atspi_event_listener_register(listener, event, nullptr)) << event;
    }
    program.AddEnvironment({QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")});
    program.Start();
    ASSERT_TRUE(program.WaitForWindow());
    ASSERT_TRUE(HearUntil([&] {
        board_ = Find(Accessible(atspi_get_desktop(0), g_object_unref), "Board");
        return board_ != nullptr;
    }));

    // Set Up Position: d4 turns from white to empty to black, c5 becomes white; Tab twice
    // reaches Clear past the colour to move, twice more OK.
    display.Key("alt+e s Up Return");
    EXPECT_TRUE(Heard("d4, empty"));
    display.Key("Return");
    EnterOn({2, 4});
    display.Key("Return");
    Board setUp = Position::Start().GetBoard();
    setUp.Set(3, 3, kBlack);
    setUp.Set(2, 4, kWhite);
    EXPECT_TRUE(Heard("c5, white"));
    ASSERT_TRUE(TreeShows(setUp));
    display.Key("Tab Tab Tab Tab Return");

    // Analysis: black's move, then white's, and no reply from the computer.
    display.Key("alt+e a");
    Position analysed = Position::FromBoard(setUp, kBlack);
    Square last;
    for (int ply = 0; ply < 2; ++ply) {
        last = analysed.LegalSquares().front();
        EnterOn(last);
        analysed.Play(last);
        ASSERT_TRUE(TreeShows(analysed.GetBoard(), last)) << "after move " << ply + 1;
    }
    HearUntil([] { return false; }, 1500);
    EXPECT_TRUE(TreeShows(analysed.GetBoard(), last)) << "the computer moved in analysis";

    // Play from Here as white: the computer, black, moves at once.
    ASSERT_EQ(analysed.ToMove(), kBlack);
    sentences.clear();
    display.Key("alt+e f");
    ASSERT_TRUE(program.WaitForDialog("^Play from Here$").has_value());
    display.Key("Down Return");
    EXPECT_TRUE(HearUntil(
        [&] {
            return std::any_of(sentences.begin(), sentences.end(), [](const std::string& said) {
                return said.rfind("Black ", 0) == 0;
            });
        },
        20000))
        << "the computer's move";
    g_object_unref(listener);
}

}  // namespace
}  // namespace flipstone::e2e
