// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/RecordingReplay.h"

#include "game/replay/SessionStart.h"

namespace orbo::sim {
namespace {

using recording::Record;
using recording::RecordKind;

void playRecordedSession(recording::Replayer& replay, Game& game, const recording::SessionBegin& begin) {
    game.settings = begin.settings;
    replay.beginSession();
    try {
        playSessionAs(game, begin);
    } catch (const recording::RecordingOver&) {
        // The recorded session was left here, or the recording ends here.
    }
}

// Replays session by session; false when the replay cannot go on.
bool replaySessions(recording::Replayer& replay, Game& game, const std::function<void()>& afterSession,
                    ReplayOutcome& outcome) {
    Record record;
    while (replay.nextBetweenSessions(record)) {
        if (record.kind == RecordKind::Close) return true;
        if (record.kind != RecordKind::Begin)
            throw recording::ReplayFailed("the recording holds " + std::string(kindName(record.kind)) +
                                          " where a session begins");
        playRecordedSession(replay, game, record.begin);
        if (afterSession) afterSession();
        if (!replay.nextBetweenSessions(record)) return true;
        if (record.kind != RecordKind::End)
            throw recording::ReplayFailed("session " + std::to_string(replay.session()) +
                                          " ended where the recording goes on with " +
                                          std::string(kindName(record.kind)));
        const std::string replayed = replay.endLine(game);
        if (!recording::sameGame(record.text, replayed) && outcome.kind == ReplayOutcome::Kind::Matched) {
            outcome.kind = ReplayOutcome::Kind::Differed;
            outcome.recordedEnd = record.text;
            outcome.replayedEnd = replayed;
        }
        ++outcome.sessions;
    }
    return true;
}

}  // namespace

ReplayOutcome replayRecording(recording::Replayer& replay, Game& game, const std::function<void()>& afterSession) {
    ReplayOutcome outcome;
    try {
        replaySessions(replay, game, afterSession, outcome);
    } catch (const recording::ReplayFailed& failed) {
        outcome.kind = ReplayOutcome::Kind::Failed;
        outcome.failure = failed.what();
    } catch (const recording::ReplayStopped&) {
        outcome.kind = ReplayOutcome::Kind::Stopped;
    }
    outcome.session = replay.session();
    outcome.pass = replay.passes();
    outcome.end = replay.recordingEnd();
    if (outcome.kind == ReplayOutcome::Kind::Matched && outcome.end.kind != recording::ReadEnd::Kind::Closed)
        outcome.kind = ReplayOutcome::Kind::EndedEarly;
    return outcome;
}

}  // namespace orbo::sim
