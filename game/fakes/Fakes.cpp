#include "game/fakes/Fakes.h"

#include <cmath>

#include "common/Paths.h"

namespace orbo::fake {

float Clock::secondsSinceMidnight() {
    const double seconds = timeOfDayBase_ + elapsedMs(tick_, tickAtBase_) / 1000.0;
    return static_cast<float>(std::fmod(seconds, 86400.0));
}

float SeededRandom::next() {
    ++draws_;
    if (!queued_.empty()) {
        const float value = queued_.front();
        queued_.pop_front();
        return value;
    }
    return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
}

bool Keyboard::readState(KeyState& state) {
    if (broken_) return false;
    state = state_;
    return true;
}

void Keyboard::press(std::initializer_list<int> scanCodes) {
    for (const int code : scanCodes) state_[static_cast<std::size_t>(code)] = 0x80;
}

bool Display::open() {
    error_ = openError_;
    isOpen_ = openError_.empty();
    return isOpen_;
}

std::unique_ptr<orbo::Surface> Display::loadSurface(int width, int height, std::int32_t,
                                                    const std::filesystem::path& file) {
    std::error_code error;
    if (requireFiles_ && !std::filesystem::is_regular_file(file, error)) return nullptr;
    loaded_.push_back(displayPath(file));
    return std::make_unique<fake::Surface>(width, height, displayPath(file.filename()));
}

void Display::drawSprite(int x, int y, const orbo::Surface& source, const Rect&) {
    current_.blits.push_back({x, y, static_cast<const fake::Surface&>(source).file()});
}

bool Display::flip() {
    if (flipsUntilLost_ == 0) {
        error_ = "screen lost";
        return false;
    }
    if (flipsUntilLost_ > 0) --flipsUntilLost_;
    ++flips_;
    last_ = current_;
    if (clock_) clock_->sleep(frameMs_);
    return true;
}

void Sound::load(int, const std::filesystem::path& file) { loaded_.push_back(displayPath(file.filename())); }

void Music::play(const std::filesystem::path&) {
    playing_ = true;
    ++starts_;
}

void Music::stop() {
    playing_ = false;
    ++stops_;
}

}  // namespace orbo::fake
