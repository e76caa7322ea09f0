// The real flipstone read as a screen reader reads it: through AT-SPI from this process, on the
// private D-Bus session the test runs in, with its accessibility bus.
#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Desktop.h"

namespace flipstone::e2e {
namespace {

using Accessible = std::unique_ptr<AtspiAccessible, decltype(&g_object_unref)>;

std::string NameOf(AtspiAccessible* accessible) {
    std::unique_ptr<gchar, decltype(&g_free)> name(atspi_accessible_get_name(accessible, nullptr),
                                                   g_free);
    return name ? name.get() : "";
}

// What a screen reader hears: where the focus goes and the sentences it is given.
struct Heard {
    std::string focused;
    std::vector<std::string> sentences;
};

void Hear(AtspiEvent* event, void* data) {
    auto& heard = *static_cast<Heard*>(data);
    if (g_str_has_prefix(event->type, "object:state-changed:focused") && event->detail1 == 1) {
        heard.focused = NameOf(event->source);
    } else if (!g_str_has_prefix(event->type, "object:state-changed") &&
               G_VALUE_HOLDS_STRING(&event->any_data)) {
        heard.sentences.emplace_back(g_value_get_string(&event->any_data));
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// The first accessible named so, depth first below the given one.
Accessible Find(AtspiAccessible* within, const std::string& name, int depth = 0) {
    const int count = atspi_accessible_get_child_count(within, nullptr);
    for (int index = 0; index < count && depth < 8; ++index) {
        Accessible child(atspi_accessible_get_child_at_index(within, index, nullptr),
                         g_object_unref);
        if (child && NameOf(child.get()) == name) {
            return child;
        }
        if (child) {
            if (Accessible found = Find(child.get(), name, depth + 1)) {
                return found;
            }
        }
    }
    return Accessible(nullptr, g_object_unref);
}

// Waits while the accessibility events that arrived are delivered.
bool HearUntil(const std::function<bool()>& condition, int limitMs = 10000) {
    return WaitUntil(
        [&] {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
            return condition();
        },
        limitMs);
}

std::vector<std::string> SquareNames(AtspiAccessible* board) {
    std::vector<std::string> names;
    for (int index = 0; index < atspi_accessible_get_child_count(board, nullptr); ++index) {
        Accessible square(atspi_accessible_get_child_at_index(board, index, nullptr),
                          g_object_unref);
        names.push_back(NameOf(square.get()));
    }
    return names;
}

std::string NameAt(AtspiAccessible* board, const std::string& square) {
    return SquareNames(board).at((square[1] - '1') * 8 + (square[0] - 'a'));
}

TEST(ScreenReader, ReadsTheSquaresFollowsTheCursorAndHearsTheComputersReply) {
    ASSERT_EQ(atspi_init(), 0);
    Heard heard;
    AtspiEventListener* listener = atspi_event_listener_new(Hear, &heard, nullptr);
    for (const char* event :
         {"object:state-changed:focused", "object:property-change:accessible-description",
          "object:announcement"}) {
        ASSERT_TRUE(atspi_event_listener_register(listener, event, nullptr)) << event;
    }
    VirtualDisplay display(true);
    ASSERT_TRUE(display.IsUp());
    RealProgram program(display);
    program.AddEnvironment({QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")});
    program.Start();
    ASSERT_TRUE(program.WaitForWindow());
    Accessible desktop(atspi_get_desktop(0), g_object_unref);
    Accessible board(nullptr, g_object_unref);
    ASSERT_TRUE(HearUntil([&] { return (board = Find(desktop.get(), "Board")) != nullptr; }));

    std::vector<std::string> names = SquareNames(board.get());
    ASSERT_EQ(names.size(), 64u);
    const std::vector<std::pair<std::string, std::string>> start = {{"d3", "d3, empty, legal move"},
                                                                    {"c4", "c4, empty, legal move"},
                                                                    {"f5", "f5, empty, legal move"},
                                                                    {"e6", "e6, empty, legal move"},
                                                                    {"d4", "d4, white"},
                                                                    {"e5", "e5, white"},
                                                                    {"d5", "d5, black"},
                                                                    {"e4", "e4, black"},
                                                                    {"a1", "a1, empty"},
                                                                    {"h8", "h8, empty"}};
    for (const auto& [square, name] : start) {
        EXPECT_EQ(NameAt(board.get(), square), name);
    }

    display.Key("Up");
    EXPECT_TRUE(HearUntil([&] { return heard.focused == "d4, white"; })) << heard.focused;
    display.Key("Up");
    EXPECT_TRUE(HearUntil([&] { return heard.focused == "d3, empty, legal move"; }))
        << heard.focused;

    display.Key("Return");
    auto reply = [&] {
        for (const std::string& sentence : heard.sentences) {
            if (sentence.rfind("White ", 0) == 0) {
                return sentence;
            }
        }
        return std::string();
    };
    ASSERT_TRUE(HearUntil([&] { return !reply().empty(); }, 20000));
    EXPECT_EQ(heard.sentences.front(), "Black d3, turns d4");
    const std::string replySquare = reply().substr(6, 2);
    EXPECT_TRUE(HearUntil([&] {
        return NameAt(board.get(), replySquare) == replySquare + ", white, last move";
    })) << NameAt(board.get(), replySquare);
    EXPECT_EQ(NameAt(board.get(), "d3"), "d3, black");
    atspi_event_listener_deregister(listener, "object:", nullptr);
    g_object_unref(listener);
}

}  // namespace
}  // namespace flipstone::e2e
