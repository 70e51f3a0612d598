// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>

namespace orbo::sdl {

// One pass of the play loop per displayed frame. Where the display paces
// presents (vertical sync), a present returns a refresh after the last one and
// nothing more is needed; where it does not (a virtual X server, a driver without
// vsync), the loop sleeps until the next refresh instead of racing on.
class FramePacer {
public:
    using Duration = std::chrono::nanoseconds;

    explicit FramePacer(double refreshHz);

    // Told, right after a present, when it came back on a steady clock; answers
    // how long to sleep before the next frame starts.
    Duration sleepAfterPresent(Duration now);

    Duration period() const { return period_; }

private:
    Duration period_;
    // Start of the current frame: the previous present's return, or the end of the sleep after it.
    std::optional<Duration> frameStart_;
};

// Where a picture of the given size lies on a screen of another size when scaled
// to fit with its shape kept and centred: black bars fill the rest. Where the
// picture fits twice or more, it is scaled by the largest whole step that fits.
struct Placement {
    int x;
    int y;
    int width;
    int height;
};
Placement fitPicture(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);

}  // namespace orbo::sdl
