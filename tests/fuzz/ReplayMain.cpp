// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer (any compiler, any build): feeds every file of the folders
// and files named on the command line to the fuzz target once, so that the seed
// inputs and every crash ever found run in each test run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const auto size = static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0));
    // One byte more than the input: libFuzzer never passes a null pointer, not even for an empty input.
    std::vector<std::uint8_t> input(size + 1);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(input.data()), static_cast<std::streamsize>(size));
    LLVMFuzzerTestOneInput(input.data(), size);
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given = argv[i];
        std::error_code error;
        if (std::filesystem::is_directory(given, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(given))
                if (entry.is_regular_file() && entry.path().filename() != ".gitkeep") {
                    replay(entry.path());
                    ++replayed;
                }
        } else if (std::filesystem::is_regular_file(given, error)) {
            replay(given);
            ++replayed;
        }
    }
    std::cout << "replayed " << replayed << " inputs\n";
    // A run that found no input at all would prove nothing.
    return replayed > 0 ? 0 : 1;
}
