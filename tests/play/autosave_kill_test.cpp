// The autosave survives the program being killed at any moment: a child process plays and
// autosaves move after move until it is killed at a random (seeded) moment; the file is then
// always a complete record, the old one or the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "fakes/recording_platform.h"
#include "records/record_file.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

// Plays king moves up and back between two people for ever, autosaving after every move.
[[noreturn]] void play_for_ever(const std::filesystem::path& state) {
    FakeWindow w(FakeWindow::make_temp_dir(), {}, state);
    w.form.Form_Load();
    w.form.START_Click();
    const int shuttle[4][4] = {{5, 9, 5, 8}, {5, 1, 5, 2}, {5, 8, 5, 9}, {5, 2, 5, 1}};
    for (long n = 0;; ++n) {
        const int* m = shuttle[n % 4];
        w.clock.now += 1;
        for (int i = 0; i < 2; ++i)
            w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + (m[2 * i] + 0.5) * cell_width,
                                  board_top + (m[2 * i + 1] + 0.5) * cell_height);
        w.log.clear();
    }
}

void remove_child_folders(pid_t child) {
    const std::string prefix = "banzuri-test-" + std::to_string(child) + "-";
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path(), error))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            std::filesystem::remove_all(entry.path(), error);
}

TEST(AutosaveKill, TheFileIsAlwaysACompleteRecord) {
    const std::filesystem::path dir = FakeWindow::make_temp_dir();
    const std::filesystem::path state = dir / "state";
    const std::filesystem::path file = state / AUTOSAVE_FILE_NAME;
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> delay_us(5'000, 120'000);
    std::size_t seen_moves = 0;
    for (int round = 0; round < 16; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) play_for_ever(state);
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        remove_child_folders(child);
        EXPECT_TRUE(WIFSIGNALED(status));
        if (!std::filesystem::exists(file)) continue;  // killed before its first move
        const records::LoadResult kept = records::load_record(file);
        ASSERT_TRUE(kept.record) << "round " << round << ": " << kept.error.japanese;
        seen_moves = std::max(seen_moves, kept.record->moves.size());
    }
    EXPECT_GT(seen_moves, 0u) << "no child got to write";  // the children did get to write
    RecordProperty("most_moves_kept", static_cast<int>(seen_moves));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace banzuri
