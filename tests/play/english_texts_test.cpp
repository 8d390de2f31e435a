// The game in English: the message boxes and their titles, the labels and move texts drawn on
// the board hold no Japanese character; the language changes mid-game without changing the
// game, and back in Japanese the screen is drawn exactly as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "japanese.h"
#include "play/move_list.h"
#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::Log;
using testing::PlayWindow;
using testing::Position;

using testing::has_japanese;

// What a player reads: boxes, questions, warnings and the texts drawn.
bool read_by_player(const std::string& line) {
    for (const char* kind : {"message ", "ask ", "warning ", "choose ", "text ", "shadow "})
        if (line.rfind(kind, 0) == 0) return true;
    return false;
}

void expect_english(const Log& log) {
    int read = 0;
    for (const std::string& line : log) {
        if (!read_by_player(line)) continue;
        ++read;
        EXPECT_FALSE(has_japanese(line)) << line;
    }
    EXPECT_GT(read, 0);
}

int count_starting(const Log& log, const std::string& start) {
    int n = 0;
    for (const std::string& line : log)
        if (line.rfind(start, 0) == 0) ++n;
    return n;
}

TEST(EnglishTexts, RefusalsMovesLabelsAndStepsOfAGameBetweenPeople) {
    PlayWindow w;
    w.form.set_language(Language::ENGLISH);
    w.click(5, 5);         // no game yet
    w.form.AFTER_Click();  // nor a record
    w.form.START_Click();
    w.form.REPLAY_Click();  // nothing before the start
    w.form.MATTA_Click();   // nor a move to take back
    w.click(7, 7);
    w.click(7, 6);
    w.click(3, 3);
    w.click(3, 4);
    w.form.LBEL_UP_Click();  // the ladder during the game
    w.form.REPLAY_Click();
    w.form.AFTER_Click();
    w.form.AFTER_Click();  // nothing after the latest
    w.form.REVERSE_Click();
    w.form.TATAMI_Click();
    expect_english(w.log);
    EXPECT_TRUE(w.has("message [Start] Start a game from the Game menu first."));
    EXPECT_TRUE(w.has("message [Back] There is no earlier position."));
    EXPECT_TRUE(w.has("message [Take Back] There is no move to take back."));
    EXPECT_TRUE(w.has("message [Forward] There is no later position."));
    EXPECT_TRUE(
        w.has("message [Handicap] Not while a game is being played.\n\n"
              "Choose Position → Start Over first."));
    EXPECT_GT(count_starting(w.log, "text \"P-3f\""), 0) << "the lower side's move";
    EXPECT_GT(count_starting(w.log, "text \"P-7d\""), 0) << "the upper side's move";
    EXPECT_GT(count_starting(w.log, "text \"moves\""), 0);
}

// Both golds could go to 5h: the label beside the board names the one that went, as the move
// list does; a pawn's move, which only one pawn could make, does not.
TEST(EnglishTexts, TheMoveLabelNamesTheOriginWhenAnotherPieceCouldHaveGone) {
    PlayWindow w;
    w.form.set_language(Language::ENGLISH);
    w.start_people_game();
    w.click(4, 9);
    w.click(5, 8);
    w.click(3, 3);
    w.click(3, 4);
    EXPECT_GT(count_starting(w.log, "text \"G6i-5h\""), 0);
    EXPECT_GT(count_starting(w.log, "text \"P-7d\""), 0);
    w.log.clear();
    w.form.REPLAY_Click();  // stepping through the game draws the label again
    w.form.REPLAY_Click();
    w.form.AFTER_Click();
    EXPECT_GT(count_starting(w.log, "text \"G6i-5h\""), 0);
    EXPECT_EQ(count_starting(w.log, "text \"G-5h\""), 0);
}

TEST(EnglishTexts, TheEndOfAGameAgainstTheComputer) {
    PlayWindow w;
    w.form.set_language(Language::ENGLISH);
    w.lay_out(Position::king_in_reach());
    w.form.SENTE_Click();
    w.click(7, 7);
    w.click(7, 6);
    expect_english(w.log);
    EXPECT_TRUE(w.has("message [Game Over] You win!"));
    EXPECT_TRUE(w.has("ask [New Game] Play another game?"));
}

TEST(EnglishTexts, SwitchingMidGameKeepsTheGameAndJapaneseComesBackExactly) {
    PlayWindow w;
    w.start_people_game();
    w.click(7, 7);
    w.click(7, 6);
    w.click(3, 3);
    w.click(3, 4);
    const GameState before = w.form.state();
    const std::size_t moves = w.form.game().moves().size();
    w.log.clear();
    w.form.TATAMI_Click();  // the whole screen in Japanese, as a redraw draws it
    const Log japanese = w.log;

    w.log.clear();
    w.form.set_language(Language::ENGLISH);
    expect_english(w.log);
    EXPECT_GT(count_starting(w.log, "text \"P-7d\""), 0);
    EXPECT_EQ(w.form.game().moves().size(), moves);
    EXPECT_EQ(w.form.state().board, before.board);
    EXPECT_EQ(w.form.state().turn, before.turn);
    w.click(2, 7);  // the game goes on in English
    w.click(2, 6);
    EXPECT_EQ(w.form.game().moves().size(), moves + 1);
    EXPECT_GT(count_starting(w.log, "text \"P-8f\""), 0);
    w.form.REPLAY_Click();  // back to the same position

    w.form.set_language(Language::JAPANESE);
    w.log.clear();
    w.form.TATAMI_Click();
    EXPECT_EQ(w.log, japanese);
}

// Chosen before start-up, as the window does: the warnings of the start are English too.
TEST(EnglishTexts, NoSoundSystemAndASettingsFileThatCannotBeWritten) {
    testing::FakeWindow w;
    w.sound.device_ok = false;
    std::filesystem::create_directory(w.folder / "Banzuri.ini");
    w.form.set_language(Language::ENGLISH);
    w.write_sound_files();
    w.form.Form_Load();
    w.form.TAKE_Click();
    expect_english(w.log);
    const auto has = [&w](const std::string& line) {
        return std::find(w.log.begin(), w.log.end(), line) != w.log.end();
    };
    EXPECT_TRUE(
        has("warning [Banzuri.dll] No sound device could be opened. The game plays "
            "without sound."));
    EXPECT_TRUE(
        has("warning [Banzuri.ini] The settings file Banzuri.ini cannot be written.\n"
            "Your changes last until the game ends."));
}

// The marks of a look over the game are the analysis's own words in Japanese.
TEST(EnglishTexts, AnalysisMarksInBothLanguages) {
    EXPECT_EQ(text(TextId::MARK_DUBIOUS, Language::JAPANESE), mark_text(MoveMark::dubious));
    EXPECT_EQ(text(TextId::MARK_BLUNDER, Language::JAPANESE), mark_text(MoveMark::blunder));
    EXPECT_EQ(text(TextId::MARK_BLUNDER, Language::ENGLISH), "blunder");
}

TEST(EnglishTexts, TheMoveListInWesternNotation) {
    PlayWindow w;
    w.start_people_game();
    w.click(7, 7);
    w.click(7, 6);
    const MoveList english = move_list_of(w.form.game(), nullptr, Language::ENGLISH);
    EXPECT_EQ(english.turn, "△White to move");
    EXPECT_EQ(english.players, "▲Black: Human   △White: Human");
    ASSERT_EQ(english.rows.size(), 2u);
    EXPECT_EQ(english.rows[0], "Start position");
    EXPECT_EQ(english.rows[1], "   1 ▲P-3f");
    for (const std::string& line : {english.turn, english.players, english.clocks})
        EXPECT_FALSE(has_japanese(line)) << line;
    const MoveList japanese = move_list_of(w.form.game());
    EXPECT_EQ(japanese.rows[1], "   1 ▲３六歩(37)");
    EXPECT_EQ(japanese.turn, "△後手の番");
}

}  // namespace
}  // namespace banzuri
