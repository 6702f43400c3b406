// Every input a fuzz target once stopped on, kept under tests/data/fuzz/TARGET/, goes through
// the same code again.
#include "inputs.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(FuzzRegressions, EveryKeptInputKeepsThePromisesOfItsTarget) {
    const struct {
        const char* target;
        bool (*tryInput)(std::string_view);
    } targets[] = {{"picture", tryPicture}, {"resample", tryResample}, {"switches", trySwitches}};
    int tried = 0;
    for (const auto& [target, tryInput] : targets) {
        const std::filesystem::path folder = std::filesystem::path(VIMBLE_TEST_DATA) / "fuzz" / target;
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            EXPECT_TRUE(tryInput(readFile(file.path().string()))) << file.path();
            ++tried;
        }
    }
    EXPECT_GT(tried, 0);
}
