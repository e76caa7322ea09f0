// Exploring a position in the real flipstone by keys alone, read through AT-SPI as a screen reader
// reads it: a position set up square by square, two moves analysed, then a game from there.
#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Accessibility.h"
#include "Desktop.h"
#include "engine/Square.h"

namespace flipstone::e2e {
namespace {

std::vector<std::string> heard;

void Hear(AtspiEvent* event, void* /*data*/) {
    if (G_VALUE_HOLDS_STRING(&event->any_data)) {
        heard.emplace_back(g_value_get_string(&event->any_data));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

bool HeardStarting(const std::string& words, int limitMs = 10000) {
    return HearUntil(
        [&] {
            return std::any_of(heard.begin(), heard.end(),
                               [&](const std::string& said) { return said.rfind(words, 0) == 0; });
        },
        limitMs);
}

// True once the square's name in the board's tree begins with the words.
bool Named(AtspiAccessible* tree, Square square, const std::string& words) {
    return HearUntil([&] {
        return NameOf(Child(tree, square.row * 8 + square.column).get()).rfind(words, 0) == 0;
    });
}

TEST(Explore, SetUpAnalyseTwoMovesAndPlayOnByKeysAsTheScreenReaderReadsIt) {
    ASSERT_EQ(atspi_init(), 0);
    AtspiEventListener* listener = atspi_event_listener_new(Hear, nullptr, nullptr);
    for (const char* event :
         {"object:announcement", "object:property-change:accessible-description"}) {
        ASSERT_TRUE(atspi_event_listener_register(listener, event, nullptr)) << event;
    }
    VirtualDisplay display(true);
    RealProgram program(display);
    const Accessible tree = StartAndFindBoard(program);
    ASSERT_NE(tree, nullptr);

    // The frame shows on d4: white to empty to black; c5 empty to black to white. Tab goes past
    // the colour to move and two buttons to OK.
    display.Key("alt+e s Up Return");
    EXPECT_TRUE(HeardStarting("d4, empty"));
    display.Key("Return Left Down Return Return");
    EXPECT_TRUE(HeardStarting("c5, white"));
    EXPECT_TRUE(Named(tree.get(), {3, 3}, "d4, black"));
    EXPECT_TRUE(Named(tree.get(), {2, 4}, "c5, white"));
    display.Key("Tab Tab Tab Tab Return");

    // Analysis: black b5 (the first of its moves), then white c3, and no reply from the computer.
    display.Key("alt+e a Left Return");
    EXPECT_TRUE(Named(tree.get(), {1, 4}, "b5, black, last move"));
    EXPECT_TRUE(Named(tree.get(), {2, 4}, "c5, black")) << "the disc b5 turns";
    display.Key("Right Up Up Return");
    EXPECT_TRUE(Named(tree.get(), {2, 2}, "c3, white, last move"));
    EXPECT_TRUE(Named(tree.get(), {3, 3}, "d4, white")) << "the disc c3 turns";
    HearUntil([] { return false; }, 1500);
    EXPECT_TRUE(Named(tree.get(), {2, 2}, "c3, white, last move")) << "the computer moved";

    // Play from Here as white: the computer, black, moves at once.
    heard.clear();
    display.Key("alt+e f");
    ASSERT_TRUE(program.WaitForDialog("^Play from Here$").has_value());
    display.Key("Down Return");
    EXPECT_TRUE(HeardStarting("Black ", 20000)) << "the computer's move";
    g_object_unref(listener);
}

}  // namespace
}  // namespace flipstone::e2e
