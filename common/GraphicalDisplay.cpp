// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/GraphicalDisplay.h"

#include <wayland-client.h>
#include <xcb/xcb.h>
#include <cstdarg>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

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

namespace {

struct XDisconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// Kept until the program ends: an X server left without clients resets itself,
// and would refuse the toolkit's own connection meanwhile.
std::unique_ptr<xcb_connection_t, XDisconnect> keptXConnection;

bool xServerAnswers(const char* display) {
    std::unique_ptr<xcb_connection_t, XDisconnect> connection(xcb_connect(display, nullptr));
    if (xcb_connection_has_error(connection.get()) != 0) return false;
    keptXConnection = std::move(connection);
    return true;
}

// The Wayland library's own complaints would stand before our one line.
void ignoreWaylandLog(const char*, va_list) {}

bool waylandAnswers(const char* display) {
    wl_log_set_handler_client(ignoreWaylandLog);
    wl_display* connection = wl_display_connect(display);
    if (connection) wl_display_disconnect(connection);
    return connection != nullptr;
}

}  // namespace

std::string silentDisplays(const EnvironmentLookup& lookup) {
    const char* platform = lookup("QT_QPA_PLATFORM");
    const std::string_view chosen = platform ? platform : "";
    if (!chosen.empty() && chosen.find("xcb") == std::string_view::npos &&
        chosen.find("wayland") == std::string_view::npos)
        return {};
    const char* x = lookup("DISPLAY");
    const char* wayland = lookup("WAYLAND_DISPLAY");
    const bool xNamed = x && *x;
    const bool waylandNamed = wayland && *wayland;
    if ((xNamed && xServerAnswers(x)) || (waylandNamed && waylandAnswers(wayland))) return {};
    std::string silent;
    if (xNamed) silent = "DISPLAY " + std::string(x);
    if (waylandNamed) silent += (silent.empty() ? "" : " or ") + ("WAYLAND_DISPLAY " + std::string(wayland));
    return silent;
}

bool checkGraphicalDisplay(std::string_view program) {
    const EnvironmentLookup environment = [](const char* name) { return std::getenv(name); };
    if (!hasGraphicalDisplay(environment)) {
        std::cerr << program << ": " << NoDisplayText << '\n';
        return false;
    }
    const std::string silent = silentDisplays(environment);
    if (silent.empty()) return true;
    std::cerr << program << ": " << NoDisplayText << " (no answer from " << silent << ")\n";
    return false;
}

}  // namespace orbo
