// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Novice.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

#include "tools/autoplayer/Judge.h"
#include "tools/autoplayer/Moves.h"

namespace orbo::autoplay {
namespace {

// A cleared level beats every other outlook.
constexpr double ClearedOutlook = -1.0e12;
// Each earlier decision taken on the same cell with the same kettles left makes
// it look this much worse, so that the novice does not pace to and fro forever.
constexpr double VisitWeight = 8.0;

// The novice's guesses of the coin tosses: a generator of their own for every
// decision, seeded apart from those of the other seeds' games.
constexpr std::uint32_t GuessesPerSeed = 7919;

using Place = std::tuple<int, int, int>;  // the hero's column and row, kettles left

Place placeOf(const Game& game) {
    const Unit& hero = game.units[HeroSlot];
    return {hero.col, hero.row, kettlesLeft(game)};
}

class Novice {
public:
    Novice(const PlayOptions& options, const NoviceOptions& novice) : field_(options), novice_(novice) {}

    NoviceGame play() {
        if (!field_.ready()) return {};
        const Game& game = field_.game();
        while (!over()) record(playMove(field_, choose(), played_));
        result_.cleared = levelCleared(field_) && !game.session.quit;
        return result_;
    }

private:
    // The last life lost ends the game and gives the player a new game's lives.
    int livesLost() const {
        const Game& game = field_.game();
        return game.session.quit ? static_cast<int>(LivesAtStart)
                                 : static_cast<int>(LivesAtStart - game.progress.lives);
    }

    bool over() const {
        const Game& game = field_.game();
        return game.session.quit || levelCleared(field_) || result_.passes >= novice_.maxPasses;
    }

    // The move whose best continuation within the look-ahead looks best, played
    // on a copy of the game whose coin tosses are the novice's own guesses.
    Move choose() {
        const Playfield::Snapshot now = field_.save();
        Playfield::Snapshot guessed = now;
        guessed.random = headless::SeededRandom(field_.options().seed * GuessesPerSeed + decisions_++);
        ++visits_[placeOf(field_.game())];
        Move best = Move::Wait;
        double bestOutlook = std::numeric_limits<double>::max();
        for (const Move move : AllMoves) {
            field_.restore(guessed);
            if (!playMove(field_, move, foreseen_).done) continue;
            const double penalty = visitPenalty();  // before the look-ahead moves the hero on
            const double outlook = this->outlook(novice_.lookAhead - 1) + penalty;
            if (outlook < bestOutlook) {
                bestOutlook = outlook;
                best = move;
            }
        }
        field_.restore(now);
        foreseen_.clear();
        return best;
    }

    // Paid for going back to where the novice has already stood, with as many
    // kettles left; never for clearing the level, which starts the next one.
    double visitPenalty() const {
        if (levelCleared(field_)) return 0.0;
        const auto visited = visits_.find(placeOf(field_.game()));
        return visited == visits_.end() ? 0.0 : VisitWeight * visited->second;
    }

    // The best judgement of the game `depth` moves on, or sooner where it ends;
    // the sooner a level is cleared the better.
    double outlook(int depth) {
        const Game& game = field_.game();
        if (levelCleared(field_)) return ClearedOutlook - depth;
        const double now = judge(game, 0, livesLost());
        if (depth == 0 || game.session.quit || livesLost() > result_.livesLost) return now;
        const Playfield::Snapshot here = field_.save();
        double best = std::numeric_limits<double>::max();
        for (const Move move : AllMoves) {
            field_.restore(here);
            if (playMove(field_, move, foreseen_).done) best = std::min(best, outlook(depth - 1));
        }
        return best == std::numeric_limits<double>::max() ? now : best;
    }

    void record(const MoveResult& move) {
        for (const Segment& segment : played_) result_.passes += segment.passes;
        played_.clear();
        result_.closeCalls += move.closeCalls;
        result_.livesLost = livesLost();
    }

    Playfield field_;
    NoviceOptions novice_;
    NoviceGame result_;
    std::map<Place, int> visits_;
    std::uint32_t decisions_ = 0;
    std::vector<Segment> played_;
    std::vector<Segment> foreseen_;  // never read: the look-ahead's passes
};

}  // namespace

NoviceGame playAsNovice(const PlayOptions& options, const NoviceOptions& novice) {
    return Novice(options, novice).play();
}

}  // namespace orbo::autoplay
