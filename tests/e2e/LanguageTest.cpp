// The real flipstone started in each shipped language, read through AT-SPI: the menu titles and
// the start dialog's buttons speak the language, none of them English.
#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Accessibility.h"
#include "Desktop.h"

namespace flipstone::e2e {
namespace {

bool HasRole(AtspiAccessible* accessible, AtspiRole role) {
    return atspi_accessible_get_role(accessible, nullptr) == role;
}

// The names of the children that have the role, or of all children.
std::vector<std::string> ChildNames(AtspiAccessible* parent, AtspiRole role = ATSPI_ROLE_INVALID) {
    std::vector<std::string> names;
    for (int index = 0; index < atspi_accessible_get_child_count(parent, nullptr); ++index) {
        const Accessible child = Child(parent, index);
        if (child && (role == ATSPI_ROLE_INVALID || HasRole(child.get(), role))) {
            names.push_back(NameOf(child.get()));
        }
    }
    return names;
}

// The toolbar's first button, Start, clicked where the screen shows it.
bool ClickStart(const VirtualDisplay& display, AtspiAccessible* frame) {
    const auto isToolBar = [](AtspiAccessible* a) { return HasRole(a, ATSPI_ROLE_TOOL_BAR); };
    const Accessible toolBar =
        FindFirst(Accessible(g_object_ref(frame), g_object_unref), isToolBar);
    const auto isButton = [](AtspiAccessible* a) { return HasRole(a, ATSPI_ROLE_PUSH_BUTTON); };
    const Accessible start =
        toolBar ? FindFirst(Accessible(g_object_ref(toolBar.get()), g_object_unref), isButton)
                : Accessible(nullptr, g_object_unref);
    AtspiComponent* component = start ? atspi_accessible_get_component_iface(start.get()) : nullptr;
    if (component == nullptr) {
        return false;
    }
    AtspiRect* box = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr);
    g_object_unref(component);
    if (box == nullptr) {
        return false;
    }
    display.Click(QPoint(box->x + box->width / 2, box->y + box->height / 2));
    g_free(box);
    return true;
}

class RealProgramIn : public ::testing::TestWithParam<const char*> {};

TEST_P(RealProgramIn, ShowsNoEnglishMenuTitleNorDialogButton) {
    ASSERT_EQ(atspi_init(), 0);
    const auto desktop = [] { return Accessible(atspi_get_desktop(0), g_object_unref); };
    // The registry is up before the program asks it to list the program.
    ASSERT_GE(atspi_accessible_get_child_count(desktop().get(), nullptr), 0);
    VirtualDisplay display(true);
    RealProgram program(display);
    program.AddEnvironment({QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"),
                            QStringLiteral("LC_ALL=%1.UTF-8").arg(GetParam())});
    program.Start();
    ASSERT_TRUE(program.WaitForWindow());
    const auto isMenuBar = [](AtspiAccessible* a) { return HasRole(a, ATSPI_ROLE_MENU_BAR); };
    Accessible menuBar(nullptr, g_object_unref);
    ASSERT_TRUE(HearUntil([&] { return (menuBar = FindFirst(desktop(), isMenuBar)) != nullptr; }));

    const std::set<std::string> english = {"Game", "Edit", "Set", "View", "Help"};
    const std::vector<std::string> titles = ChildNames(menuBar.get());
    ASSERT_EQ(titles.size(), english.size());
    for (const std::string& title : titles) {
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(english.count(title), 0u) << title;
    }

    const Accessible frame(atspi_accessible_get_parent(menuBar.get(), nullptr), g_object_unref);
    ASSERT_TRUE(ClickStart(display, frame.get()));
    const auto isDialog = [](AtspiAccessible* a) { return HasRole(a, ATSPI_ROLE_DIALOG); };
    Accessible dialog(nullptr, g_object_unref);
    ASSERT_TRUE(HearUntil([&] { return (dialog = FindFirst(desktop(), isDialog)) != nullptr; }));
    const std::vector<std::string> buttons = ChildNames(dialog.get(), ATSPI_ROLE_PUSH_BUTTON);
    EXPECT_EQ(buttons.size(), 2u);
    for (const std::string& button : buttons) {
        EXPECT_NE(button, "Cancel");
    }
    display.Key(QStringLiteral("Escape"));
}

INSTANTIATE_TEST_SUITE_P(Languages, RealProgramIn,
                         ::testing::Values("de_DE", "es_ES", "fr_FR", "it_IT", "nl_NL", "pl_PL",
                                           "pt_BR", "ru_RU"));

}  // namespace
}  // namespace flipstone::e2e
