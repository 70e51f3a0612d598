#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/common/TempDir.h"
#include "tests/presentation/TestSounds.h"

namespace orbo::test {

// Sound through SDL's disk driver into nothing, so no sound card is needed and
// the mix can be read back.
class AudioTest : public ::testing::Test {
protected:
    // In real time for effects started by hand; as fast as it renders for a tune
    // left to play on its own.
    static void useDiskOutput(bool realTime) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        if (realTime)
            unsetenv("SDL_DISKAUDIODELAY");
        else
            setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    static void useNoOutput() { setenv("SDL_AUDIODRIVER", "no-such-driver", 1); }

    static constexpr std::size_t Second = 44100;

    TempDir dir;
};

}  // namespace orbo::test
