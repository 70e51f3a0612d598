// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "game/core/GameState.h"
#include "game/recording/Replayer.h"

namespace orbo::sim {

// How a replayed recording ended.
struct ReplayOutcome {
    enum class Kind {
        Matched,     // every session ended as recorded, and the recording was whole
        Differed,    // a session ended otherwise than recorded
        EndedEarly,  // the recording ends early (cut short or damaged): replayed up to there
        Failed,      // the game asked what the recording does not answer, or this machine could not follow
        Stopped,     // the viewer stopped it
    };
    Kind kind = Kind::Matched;
    // Sessions replayed to their recorded end.
    int sessions = 0;
    // Where the replay stopped.
    int session = 0;
    int pass = 0;
    // For Differed: the recorded and the replayed end of the first session that differed.
    std::string recordedEnd;
    std::string replayedEnd;
    // For Failed: what went wrong.
    std::string failure;
    // How the recording ended.
    recording::ReadEnd end;
};

// Plays every session of a recording through the real session on the replay's
// machine, each as it began in the recording, and sets the end of each beside
// the recorded one. afterSession runs once each session is over.
ReplayOutcome replayRecording(recording::Replayer& replay, Game& game, const std::function<void()>& afterSession = {});

}  // namespace orbo::sim
