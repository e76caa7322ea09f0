// The desktop entry that puts the game in the application menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/CFlipstoneApp.h"

namespace flipstone {
namespace {

std::map<std::string, std::string> ReadDesktopEntry() {
    // The desktop finds the running program's entry by the id the program declares.
    const std::filesystem::path file = std::filesystem::path(FLIPSTONE_SOURCE_DIR) / "res" /
                                       (std::string(kApplicationId) + ".desktop");
    std::ifstream in(file);
    std::map<std::string, std::string> keys;
    std::string line;
    std::getline(in, line);
    keys["[group]"] = line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return keys;
}

TEST(DesktopEntryTest, StartsTheInstalledProgramWithItsIcon) {
    const auto keys = ReadDesktopEntry();
    ASSERT_EQ(keys.at("[group]"), "[Desktop Entry]");
    EXPECT_EQ(keys.at("Type"), "Application");
    EXPECT_EQ(keys.at("Name"), "Flipstone");
    EXPECT_EQ(keys.at("Exec"), "flipstone %f") << "the program takes one optional file";
    EXPECT_EQ(keys.at("Icon"), kApplicationId) << "the name the icon is installed under";
    EXPECT_EQ(keys.at("Terminal"), "false");
}

TEST(DesktopEntryTest, ListedAmongTheGames) {
    const std::string categories = ReadDesktopEntry().at("Categories");
    EXPECT_NE(categories.find("Game;"), std::string::npos);
    EXPECT_EQ(categories.back(), ';');
}

}  // namespace
}  // namespace flipstone
