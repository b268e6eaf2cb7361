// Runs the dialogue fuzzer's checks over saved inputs, without libFuzzer: every file named on
// the command line, and every file in a folder named there. Fails on a name that is neither, or if
// it finds no input.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

void Replay(const std::filesystem::path &file) {
    std::ifstream stream(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(stream)),
                            std::istreambuf_iterator<char>());
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): characters seen as bytes
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            const std::filesystem::directory_iterator folder(path);
            files.insert(files.end(), std::filesystem::begin(folder), std::filesystem::end(folder));
        } else if (std::filesystem::is_regular_file(path)) {
            files.push_back(path);
        } else {
            std::printf("no such input: %s\n", argv[i]);
            return 1;
        }
    }
    for (const auto &file : files) {
        Replay(file);
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
