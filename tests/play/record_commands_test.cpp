// Saving, opening and resuming games through the window's handlers, and copying the position.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "fakes/recording_platform.h"
#include "records/record_file.h"

namespace banzuri {
namespace {

using testing::FakeWindow;

std::string read_all(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A started window whose autosave goes to `state`.
struct Window : FakeWindow {
    explicit Window(const std::filesystem::path& state) : FakeWindow(make_temp_dir(), {}, state) {
        write_sound_files();
        form.Form_Load();
        log.clear();
    }
    void click(int cx, int cy, int button = MOUSE_LEFT) {
        form.Form_MouseDown(button, 0, board_left + cx * cell_width + cell_width / 2,
                            board_top + cy * cell_height + cell_height / 2);
    }
    // A move of the side to move after `seconds` of thought.
    void move(int fx, int fy, int tx, int ty, double seconds = 3) {
        clock.now += seconds;
        click(fx, fy);
        click(tx, ty);
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.rfind("message", 0) == 0 || line.rfind("warning", 0) == 0 ||
                line.rfind("ask", 0) == 0)
                out.push_back(line);
        return out;
    }
};

struct Records : ::testing::Test {
    Records() : state(FakeWindow::make_temp_dir() / "state") {}
    ~Records() override {
        std::error_code ignored;
        std::filesystem::remove_all(state.parent_path(), ignored);
    }
    std::filesystem::path file(const std::string& name) const { return state.parent_path() / name; }
    std::filesystem::path autosave() const { return state / AUTOSAVE_FILE_NAME; }

    // Four moves between two people: two pawns each, 3 s a move.
    static void play_four(Window& w) {
        w.form.START_Click();
        w.move(7, 7, 7, 6);
        w.move(3, 3, 3, 4);
        w.move(2, 7, 2, 6);
        w.move(8, 3, 8, 4);
        w.log.clear();
    }

    std::filesystem::path state;
};

TEST_F(Records, ASavedGameOpensInAFreshWindowAndCanBeSteppedAndContinued) {
    Window a(state);
    play_four(a);
    a.form.REPLAY_Click();  // stepped back: the save still holds the whole game
    a.files.answers.push_back(file("game.kifu"));
    a.form.KIFU_HOZON_Click();
    ASSERT_EQ(a.boxes(), std::vector<std::string>{});
    a.form.AFTER_Click();
    const GameState& played = a.form.state();

    Window b(state / "other");
    b.files.answers.push_back(file("game.kifu"));
    b.form.KIFU_HIRAKU_Click();
    EXPECT_EQ(b.boxes(), std::vector<std::string>{});
    const GameState& opened = b.form.state();
    EXPECT_EQ(opened.board, played.board);
    EXPECT_EQ(opened.move_count, 4);
    EXPECT_EQ(opened.turn, opened.lower_order);
    EXPECT_EQ(opened.game_mode, MODE_MAN);
    EXPECT_EQ(opened.time_lower, 6);
    EXPECT_EQ(opened.time_upper, 6);

    for (int n = 3; n >= 0; --n) {
        b.form.REPLAY_Click();
        EXPECT_EQ(b.form.state().board, played.record[static_cast<std::size_t>(n)].board);
    }
    b.form.AFTER_Click();
    b.form.AFTER_Click();
    EXPECT_EQ(b.form.state().at(3, 4), UPPER_HU);
    EXPECT_EQ(b.form.state().at(2, 6), EMPTY);
    // Play goes on from here: the lower side moves another pawn.
    b.move(5, 7, 5, 6);
    EXPECT_EQ(b.form.state().at(5, 6), LOWER_HU);
    EXPECT_EQ(b.form.state().move_count, 3);
    b.form.CANCEL_Click();  // 最初
    EXPECT_EQ(b.form.state().turn, TURN_NONE);
}

TEST_F(Records, AGameAgainstTheComputerOpensAgainstTheComputerAtItsLevel) {
    Window a(state);
    a.form.LEVEL1_Click();
    a.form.SENTE_Click();
    a.move(7, 7, 7, 6);  // the computer answers at once
    ASSERT_EQ(a.form.state().move_count, 2);
    a.files.answers.push_back(file("com.kifu"));
    a.form.KIFU_HOZON_Click();
    const std::string text = read_all(file("com.kifu"));
    EXPECT_NE(text.find("後手：コンピュータ LEVEL1"), std::string::npos);

    Window b(state / "other");
    b.files.answers.push_back(file("com.kifu"));
    b.form.KIFU_HIRAKU_Click();
    EXPECT_EQ(b.form.state().game_mode, MODE_COM);
    EXPECT_EQ(b.form.state().level, 1);
    EXPECT_TRUE(b.form.checked(MenuItem::LEVEL1));
    EXPECT_EQ(b.form.state().turn, b.form.state().lower_order);
    b.move(2, 7, 2, 6);
    EXPECT_EQ(b.form.state().move_count, 4);  // the computer answered again
    EXPECT_EQ(b.form.state().turn, b.form.state().lower_order);
}

TEST_F(Records, AGameAgainstALookAheadLevelOpensAtThatLevel) {
    std::ofstream(file("level5.kifu")) << "手合割：平手\n先手：あなた\n後手：コンピュータ LEVEL5\n"
                                          "手数----指手---------消費時間--\n"
                                          "   1 ７六歩(77)   ( 0:03/00:00:03)\n"
                                          "   2 ３四歩(33)   ( 0:01/00:00:01)\n";
    Window w(state);
    w.files.answers.push_back(file("level5.kifu"));
    w.form.KIFU_HIRAKU_Click();
    EXPECT_EQ(w.form.state().game_mode, MODE_COM);
    EXPECT_EQ(w.form.state().level, 5);
    EXPECT_TRUE(w.form.checked(MenuItem::LEVEL5));
    EXPECT_FALSE(w.form.checked(MenuItem::LEVEL3));
}

TEST_F(Records, ABadFileIsRefusedOnceByLineAndTheGameStays) {
    Window w(state);
    play_four(w);
    const Board before = w.form.state().board;
    std::ofstream(file("bad.kifu")) << "手合割：平手\n手数----指手---------消費時間--\n"
                                       "   1 ７六歩(77)\n   2 ７六歩(73)\n";
    w.files.answers.push_back(file("bad.kifu"));
    w.form.KIFU_HIRAKU_Click();
    const auto boxes = w.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("warning [棋譜を開く] 「" + file("bad.kifu").string() + "」", 0), 0u);
    EXPECT_NE(boxes[0].find("4行目"), std::string::npos);
    EXPECT_NE(boxes[0].find("表示中の対局はそのままです。"), std::string::npos);
    EXPECT_EQ(w.form.state().board, before);
    EXPECT_EQ(w.form.state().move_count, 4);
}

TEST_F(Records, RefusalsAndFailuresSayWhyAndKeepTheGame) {
    Window w(state);
    w.form.KIFU_HOZON_Click();
    w.form.SAIKAI_Click();
    EXPECT_EQ(w.boxes(),
              (std::vector<std::string>{"message [棋譜を保存] 保存する対局がありません",
                                        "message [前回の対局を再開] 前回の対局は残っていません"}));
    play_four(w);
    const std::filesystem::path nowhere = file("no-such-folder") / "game.kifu";
    w.files.answers.push_back(nowhere);
    w.form.KIFU_HOZON_Click();
    EXPECT_EQ(w.boxes(),
              std::vector<std::string>{"warning [棋譜を保存] 「" + nowhere.string() +
                                       "」を保存できません: ファイルかフォルダがありません\n"
                                       "対局はそのまま続けられます。"});
    EXPECT_EQ(w.form.state().move_count, 4);
    w.log.clear();
    w.form.KIFU_HOZON_Click();  // cancelled: nothing written, nothing said
    EXPECT_EQ(w.boxes(), std::vector<std::string>{});
}

// The file's own text stays as written; everything the game says about it is English.
TEST_F(Records, InEnglishWhyAFileCannotBeReadOrWrittenIsEnglish) {
    Window w(state);
    w.form.set_language(Language::ENGLISH);
    play_four(w);
    std::ofstream(file("bad.kifu")) << "手合割：平手\n   1 ７六歩(77)\n   2 ７六歩(73)\n";
    w.files.answers.push_back(file("bad.kifu"));
    w.form.KIFU_HIRAKU_Click();
    const std::filesystem::path nowhere = file("no-such-folder") / "game.kifu";
    w.files.answers.push_back(nowhere);
    w.form.KIFU_HOZON_Click();
    EXPECT_EQ(w.boxes(), (std::vector<std::string>{
                             "warning [Open Record] “" + file("bad.kifu").string() +
                                 "” is not a readable record: line 3: move 2 “７六歩(73)”: the "
                                 "move cannot be played in this position\n"
                                 "The game shown stays as it was.",
                             "warning [Save Record] “" + nowhere.string() +
                                 "” cannot be saved: there is no such file or folder\n"
                                 "The game goes on."}));
    EXPECT_EQ(w.form.state().move_count, 4);
}

TEST_F(Records, OpeningOverUnsavedMovesAsksFirst) {
    Window a(state);
    play_four(a);
    a.files.answers.push_back(file("game.kifu"));
    a.form.KIFU_HOZON_Click();
    a.move(5, 7, 5, 6);  // unsaved now
    a.log.clear();
    Window other(state / "other");
    other.form.START_Click();
    other.move(9, 7, 9, 6);
    other.files.answers.push_back(file("other.kifu"));
    other.form.KIFU_HOZON_Click();

    a.files.answers.push_back(file("other.kifu"));
    a.form.KIFU_HIRAKU_Click();  // answered No
    EXPECT_EQ(a.boxes(),
              std::vector<std::string>{"ask [棋譜を開く] 保存していない指し手があります。\n"
                                       "この対局をやめて開きますか？"});
    EXPECT_EQ(a.dialogs.preferred_answers, std::vector<Answer>{Answer::NO})
        << "Enter keeps the unsaved game";
    EXPECT_EQ(a.form.state().move_count, 5);
    a.dialogs.answers.push_back(true);
    a.files.answers.push_back(file("other.kifu"));
    a.form.KIFU_HIRAKU_Click();
    EXPECT_EQ(a.form.state().move_count, 1);
    a.log.clear();
    a.files.answers.push_back(file("game.kifu"));
    a.form.KIFU_HIRAKU_Click();  // nothing unsaved: no question
    EXPECT_EQ(a.boxes(), std::vector<std::string>{});
    EXPECT_EQ(a.form.state().move_count, 4);
}

TEST_F(Records, EveryMoveIsKeptAndTheLastGameComesBack) {
    auto a = std::make_unique<Window>(state);
    a->form.START_Click();
    for (int n = 1; n <= 3; ++n) {
        const int x = 6 + n;
        a->move(x, 7, x, 6);
        a->move(x - 5, 3, x - 5, 4);
        const records::LoadResult kept = records::load_record(autosave());
        ASSERT_TRUE(kept.record) << kept.error.japanese;
        EXPECT_EQ(kept.record->moves.size(), static_cast<std::size_t>(2 * n));
    }
    const Board played = a->form.state().board;
    a.reset();  // closed, or killed: the file is all that is left

    Window b(state);
    b.form.SAIKAI_Click();
    EXPECT_EQ(b.boxes(), std::vector<std::string>{});
    EXPECT_EQ(b.form.state().board, played);
    EXPECT_EQ(b.form.state().move_count, 6);
    b.form.REPLAY_Click();
    EXPECT_EQ(b.form.state().at(4, 4), EMPTY);
}

TEST_F(Records, ADecidedGameComesBackDecidedAndOpenOneStepBack) {
    Window a(state);
    a.lay_out(testing::Position::kings().put(4, 1, LOWER_KIN).put(6, 2, LOWER_KIN));
    a.form.START_Click();
    a.dialogs.answers.push_back(true);  // 続けますか？
    a.move(6, 2, 6, 1);                 // the upper king is sandwiched and taken
    ASSERT_EQ(a.form.state().turn, TURN_NONE);

    Window b(state);
    b.form.SAIKAI_Click();
    EXPECT_EQ(b.form.state().winner, b.form.state().lower_order);
    b.form.REPLAY_Click();
    EXPECT_EQ(b.form.state().winner, TURN_NONE);
    EXPECT_EQ(b.form.state().at(5, 1), UPPER_OU);
    b.form.AFTER_Click();
    EXPECT_EQ(b.form.state().winner, b.form.state().lower_order);
}

TEST_F(Records, ADamagedAutosaveIsReportedAndSetAsideNeverDeleted) {
    std::filesystem::create_directories(state);
    std::ofstream(autosave()) << "not a record\n";
    Window w(state);
    w.form.SAIKAI_Click();
    const auto boxes = w.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(
                  "warning [前回の対局を再開] 前回の対局のファイルが壊れていて再開できません。", 0),
              0u);
    const std::filesystem::path aside = state / (std::string(AUTOSAVE_FILE_NAME) + ".damaged");
    EXPECT_NE(boxes[0].find("「" + aside.string() + "」に移して残してあります。"),
              std::string::npos);
    EXPECT_EQ(read_all(aside), "not a record\n");
    EXPECT_FALSE(std::filesystem::exists(autosave()));
}

TEST_F(Records, TheFirstAutosaveOfARunSetsADamagedOneAside) {
    std::filesystem::create_directories(state);
    std::ofstream(autosave()) << "damaged\n";
    std::ofstream(state / (std::string(AUTOSAVE_FILE_NAME) + ".damaged")) << "older\n";
    Window w(state);
    w.form.START_Click();
    w.move(7, 7, 7, 6);
    w.move(3, 3, 3, 4);
    const auto warnings = w.lines("warning");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("warning [自動保存] 前回の対局のファイルが壊れていました。", 0),
              0u);
    EXPECT_EQ(read_all(state / (std::string(AUTOSAVE_FILE_NAME) + ".damaged-2")), "damaged\n");
    EXPECT_TRUE(records::load_record(autosave()).record);
}

TEST_F(Records, CopyPutsThePositionShownOnTheClipboardAsSfen) {
    Window w(state);
    w.form.KYOKUMEN_COPY_Click();
    EXPECT_EQ(w.clipboard.text, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    play_four(w);
    w.form.REPLAY_Click();
    w.form.KYOKUMEN_COPY_Click();
    EXPECT_EQ(w.clipboard.text,
              "lnsgkgsnl/1r5b1/pp1pppppp/2p6/9/1P4P2/P1PPPP1PP/1B5R1/LNSGKGSNL w - 4");
}

TEST(StateFolder, FollowsXdgStateHomeElseTheHomeFolder) {
    EXPECT_EQ(state_folder("/x/state", "/home/a"), std::filesystem::path("/x/state/banzuri"));
    EXPECT_EQ(state_folder("relative", "/home/a"),
              std::filesystem::path("/home/a/.local/state/banzuri"));
    EXPECT_EQ(state_folder("", "/home/a"), std::filesystem::path("/home/a/.local/state/banzuri"));
    EXPECT_EQ(state_folder("", ""), std::filesystem::path());
}

}  // namespace
}  // namespace banzuri

namespace banzuri {
namespace {

TEST_F(Records, AFailedAutosaveIsReportedOnceAndTheGameGoesOn) {
    std::filesystem::create_directories(state.parent_path());
    std::ofstream(state) << "a file where the folder should be\n";
    Window w(state);
    w.form.START_Click();
    w.move(7, 7, 7, 6);
    w.move(3, 3, 3, 4);
    const auto warnings = w.lines("warning");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("warning [自動保存] 対局を自動保存できません。\n「", 0), 0u);
    EXPECT_NE(warnings[0].find("\n対局はそのまま続けられます。"), std::string::npos);
    EXPECT_EQ(w.form.state().move_count, 2);
}

}  // namespace
}  // namespace banzuri
