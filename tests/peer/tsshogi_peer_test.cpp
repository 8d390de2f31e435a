// Records other shogi software reads: tsshogi, the KIF library of popular shogi programs, reads
// every record this game writes with the same moves, and this game reads what tsshogi writes.
// The set-up installs tsshogi from npm into a cache folder once; the test is skipped only when
// npm's registry cannot be reached.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "cli/usi.h"
#include "peer/peer_setup.h"
#include "records/kif_format.h"
#include "records/kif_handicaps.h"
#include "records/position_sfen.h"
#include "records/random_records.h"
#include "records/record_file.h"

namespace banzuri::records {
namespace {

constexpr std::array<std::string_view, 16> kNamedStarts = {
    "平手",       "香落ち",     "右香落ち", "角落ち",   "飛車落ち",   "飛香落ち",
    "二枚落ち",   "三枚落ち",   "四枚落ち", "五枚落ち", "左五枚落ち", "六枚落ち",
    "左七枚落ち", "右七枚落ち", "八枚落ち", "十枚落ち"};

constexpr std::array<Ending, 9> kEndings = {
    Ending::none,          Ending::resignation, Ending::mate,
    Ending::loss_on_time,  Ending::foul_win,    Ending::foul_loss,
    Ending::entering_king, Ending::repetition,  Ending::impasse};

// tsshogi's name of the special move a record closes with; "" when a king was taken.
std::string peer_ending(const GameRecord& r) {
    static const std::map<Ending, std::string> names = {{Ending::none, "interrupt"},
                                                        {Ending::resignation, "resign"},
                                                        {Ending::mate, "mate"},
                                                        {Ending::loss_on_time, "timeout"},
                                                        {Ending::foul_win, "foulWin"},
                                                        {Ending::foul_loss, "foulLose"},
                                                        {Ending::entering_king, "enteringOfKing"},
                                                        {Ending::repetition, "repetitionDraw"},
                                                        {Ending::impasse, "impass"}};
    if (r.winner != Side::none && r.ending == Ending::none) return "";
    return names.at(r.ending);
}

struct Coverage {
    int captures = 0;
    int drops = 0;
    int promoted = 0;
    int declined = 0;
    int upper_first = 0;
    int endings = 0;
};

int hand_total(const GameState& g) {
    int n = 0;
    for (std::size_t k = 1; k <= 7; ++k)
        n += g.hand_own[k] + g.hand_enemy[k];
    return n;
}

// A seeded game: a named start or a ladder, flipped or upper-first start, random legal moves
// with times, and an ending when no king was taken.
GameRecord peer_game(std::uint32_t seed, int max_moves, Coverage& c) {
    std::mt19937 rng(seed);
    GameRecord r;
    r.start = seed % 3 == 0 ? testing::varied_start(rng, static_cast<int>(seed))
                            : *named_start(kNamedStarts[seed % kNamedStarts.size()]);
    r.game_mode = seed % 2 ? MODE_COM : MODE_MAN;
    r.level = r.game_mode == MODE_COM ? static_cast<int>(seed % 5) + 1 : 0;
    Game game = replay_game(r.start);
    std::array<int, 2> totals{};
    for (int i = 0; i < max_moves && !game.decided(); ++i) {
        const std::vector<Move> moves = game.legal_moves();
        if (moves.empty()) break;
        RecordedMove rm;
        rm.move = moves[rng() % moves.size()];
        rm.seconds = static_cast<int>(rng() % 90);
        int& total = totals[game.lower_to_move() ? 0 : 1];
        total += rm.seconds;
        rm.total = total;
        const int hands = hand_total(game.position());
        EXPECT_EQ(play_recorded(game, rm).japanese, "");
        c.captures += hand_total(game.position()) > hands;
        c.drops += rm.move.is_drop();
        c.promoted += rm.move.promote;
        c.declined += rm.could_promote && !rm.move.promote;
        r.moves.push_back(rm);
    }
    r.winner = winner_of(game);
    if (r.winner == Side::none) {
        r.ending = kEndings[rng() % kEndings.size()];
        r.winner = ending_winner(r.ending, lower_to_move_at_end(r));
    }
    c.upper_first += !r.start.lower_to_move;
    c.endings += r.ending != Ending::none;
    return r;
}

std::string usi_moves(const GameRecord& r) {
    std::string text;
    for (const RecordedMove& m : r.moves) {
        if (!text.empty()) text += ' ';
        text += cli::to_usi(m.move);
    }
    return text;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

class TsshogiPeer : public ::testing::Test {
  protected:
    void SetUp() override {
        work_ =
            std::filesystem::temp_directory_path() / ("banzuri-peer-" + std::to_string(::getpid()));
        std::filesystem::remove_all(work_);
        std::filesystem::create_directories(work_);
        std::string why;
        const testing::PeerState state = testing::install_tsshogi(work_, why);
        if (state == testing::PeerState::unreachable)
            GTEST_SKIP() << "npm's registry cannot be reached: " << why;
        ASSERT_EQ(state, testing::PeerState::ready) << why;
    }
    void TearDown() override { std::filesystem::remove_all(work_); }

    testing::Ran node(std::vector<std::string> args) {
        args.insert(args.begin(), {"node", TSSHOGI_PEER_SCRIPT,
                                   (testing::peer_cache() / "node_modules").string()});
        return testing::run_program(args, work_);
    }

    std::filesystem::path work_;
};

TEST_F(TsshogiPeer, ReadsEveryRecordThisGameWritesWithTheSameMoves) {
    Coverage c;
    std::map<std::string, GameRecord> written;
    std::vector<std::string> args = {"import"};
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const GameRecord r = peer_game(seed, 150, c);
        const std::string name = "game-" + std::to_string(seed) + (seed % 4 ? ".kifu" : ".kif");
        const std::optional<std::string> bytes = encode_record(r, work_ / name);
        ASSERT_TRUE(bytes) << name;
        std::ofstream(work_ / name, std::ios::binary) << *bytes;  // the bytes a save writes
        written[name] = r;
        args.push_back((work_ / name).string());
    }
    EXPECT_GT(c.captures, 400);
    EXPECT_GT(c.drops, 100);
    EXPECT_GT(c.promoted, 100);
    EXPECT_GT(c.declined, 100);
    EXPECT_GT(c.upper_first, 200);
    EXPECT_GT(c.endings, 100);

    const testing::Ran read = node(args);
    ASSERT_EQ(read.status, 0) << read.err;
    const std::vector<std::string> lines = split(read.out, '\n');
    ASSERT_EQ(lines.size(), written.size());
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = split(line, '\t');
        ASSERT_GE(fields.size(), 2u) << line;
        const GameRecord& r = written.at(fields[0]);
        ASSERT_EQ(fields[1], usi_moves(r)) << fields[0] << "\n" << write_kif(r);
        EXPECT_EQ(fields.size() > 2 ? fields[2] : "", peer_ending(r)) << fields[0];
    }
}

std::string winner_text(Side side) {
    return side == Side::lower ? "lower" : side == Side::upper ? "upper" : "none";
}

TEST_F(TsshogiPeer, RecordsTsshogiWritesReadToTheSameFinalPosition) {
    Coverage c;
    std::ofstream list(work_ / "games.txt");
    std::map<std::string, GameRecord> games;
    for (std::uint32_t n = 0; n < 60; ++n) {
        const GameRecord r = peer_game(3 * n + 1, 80, c);  // named starts only
        const std::string name = "peer-" + std::to_string(n);
        games[name] = r;
        const StartPosition& s = r.start;
        list << name << '\t'
             << position_sfen(s.board, s.hand_lower, s.hand_upper, s.lower_to_move, 1) << '\t'
             << usi_moves(r) << '\t' << peer_ending(r) << '\n';
    }
    list.close();
    EXPECT_GT(c.endings, 20);
    const testing::Ran exported = node({"export", (work_ / "games.txt").string(), work_.string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    for (const auto& [name, r] : games) {
        const std::filesystem::path file = work_ / (name + ".kifu");
        const testing::CliRun read = testing::run_cli({"record", file.string()});
        ASSERT_EQ(read.status, 0) << read.err << testing::slurp(file);
        Game game;
        ASSERT_EQ(replay(r, game), std::nullopt);
        const GameState& g = game.position();
        const std::string expected =
            position_sfen(g.board, g.hand_own, g.hand_enemy, lower_to_move_at_end(r),
                          static_cast<int>(r.moves.size()) + 1) +
            "\nwinner: " + winner_text(r.winner) + "\n";
        EXPECT_EQ(read.out, expected) << testing::slurp(file);
    }
}

}  // namespace
}  // namespace banzuri::records
