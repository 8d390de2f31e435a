// A position a test opens in the window the way a player opens any position: as a saved game
// with its start (board, hands, side to move), who plays, and the moves played from it.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "records/game_record.h"
#include "records/replay.h"
#include "rules/game.h"

namespace banzuri::testing {

class Position {
  public:
    // No piece at all (not a record until both kings stand).
    static Position empty() { return Position{}; }
    // The two kings on their starting squares, nothing else.
    static Position kings() { return empty().put(5, 9, LOWER_OU).put(5, 1, UPPER_OU); }
    // The lower pawn on (7, 7) steps to (7, 6) and sandwiches the upper king on (7, 5) against
    // the lower gold on (7, 4).
    static Position king_in_reach() {
        return empty()
            .put(5, 9, LOWER_OU)
            .put(7, 5, UPPER_OU)
            .put(7, 4, LOWER_KIN)
            .put(7, 7, LOWER_HU);
    }
    // The same after that step: the lower side has taken the king.
    static Position king_taken() { return king_in_reach().then(7, 7, 7, 6); }
    // The usual start.
    static Position standard() {
        Position p;
        p.record_.start = records::standard_start();
        return p;
    }

    // ---- the start: only before the first move ------------------------------------------
    Position& put(int x, int y, int code) {
        starting();
        record_.start.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
        return *this;
    }
    Position& lower_hand(int kind, int count) {
        starting();
        record_.start.hand_lower[static_cast<std::size_t>(kind)] = count;
        return *this;
    }
    Position& upper_hand(int kind, int count) {
        starting();
        record_.start.hand_upper[static_cast<std::size_t>(kind)] = count;
        return *this;
    }
    // The upper side moves first: the lower side is then the second player.
    Position& upper_first() {
        starting();
        record_.start.lower_to_move = false;
        return *this;
    }
    int at(int x, int y) const {
        return record_.start.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }

    // ---- who plays ------------------------------------------------------------------------
    // Against the computer at `level` (the human is the lower side).
    Position& against_computer(int level = 3) {
        record_.game_mode = MODE_COM;
        record_.level = level;
        return *this;
    }

    // ---- moves played from the start --------------------------------------------------------
    // A move on the board of the side to move, thinking `seconds` whole seconds.
    Position& then(int fx, int fy, int tx, int ty, int seconds = 0, bool promote = false) {
        if (record_.moves.empty()) played_ = records::replay_game(record_.start);
        const bool lower = records::lower_moves(record_.start, record_.moves.size());
        int& total = lower ? lower_total_ : upper_total_;
        records::RecordedMove rm;
        rm.move = Move::board(fx, fy, tx, ty, promote);
        rm.seconds = seconds;
        rm.total = total + seconds;
        const std::string why = records::play_recorded(played_, rm).japanese;
        if (!why.empty())
            throw std::invalid_argument("move " + std::to_string(record_.moves.size() + 1) + ": " +
                                        why);
        total = rm.total;
        record_.moves.push_back(rm);
        record_.winner = records::winner_of(played_);
        return *this;
    }

    const records::GameRecord& record() const { return record_; }

  private:
    void starting() const {
        if (!record_.moves.empty())
            throw std::logic_error("the start is laid out before the first move");
    }

    records::GameRecord record_;
    Game played_;
    int lower_total_ = 0;
    int upper_total_ = 0;
};

}  // namespace banzuri::testing
