// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlPads.h"

namespace orbo::sdl {
namespace {

PadReading readPad(SDL_GameController* controller) {
    PadReading reading;
    for (std::size_t button = 0; button < reading.buttons.size(); ++button)
        reading.buttons[button] =
            SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0;
    reading.leftX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    reading.leftY = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
    return reading;
}

}  // namespace

bool SdlPads::start() {
    if (!lease_) {
        // SDL would drop a pad's events while the play window is in the
        // background, and a button let go meanwhile would stay held; the
        // keyboard leaves the pads out while the window has no focus instead.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        lease_.emplace(SDL_INIT_GAMECONTROLLER);
    }
    if (!lease_->ok()) return false;
    // Pads may have come and gone while another reader had SDL's events.
    closeDetached();
    for (int index = 0; index < SDL_NumJoysticks(); ++index) open(index);
    return true;
}

void SdlPads::closeDetached() {
    std::erase_if(pads_, [](const auto& pad) { return !SDL_GameControllerGetAttached(pad.second.controller.get()); });
}

void SdlPads::open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || pads_.contains(id)) return;
    UniqueController controller(SDL_GameControllerOpen(deviceIndex));
    if (controller) pads_.emplace(id, Pad{std::move(controller), {}});
}

void SdlPads::handle(const SDL_Event& event) {
    if (!started()) return;
    if (event.type == SDL_CONTROLLERDEVICEADDED) open(event.cdevice.which);
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) pads_.erase(event.cdevice.which);
}

void SdlPads::press(std::span<std::uint8_t, SDL_NUM_SCANCODES> held) {
    // A pad pulled out whose event went elsewhere is closed here.
    closeDetached();
    for (auto& [id, pad] : pads_) pad.keys.press(readPad(pad.controller.get()), held);
}

std::optional<SDL_GameControllerButton> SdlPads::pressedButton(const SDL_Event& event) const {
    if (event.type != SDL_CONTROLLERBUTTONDOWN || !pads_.contains(event.cbutton.which)) return std::nullopt;
    if (event.cbutton.button >= SDL_CONTROLLER_BUTTON_MAX) return std::nullopt;
    return static_cast<SDL_GameControllerButton>(event.cbutton.button);
}

}  // namespace orbo::sdl
