// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/GraphicalDisplay.h"

namespace orbo {
namespace {

bool hasDisplayWith(const std::map<std::string, std::string>& environment) {
    return hasGraphicalDisplay([&](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(GraphicalDisplay, AWindowNeedsANamedDisplayOrAPlatformWithoutOne) {
    EXPECT_TRUE(hasDisplayWith({{"DISPLAY", ":0"}}));
    EXPECT_TRUE(hasDisplayWith({{"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_TRUE(hasDisplayWith({{"QT_QPA_PLATFORM", "offscreen"}}));
    EXPECT_TRUE(hasDisplayWith({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":99"}}));

    EXPECT_FALSE(hasDisplayWith({}));
    EXPECT_FALSE(hasDisplayWith({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}})) << "set but empty names nothing";
    EXPECT_FALSE(hasDisplayWith({{"QT_QPA_PLATFORM", "xcb"}}));
    EXPECT_FALSE(hasDisplayWith({{"QT_QPA_PLATFORM", "wayland;xcb"}}));
    EXPECT_FALSE(hasDisplayWith({{"HOME", "/root"}, {"TERM", "xterm"}}));
}

}  // namespace
}  // namespace orbo
