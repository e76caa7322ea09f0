#include "Accessibility.h"

#include "Desktop.h"

namespace flipstone::e2e {

Accessible Child(AtspiAccessible* parent, int index) {
    return Accessible(atspi_accessible_get_child_at_index(parent, index, nullptr), g_object_unref);
}

std::string NameOf(AtspiAccessible* accessible) {
    std::unique_ptr<gchar, decltype(&g_free)> name(atspi_accessible_get_name(accessible, nullptr),
                                                   g_free);
    return name ? name.get() : "";
}

Accessible FindFirst(Accessible within, const std::function<bool(AtspiAccessible*)>& test,
                     int depth) {
    if (!within || test(within.get())) {
        return within;
    }
    for (int index = 0;
         depth < 8 && index < atspi_accessible_get_child_count(within.get(), nullptr); ++index) {
        if (Accessible found = FindFirst(Child(within.get(), index), test, depth + 1)) {
            return found;
        }
    }
    return Accessible(nullptr, g_object_unref);
}

Accessible Find(Accessible within, const std::string& name) {
    return FindFirst(std::move(within),
                     [&name](AtspiAccessible* accessible) { return NameOf(accessible) == name; });
}

bool HearUntil(const std::function<bool()>& condition, int limitMs) {
    return WaitUntil(
        [&] {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
            return condition();
        },
        limitMs);
}

Accessible StartAndFindBoard(RealProgram& program) {
    program.AddEnvironment({QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")});
    program.Start();
    Accessible board(nullptr, g_object_unref);
    if (program.WaitForWindow()) {
        HearUntil([&] {
            board = Find(Accessible(atspi_get_desktop(0), g_object_unref), "Board");
            return board != nullptr;
        });
    }
    return board;
}

}  // namespace flipstone::e2e
