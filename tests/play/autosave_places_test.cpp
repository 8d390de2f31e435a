// Where the game in progress is kept: each running window in a place of its own, chosen with a
// lock; 前回の対局を再開 offering every kept game, the most recent first; stale temporary files
// cleared at start; and whatever stands in the state folder's place left exactly as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fakes/recording_platform.h"
#include "files/file_lock.h"
#include "play/saved_games.h"
#include "records/record_file.h"

namespace banzuri {
namespace {

namespace fs = std::filesystem;
using testing::FakeWindow;

// A started window whose autosave goes to `state`.
struct Window : FakeWindow {
    explicit Window(const fs::path& state) : FakeWindow(make_temp_dir(), {}, state) {
        write_sound_files();
        form.Form_Load();
        log.clear();
    }
    void click(int cx, int cy) {
        form.Form_MouseDown(MOUSE_LEFT, 0, board_left + cx * cell_width + cell_width / 2,
                            board_top + cy * cell_height + cell_height / 2);
    }
    void move(int fx, int fy, int tx, int ty) {
        clock.now += 3;
        click(fx, fy);
        click(tx, ty);
    }
    // `pairs` moves of each side between two people: pawns up the files from the right.
    void play(int pairs) {
        form.START_Click();
        for (int n = 1; n <= pairs; ++n) {
            move(n, 7, n, 6);
            move(10 - n, 3, 10 - n, 4);
        }
    }
};

struct AutosavePlaces : ::testing::Test {
    AutosavePlaces() : state(FakeWindow::make_temp_dir() / "state") {}
    ~AutosavePlaces() override {
        std::error_code ignored;
        fs::remove_all(state.parent_path(), ignored);
    }
    fs::path place(int n) const { return state / autosave_name(n); }
    std::size_t moves_in(int n) const {
        const records::LoadResult kept = records::load_record(place(n));
        EXPECT_TRUE(kept.record) << kept.error.japanese;
        return kept.record ? kept.record->moves.size() : 0;
    }
    // Written `minutes_ago`, as the clock on the wall goes.
    void written(int n, int minutes_ago) const {
        fs::last_write_time(place(n),
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutes_ago));
    }
    static mode_t mode_of(const fs::path& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
    fs::path state;
};

TEST(AutosaveNames, PlacesAndLabels) {
    EXPECT_EQ(autosave_name(1), "last-game.kifu");
    EXPECT_EQ(autosave_name(2), "last-game-2.kifu");
    EXPECT_EQ(autosave_lock_name(1), ".last-game.kifu.lock");
    EXPECT_EQ(autosave_lock_name(9), ".last-game-9.kifu.lock");
    SavedGame game{"/s/last-game-2.kifu", {2024, 5, 1, 9, 5, 59}, 12};
    EXPECT_EQ(saved_game_label(game), "12手・最後の指し手 2024/05/01 09:05（last-game-2.kifu）");
    game.moves.reset();
    EXPECT_EQ(saved_game_label(game),
              "読めないファイル・最後の書き込み 2024/05/01 09:05（last-game-2.kifu）");
    EXPECT_EQ(saved_game_label(game, Language::ENGLISH),
              "unreadable file, last written 2024/05/01 09:05 (last-game-2.kifu)");
    game.moves = 12;
    EXPECT_EQ(saved_game_label(game, Language::ENGLISH),
              "12 moves, last move 2024/05/01 09:05 (last-game-2.kifu)");
}

TEST_F(AutosavePlaces, TwoWindowsKeepTheirGamesBesideEachOther) {
    auto first = std::make_unique<Window>(state);
    Window second(state);
    first->play(2);
    second.play(3);
    first->move(5, 7, 5, 6);
    EXPECT_EQ(moves_in(1), 5u);
    EXPECT_EQ(moves_in(2), 6u);
    EXPECT_EQ(first->lines("warning"), std::vector<std::string>{});
    EXPECT_EQ(second.lines("warning"), std::vector<std::string>{});
    // A closed window gives its place up to the next one; the other game stays.
    first.reset();
    Window third(state);
    third.play(1);
    EXPECT_EQ(moves_in(1), 2u);
    EXPECT_EQ(moves_in(2), 6u);
    EXPECT_FALSE(fs::exists(place(3)));
}

TEST_F(AutosavePlaces, ResumeOffersTheMostRecentGameFirstAndTheOtherOneToo) {
    {
        Window a(state);
        Window b(state);
        a.play(2);
        b.play(3);
    }
    written(1, 5);
    written(2, 60);  // the second window's game is the older one
    Window w(state);
    w.form.SAIKAI_Click();  // cancelled: nothing changes
    const auto asked = w.lines("choose");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind("choose [前回の対局を再開] 再開する対局を選んでください。\n"
                             "新しいものが先頭です。\n- 4手・最後の指し手 ",
                             0),
              0u)
        << asked[0];
    EXPECT_NE(asked[0].find("（last-game.kifu）\n- 6手・最後の指し手 "), std::string::npos);
    EXPECT_NE(asked[0].find("（last-game-2.kifu）"), std::string::npos);
    EXPECT_EQ(w.form.state().move_count, 0);

    w.dialogs.choices = {1};
    w.form.SAIKAI_Click();
    EXPECT_EQ(w.form.state().move_count, 6);
    w.dialogs.choices = {0};
    w.form.SAIKAI_Click();
    EXPECT_EQ(w.form.state().move_count, 4);
    EXPECT_EQ(w.lines("warning"), std::vector<std::string>{});
}

TEST_F(AutosavePlaces, ADamagedGameOfAnotherPlaceIsSetAsideAndOursStillChecked) {
    { Window(state).play(2); }
    std::ofstream(place(2)) << "damaged\n";
    written(2, 1);
    written(1, 10);
    fs::create_directories(state);
    Window w(state);  // takes the first place
    w.dialogs.choices = {0};
    w.form.SAIKAI_Click();
    const auto warnings = w.lines("warning");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("warning [前回の対局を再開] 前回の対局のファイルが壊れていて", 0),
              0u);
    EXPECT_TRUE(fs::exists(state / "last-game-2.kifu.damaged"));
    EXPECT_EQ(moves_in(1), 4u);
    w.form.SAIKAI_Click();  // one game left: no choice to make
    EXPECT_EQ(w.lines("choose").size(), 1u);
    EXPECT_EQ(w.form.state().move_count, 4);
}

TEST_F(AutosavePlaces, WithEveryPlaceTakenTheGameGoesOnAndSaysItIsNotKept) {
    fs::create_directories(state);
    std::vector<files::FileLock> others;
    for (int n = 1; n <= AUTOSAVE_PLACES; ++n)
        others.emplace_back(state / autosave_lock_name(n));
    Window w(state);
    w.play(2);
    w.move(5, 7, 5, 6);
    EXPECT_EQ(w.lines("warning"),
              std::vector<std::string>{
                  "warning [自動保存] ほかに開いているウィンドウが多すぎるため、この対局は自動保存"
                  "できません。\n対局はそのまま続けられます。"});
    EXPECT_EQ(w.form.state().move_count, 5);
    for (int n = 1; n <= AUTOSAVE_PLACES; ++n)
        EXPECT_FALSE(fs::exists(place(n)));
}

TEST_F(AutosavePlaces, StaleTemporaryFilesOfEveryPlaceGoAtStartYoungOnesStay) {
    fs::create_directories(state);
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const char* name : {".last-game.kifu.AbC123", ".last-game-2.kifu.Zz9900",
                             ".last-game.kifu.Young1", "last-game.kifu.AbC123"})
        std::ofstream(state / name) << "partial";
    for (const char* name :
         {".last-game.kifu.AbC123", ".last-game-2.kifu.Zz9900", "last-game.kifu.AbC123"})
        fs::last_write_time(state / name, old);
    Window w(state);
    EXPECT_FALSE(fs::exists(state / ".last-game.kifu.AbC123"));
    EXPECT_FALSE(fs::exists(state / ".last-game-2.kifu.Zz9900"));
    EXPECT_TRUE(fs::exists(state / ".last-game.kifu.Young1"));  // may be another's write now
    EXPECT_TRUE(fs::exists(state / "last-game.kifu.AbC123"));   // not one of ours
}

TEST_F(AutosavePlaces, ANewStateFolderIsPrivateAndWhatStandsInItsPlaceIsLeftAlone) {
    {
        Window w(state);
        EXPECT_FALSE(fs::exists(state));  // only started, the game writes nothing
        w.play(1);
    }
    EXPECT_EQ(mode_of(state), 0700u);

    // A file where the folder should be: the autosave fails and says so; the file is as it was.
    const fs::path taken = state.parent_path() / "taken";
    std::ofstream(taken) << "mine";
    ::chmod(taken.c_str(), 0644);
    Window w(taken);
    w.play(2);
    const auto warnings = w.lines("warning [自動保存] 対局を自動保存できません。");
    EXPECT_EQ(warnings.size(), 1u);  // once, not after every move
    EXPECT_EQ(mode_of(taken), 0644u);
    std::ifstream in(taken);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");

    // A link to a file there: neither is changed.
    const fs::path link = state.parent_path() / "link";
    fs::create_symlink(taken, link);
    Window through_link(link);
    through_link.play(1);
    EXPECT_EQ(mode_of(taken), 0644u);
    EXPECT_TRUE(fs::is_symlink(link));

    // An existing folder keeps its own mode.
    const fs::path shared = state.parent_path() / "shared";
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 0755);
    Window in_shared(shared);
    in_shared.play(1);
    EXPECT_EQ(mode_of(shared), 0755u);
    EXPECT_TRUE(fs::exists(shared / "last-game.kifu"));
}

}  // namespace
}  // namespace banzuri
