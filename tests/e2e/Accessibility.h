#pragma once

#include <atspi/atspi.h>

#include <functional>
#include <memory>
#include <string>

namespace flipstone::e2e {

class RealProgram;

// The real program read through AT-SPI from this process, as a screen reader reads it.
using Accessible = std::unique_ptr<AtspiAccessible, decltype(&g_object_unref)>;

Accessible Child(AtspiAccessible* parent, int index);
std::string NameOf(AtspiAccessible* accessible);
// The first accessible, depth first, for which the test holds.
Accessible FindFirst(Accessible within, const std::function<bool(AtspiAccessible*)>& test,
                     int depth = 0);
// The first accessible of this name, depth first.
Accessible Find(Accessible within, const std::string& name);
// Waits, delivering the accessibility events that arrive.
bool HearUntil(const std::function<bool()>& condition, int limitMs = 10000);
// Starts the program with its accessibility on and waits for its board in the desktop's tree;
// null when the window or the board never came.
Accessible StartAndFindBoard(RealProgram& program);

}  // namespace flipstone::e2e
