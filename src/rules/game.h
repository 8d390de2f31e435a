// A game in progress: the position, who is to move, the winner and the record. Everything that
// changes a game goes through a command of Game, which keeps the side to move, the winner and
// the record true to the moves played; views read it through the queries and draw what a
// command answered.
#pragma once

#include <optional>
#include <vector>

#include "rules/capture_sequence.h"
#include "rules/game_state.h"
#include "rules/move_type.h"

namespace banzuri {

// One move of the record with what it moved and the seconds it took.
struct PlayedMove {
    Move move;
    int piece = EMPTY;   // the code that moved (the dropped code for a drop)
    int placed = EMPTY;  // the code on the destination afterwards (promoted when it promoted)
    double seconds = 0;  // the mover's thinking time
    bool could_promote = false;  // the move was one that may promote (whether it did or not)
    bool origin_named = false;   // another piece of its kind could have gone there as well
    bool operator==(const PlayedMove&) const = default;
};

// What a move did, in the order it happened: the piece left its source (or the hand) and
// arrived, then each capture step took its pieces (sandwiches first, then enclosed groups one
// by one), each piece going to the capturer's hand or, for a king, deciding the game.
struct MoveResult {
    PlayedMove played;
    bool lower = true;  // the lower side moved
    std::vector<CaptureStep> captures;
    int winner = TURN_NONE;  // the winner after the move; set when a king was taken
    bool king_taken() const { return winner != TURN_NONE; }
};

// A side's two clocks around one move, as the record keeps them.
struct MoveClocks {
    double lower_before = 0;
    double lower_after = 0;
    double upper_before = 0;
    double upper_after = 0;
};

class Game {
  public:
    // The starting position laid out, both clocks at zero, no game running.
    Game();

    // ---- queries ----------------------------------------------------------------------------
    // The position (board, hands, orders, side to move, winner) as the rules read it.
    const GameState& position() const { return g_; }
    int at(int x, int y) const { return g_.at(x, y); }
    int turn() const { return g_.turn; }
    int winner() const { return g_.winner; }
    int lower_order() const { return g_.lower_order; }
    int upper_order() const { return g_.upper_order; }
    int mode() const { return g_.game_mode; }
    int level() const { return g_.level; }
    int handicap_level() const { return g_.handicap_level; }
    bool running() const { return g_.turn != TURN_NONE; }
    bool decided() const { return g_.winner != TURN_NONE; }
    // The lower side is to move (false before a game has started).
    bool lower_to_move() const { return running() && g_.turn == g_.lower_order; }
    double time_lower() const { return g_.time_lower; }
    double time_upper() const { return g_.time_upper; }
    // The number of the position shown (moves played to reach it), the moves made in this game
    // and the last record entry written.
    int record_index() const { return g_.rec_index; }
    int move_count() const { return g_.move_count; }
    int record_last() const { return g_.rec_last; }
    // The position before every move of the line and the clocks around it; entry n is the
    // position before move n + 1. Entries past record_last() are left over from earlier games.
    const std::vector<RecordEntry>& entries() const { return g_.record; }
    // The moves of the line, move n + 1 at index n: those before the shown position and, after
    // a step back, those ahead of it up to the latest position.
    const std::vector<PlayedMove>& moves() const { return moves_; }
    // The line's latest entry: record_index() while playing on, further after a step back.
    int line_end() const;
    // The positions of the line up to its latest one, each with both clocks around its move;
    // the latest position has both totals as its clocks.
    std::vector<RecordEntry> line() const;

    // Legal moves of the side to move (none before the game has started or once decided).
    std::vector<Move> legal_moves() const;
    // The code a move of the side to move takes (its piece on the source or the dropped code),
    // EMPTY when the source holds none of that side's pieces.
    int piece_of(const Move& m) const;
    bool is_legal(const Move& m) const;
    // The move may promote: the promoted code when it may, otherwise EMPTY.
    int promotion_of(const Move& m) const;
    // Left unpromoted the piece could never move again.
    bool must_promote(const Move& m) const;

    // ---- commands ---------------------------------------------------------------------------
    // Back to the starting position with no game running; the orders, the level and the record
    // entries are kept (a new game writes over them), as the window's start does.
    void reset();
    // A game begins (or goes on) with these players: the mode, the lower side's order and the
    // order of the side to move.
    void start(int mode, int lower_order, int turn);
    // The other kind of game from the same position and side to move.
    void set_mode(int mode);
    // The same game with the lower side as player `lower_order`: the side to move and the
    // winner stay the same sides.
    void set_players(int mode, int lower_order);
    void set_level(int level);
    // The record may be stepped forward up to entry `last`.
    void set_record_last(int last);

    // Plays a legal move of the side to move that took `seconds`: the position before it and
    // both clocks around it are recorded, the move and every capture after it are carried out,
    // the mover's clock is charged and the turn passes. Nothing when the move is not legal.
    std::optional<MoveResult> play(const Move& m, double seconds);
    // The same for a move whose clocks the caller gives (a record read from a file).
    std::optional<MoveResult> play(const Move& m, const MoveClocks& clocks);

    // One position back or forward along the line, or to entry n: the position, both clocks,
    // the move number and the side to move follow the record. False when there is no such
    // position.
    bool step_back();
    bool step_forward();
    bool go_to(int n);
    // Takes back the last n moves for good: the line ends at the position n moves back.
    bool take_back(int n);
    // The side to move gives the game up.
    void resign();
    // The game was decided: `winner` the order token of the winner, or TURN_NONE to undecide
    // (a record stepped back before its end).
    void set_winner(int winner);

    // The board turned round: each piece changes side, the hands swap, the record starts anew
    // from here and the other side is to move.
    void flip();
    // Before the first move: a square of the start position changes (the handicap ladder).
    void set_start_square(int x, int y, int code);
    void set_handicap_level(int level);
    // Both sides' accumulated seconds.
    void set_clocks(double lower, double upper);

    // A game from a position: the board and hands, and which side moves; orders as between two
    // humans, lower side first. Clears the record.
    void set_position(const Board& board, const Hand& lower, const Hand& upper, bool lower_to_move);

  private:
    void restore(int n);
    void keep_latest_position();

    GameState g_;
    std::vector<PlayedMove> moves_;
    int line_end_ = -1;  // the latest entry of a line stepped back through; -1 while playing on
};

// The side to move's order token after `n` moves of a game whose first move was the lower
// side's when `lower_first`.
bool lower_moves_at(bool lower_first, int n);

}  // namespace banzuri
