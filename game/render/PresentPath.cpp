// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/PresentPath.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <optional>

#include "game/render/SdlHandles.h"

namespace orbo::sdl {
namespace {

constexpr unsigned GlRendererName = 0x1F01;

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

constexpr const char* ProbeProgram = "orbo-glprobe";

// The helper's first line of output; nullopt where it cannot be run.
std::optional<std::string> askHelper(const std::filesystem::path& program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string name = program.string();
    char* arguments[] = {name.data(), nullptr};
    pid_t child = 0;
    const bool started = posix_spawn(&child, name.c_str(), &actions, nullptr, arguments, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t got; started && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    if (!started || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return std::nullopt;
    return output.substr(0, output.find('\n'));
}

}  // namespace

bool isSoftwareRenderer(std::string_view glRenderer) {
    constexpr std::array<std::string_view, 5> processorOnly = {"llvmpipe", "softpipe", "software rasterizer", "swrast",
                                                               "swiftshader"};
    const std::string name = lowered(glRenderer);
    return std::any_of(processorOnly.begin(), processorOnly.end(),
                       [&](std::string_view word) { return name.find(word) != std::string::npos; });
}

PathChoice choosePresentPath(std::string_view forced, std::string_view glRenderer) {
    if (forced == "surface") return {PresentPath::WindowSurface, std::string(ScreenPathVariable) + "=surface"};
    if (forced == "texture") return {PresentPath::Texture, std::string(ScreenPathVariable) + "=texture"};
    if (glRenderer.empty()) return {PresentPath::WindowSurface, "no OpenGL"};
    if (isSoftwareRenderer(glRenderer))
        return {PresentPath::WindowSurface, "OpenGL on the processor: " + std::string(glRenderer)};
    return {PresentPath::Texture, "OpenGL: " + std::string(glRenderer)};
}

std::string probeOpenGlRenderer() {
    const UniqueWindow probe(SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN));
    if (!probe) return {};
    const SDL_GLContext context = SDL_GL_CreateContext(probe.get());
    if (!context) return {};
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(GlRendererName) : nullptr;
    std::string result = name ? std::string(reinterpret_cast<const char*>(name)) : std::string();
    SDL_GL_DeleteContext(context);
    return result;
}

std::string openGlRendererName() {
    // The graphics card does not change while the program runs.
    static const std::string name = [] {
        const UniqueSdlText base(SDL_GetBasePath());
        if (base) {
            const std::filesystem::path helper = std::filesystem::path(base.get()) / ProbeProgram;
            if (access(helper.c_str(), X_OK) == 0)
                if (const auto answer = askHelper(helper)) return *answer;
        }
        return probeOpenGlRenderer();
    }();
    return name;
}

}  // namespace orbo::sdl
