// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Paths.h"

#include <system_error>

namespace orbo {
namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t lowerCase(char32_t code) {
    if (code >= U'A' && code <= U'Z') return code + 0x20;
    if (code >= 0x410 && code <= 0x42F) return code + 0x20;  // А..Я
    if (code >= 0x400 && code <= 0x40F) return code + 0x50;  // Ѐ..Џ, Ё among them
    return code;
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Only one- and two-byte sequences hold letters that fold; copy the rest.
        if (lead >= 0xC0 && lead < 0xE0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t code =
                (static_cast<char32_t>(lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            appendUtf8(out, lowerCase(code));
            i += 2;
        } else {
            out += static_cast<char>(lowerCase(lead));
            i += 1;
        }
    }
    return out;
}

std::filesystem::path resolveProgramPath(const std::filesystem::path& programDir,
                                         const std::filesystem::path& relative) {
    std::filesystem::path result = programDir;
    for (const std::filesystem::path& component : relative.relative_path()) {
        if (component.empty()) continue;

        const std::filesystem::path exact = result / component;
        std::error_code error;
        if (std::filesystem::exists(exact, error)) {
            result = exact;
            continue;
        }
        const std::string wanted = foldCase(utf8(component));
        std::filesystem::path match = exact;
        for (std::filesystem::directory_iterator it(result, error), endIt; !error && it != endIt; it.increment(error)) {
            if (foldCase(utf8(it->path().filename())) == wanted) {
                match = it->path();
                break;
            }
        }
        result = match;
    }
    return result;
}

std::optional<int> countFiles(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
    int count = 0;
    std::filesystem::directory_iterator it(folder, error);
    if (error) return std::nullopt;
    for (const std::filesystem::directory_iterator endIt; it != endIt; it.increment(error)) {
        if (error) return std::nullopt;
        if (it->is_regular_file(error)) ++count;
    }
    if (error) return std::nullopt;
    return count;
}

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

std::string displayPath(const std::filesystem::path& path) { return utf8(path); }

}  // namespace orbo
