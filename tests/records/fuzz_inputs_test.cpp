// Every seed of the record fuzzer and every input it found (fuzz/found/, one file per fault,
// kept once mended) is read, replayed and written back as the fuzzer demands, in every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/record_check.h"

namespace banzuri::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs_in(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().filename() != "README")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzInputs, SeedsAndFoundInputsKeepEveryPromise) {
    const fs::path root = BANZURI_FUZZ_INPUTS;
    const std::vector<fs::path> seeds = inputs_in(root / "seeds");
    ASSERT_GE(seeds.size(), 40u);
    std::vector<fs::path> all = seeds;
    for (const fs::path& found : inputs_in(root / "found"))
        all.push_back(found);
    for (const fs::path& file : all)
        for (const char* name : {"game.kif", "game.kifu"})
            EXPECT_EQ(check_record_bytes(bytes_of(file), name), "") << file << " as " << name;
}

}  // namespace
}  // namespace banzuri::fuzz
