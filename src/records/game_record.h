// A saved game: the start position, every move with its time, who played and how it ended.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/game_state.h"
#include "rules/move_type.h"

namespace banzuri::records {

enum class Side { none, lower, upper };

// Any start: the usual one, a handicap ladder position, or a flipped board, either side first.
struct StartPosition {
    Board board{};
    Hand hand_lower{};
    Hand hand_upper{};
    bool lower_to_move = true;
    bool operator==(const StartPosition&) const = default;
};

struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const DateTime&) const = default;
};

struct RecordedMove {
    Move move;
    int piece = EMPTY;           // the code that moved (the dropped code for a drop)
    bool could_promote = false;  // the move was one that may promote, whether it did or not
    int seconds = 0;             // thinking time of this move
    int total = 0;               // the mover's accumulated time after it
    bool operator==(const RecordedMove&) const = default;
};

// How a game ended that no king decided, by the word of its closing line: the side to move
// gave up (投了) or lost (詰み, 切れ負け or 時間切れ, 反則負け), won (反則勝ち, 入玉勝ち), or the
// game was drawn (千日手, 持将棋). `none`: a king was taken, or the game was left unfinished.
enum class Ending {
    none,
    resignation,
    mate,
    loss_on_time,
    foul_loss,
    foul_win,
    entering_king,
    repetition,
    impasse,
};

struct GameRecord {
    StartPosition start;
    std::vector<RecordedMove> moves;
    std::optional<DateTime> started;
    std::optional<DateTime> ended;  // set once the game is decided
    int game_mode = MODE_MAN;
    int level = 0;  // the computer's strength 1..5 against the computer, 0 between humans
    Side winner = Side::none;
    Ending ending = Ending::none;
    // The players' names when they are not those the mode and the level give, and a note.
    std::string lower_name;
    std::string upper_name;
    std::string note;
    bool operator==(const GameRecord&) const = default;
};

// The usual start, lower side first.
StartPosition standard_start();

// Whether move `index` (0-based) of a game from `start` is the lower side's.
bool lower_moves(const StartPosition& start, std::size_t index);

// Whether the side to move after all moves is the lower side.
bool lower_to_move_at_end(const GameRecord& r);

// The winner an ending gives when the side to move at the end is the lower side or not.
Side ending_winner(Ending ending, bool lower_to_move);

// The ending of a record: the side to move gave up.
inline bool resigned(const GameRecord& r) {
    return r.ending == Ending::resignation;
}

// A clock value in whole seconds (the clock shows whole seconds); NaN and negatives give 0.
int whole_seconds(double seconds);

}  // namespace banzuri::records
