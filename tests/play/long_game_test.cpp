// A game longer than any limit the record reader once had is kept, resumed and played on; its
// autosave is never taken for a damaged file.
#include <gtest/gtest.h>

#include <array>

#include "fakes/recording_platform.h"
#include "records/record_file.h"
#include "records/record_of_game.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using namespace testing;

// Both kings step out and back between two people, taking nothing.
records::GameRecord kings_walking(int moves) {
    Game game;
    game.start(MODE_MAN, FIRST_PLAYER, FIRST_PLAYER);
    const std::array<Move, 4> steps = {Move::board(5, 9, 5, 8), Move::board(5, 1, 5, 2),
                                       Move::board(5, 8, 5, 9), Move::board(5, 2, 5, 1)};
    for (int n = 0; n < moves; ++n)
        EXPECT_TRUE(game.play(steps[static_cast<std::size_t>(n % 4)], 1));
    return records::record_of_game(game, records::RecordEnd::LINE_END);
}

TEST(LongGame, PastTenThousandMovesItIsResumedAndKeptNeverSetAside) {
    const std::filesystem::path state = FakeWindow::make_temp_dir() / "state";
    std::filesystem::create_directories(state);
    const std::filesystem::path autosave = state / AUTOSAVE_FILE_NAME;
    ASSERT_EQ(records::save_record(kings_walking(10'003), autosave).japanese, "");
    {
        FakeWindow w(FakeWindow::make_temp_dir(), {}, state);
        w.start_up();
        w.form.SAIKAI_Click();
        EXPECT_EQ(w.lines("warning"), std::vector<std::string>{});
        EXPECT_EQ(w.form.state().move_count, 10'003);
        EXPECT_EQ(w.form.state().turn, w.form.state().upper_order);
        const auto click = [&w](int cx, int cy) {
            w.form.Form_MouseDown(MOUSE_LEFT, 0, board_left + cx * cell_width + cell_width / 2,
                                  board_top + cy * cell_height + cell_height / 2);
        };
        click(5, 2);  // the upper king steps back
        click(5, 1);
        EXPECT_EQ(w.form.state().move_count, 10'004);
        EXPECT_EQ(w.lines("warning"), std::vector<std::string>{});
    }
    const records::LoadResult kept = records::load_record(autosave);
    ASSERT_TRUE(kept.record) << kept.error.japanese;
    EXPECT_EQ(kept.record->moves.size(), 10'004u);
    for (const auto& entry : std::filesystem::directory_iterator(state))
        EXPECT_EQ(entry.path().filename().string().find("damaged"), std::string::npos)
            << "nothing was set aside: " << entry.path();
    std::filesystem::remove_all(state.parent_path());
}

}  // namespace
}  // namespace banzuri
