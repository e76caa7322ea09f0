// The real flipstone read as a screen reader reads it: through AT-SPI from this process, on the
// private D-Bus session the test runs in, with its accessibility bus.
#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Accessibility.h"
#include "Desktop.h"

namespace flipstone::e2e {
namespace {

// What a screen reader hears: where the focus goes and the sentences it is given.
struct Heard {
    std::string focused;
    std::vector<std::string> sentences;
};

void Hear(AtspiEvent* event, void* data) {
    auto& heard = *static_cast<Heard*>(data);
    if (g_str_has_prefix(event->type, "object:state-changed:focused") && event->detail1 == 1) {
        heard.focused = NameOf(event->source);
    } else if (G_VALUE_HOLDS_STRING(&event->any_data)) {
        heard.sentences.emplace_back(g_value_get_string(&event->any_data));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// The squares' names by square, "d3" to "d3, empty, legal move".
std::map<std::string, std::string> SquareNames(AtspiAccessible* board) {
    std::map<std::string, std::string> names;
    for (int index = 0; index < atspi_accessible_get_child_count(board, nullptr); ++index) {
        const std::string name = NameOf(Child(board, index).get());
        names[name.substr(0, 2)] = name;
    }
    return names;
}

TEST(ScreenReader, ReadsTheSquaresFollowsTheCursorAndHearsTheComputersReply) {
    ASSERT_EQ(atspi_init(), 0);
    Heard heard;
    AtspiEventListener* listener = atspi_event_listener_new(Hear, &heard, nullptr);
    for (const char* event : {"object:state-changed:focused", "object:announcement",
                              "object:property-change:accessible-description"}) {
        ASSERT_TRUE(atspi_event_listener_register(listener, event, nullptr)) << event;
    }
    VirtualDisplay display(true);
    RealProgram program(display);
    const Accessible board = StartAndFindBoard(program);
    ASSERT_NE(board, nullptr);

    const std::map<std::string, std::string> names = SquareNames(board.get());
    const std::string legal = "d3 c4 f5 e6", white = "d4 e5", black = "d5 e4";
    ASSERT_EQ(names.size(), 64u);
    for (const auto& [square, name] : names) {
        auto has = [&](const std::string& squares) { return squares.find(square) != squares.npos; };
        const std::string content = has(white) ? "white" : has(black) ? "black" : "empty";
        EXPECT_EQ(name, square + ", " + content + (has(legal) ? ", legal move" : ""));
    }

    display.Key("Up");
    EXPECT_TRUE(HearUntil([&] { return heard.focused == "d4, white"; })) << heard.focused;
    display.Key("Up");
    EXPECT_TRUE(HearUntil([&] { return heard.focused == "d3, empty, legal move"; }));
    display.Key("Return");
    ASSERT_TRUE(HearUntil([&] { return heard.sentences.size() >= 2; }, 20000));
    EXPECT_EQ(heard.sentences[0], "Black d3, turns d4");
    const std::string reply = heard.sentences[1];
    ASSERT_EQ(reply.substr(0, 6), "White ");
    const std::string square = reply.substr(6, 2);
    EXPECT_TRUE(HearUntil([&] {
        return SquareNames(board.get())[square] == square + ", white, last move";
    })) << reply;
    EXPECT_EQ(SquareNames(board.get())["d3"], "d3, black");
    g_object_unref(listener);
}

}  // namespace
}  // namespace flipstone::e2e
