#include "common/GraphicalDisplay.h"

#include <cstdlib>
#include <iostream>

namespace orbo {

bool hasGraphicalDisplay(const EnvironmentLookup& lookup) {
    const auto isSet = [&](const char* name) {
        const char* value = lookup(name);
        return value && *value;
    };
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return true;
    if (!isSet("QT_QPA_PLATFORM")) return false;
    // Platforms such as offscreen or vnc need no display; X and Wayland do.
    const std::string_view platform = lookup("QT_QPA_PLATFORM");
    return platform.find("xcb") == std::string_view::npos && platform.find("wayland") == std::string_view::npos;
}

bool checkGraphicalDisplay(std::string_view program) {
    if (hasGraphicalDisplay([](const char* name) { return std::getenv(name); })) return true;
    std::cerr << program << ": " << NoDisplayText << '\n';
    return false;
}

}  // namespace orbo
