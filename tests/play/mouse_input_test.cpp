// The two-click move input: refusals, the selection machine, drops and promotion.
#include <gtest/gtest.h>

#include <cmath>

#include "play_fixture.h"

namespace banzuri {
namespace {

using testing::box_line;
using testing::kForbidden;
using testing::Log;
using testing::PlayWindow;
using testing::Position;

// A game between two people with guidance drawn in white, so that inspected pieces and
// restored outlines can be told apart.
struct Input : PlayWindow {
    Input() {
        set_checked(MenuItem::SIDOU, true);
        start_people_game();
    }
};

TEST(MouseRefusals, DecidedGameAsksForANewOneWithoutSound) {
    PlayWindow w;
    // The lower pawn's step sandwiched the upper king.
    w.lay_out(Position::king_taken());
    ASSERT_NE(w.g().winner, TURN_NONE);
    w.click(7, 6);
    EXPECT_EQ(w.log, Log{"message [終局] 新規に対局してください"});
    EXPECT_EQ(w.form.selection().selection_state, 0);
}

TEST(MouseRefusals, NoGameStartedAnywhereOnTheWindow) {
    PlayWindow w;
    for (auto [cx, cy] : {std::pair{7, 7}, {5, 5}, {11, 3}, {-1, 7}, {20, -3}}) {
        w.log.clear();
        w.click(cx, cy);
        EXPECT_EQ(w.log, (Log{"dsPlay 2", "message [開始] 「対局」で始めて下さい"}))
            << cx << "," << cy;
    }
    EXPECT_EQ(w.form.selection().selection_state, 0);
    EXPECT_EQ(w.g().turn, TURN_NONE);
}

TEST(MouseRefusals, ComputerToMoveAsksBeforeItMoves) {
    PlayWindow w;
    w.form.SENTE_Click();
    w.click(7, 7);
    w.click(7, 6);
    w.form.REPLAY_Click();  // the computer's reply taken back: the computer is to move
    ASSERT_EQ(w.g().turn, w.g().upper_order);
    w.log.clear();
    w.click(5, 5);
    ASSERT_FALSE(w.log.empty());
    EXPECT_EQ(w.log.front(), "message [再開(COM)] OKですか？");
    EXPECT_EQ(w.count("message [再開(COM)] OKですか？"), 1);
    EXPECT_EQ(w.count("dsPlay 2"), 0);
}

TEST(MouseRefusals, DestinationOnAnOpponentPieceInspectsIt) {
    Input w;
    w.click(7, 7);
    w.log.clear();
    w.click(7, 3);
    ASSERT_FALSE(w.log.empty());
    EXPECT_EQ(w.log.front(), "dsPlay 2");
    EXPECT_TRUE(w.has(box_line(w.form.painter().grid_colour(), 7, 7)));
    EXPECT_EQ(w.log.back(), box_line(COLOUR_MARK_GUIDANCE, 7, 3));
    EXPECT_EQ(w.form.selection().selection_state, 0);
    EXPECT_EQ(w.g().move_count, 0);
}

TEST(MouseRefusals, IllegalDestinationKeepsTheSelection) {
    Input w;
    w.click(7, 7);
    w.log.clear();
    w.click(7, 5);
    EXPECT_EQ(w.log, Log{"dsPlay 2"});
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.form.selection().sel_from_x, 7);
    EXPECT_EQ(w.form.selection().sel_from_y, 7);
    w.click(7, 6);
    EXPECT_EQ(w.g().move_count, 1) << "another destination is still accepted";
}

TEST(MouseRefusals, CompulsoryPromotionRefusesTheLeftButtonThenTheRightPromotes) {
    Input w;
    w.lay_out(Position::kings().put(1, 2, LOWER_HU).put(3, 4, LOWER_KEI));
    w.click(1, 2);
    w.log.clear();
    w.click(1, 1);
    EXPECT_EQ(w.log, (Log{"dsPlay 2", "message [成り] マウスの右をクリックして下さい"}));
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.g().move_count, 0);

    w.click(1, 1, MOUSE_RIGHT);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_HU_NARI);
    EXPECT_EQ(w.form.selection().selection_state, 0);
    EXPECT_EQ(w.g().turn, SECOND_PLAYER);
}

TEST(MouseRefusals, KnightOnTheLastTwoRowsMustPromote) {
    Input w;
    w.lay_out(Position::kings().put(3, 4, LOWER_KEI));
    w.click(3, 4);
    w.log.clear();
    w.click(2, 2);
    EXPECT_EQ(w.log, (Log{"dsPlay 2", "message [成り] マウスの右をクリックして下さい"}));
    w.click(2, 2, MOUSE_RIGHT);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_KEI_NARI);
}

TEST(MouseButtons, OtherButtonsAreIgnoredEvenWherePromotionIsCompulsory) {
    Input w;
    w.lay_out(Position::kings().put(1, 2, LOWER_HU));
    w.click(1, 2);
    w.log.clear();
    for (int button : {0, 3, 4, 8})
        w.click(1, 1, button);
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.g().move_count, 0);
    EXPECT_EQ(w.form.selection().selection_state, 1);
}

TEST(MouseButtons, RightButtonWherePromotionIsNotAllowedMovesPlainly) {
    Input w;
    w.click(7, 7);
    w.click(7, 6, MOUSE_RIGHT);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_HU);
}

TEST(MouseButtons, LeftButtonInTheZoneDoesNotPromote) {
    Input w;
    w.lay_out(Position::kings().put(4, 4, LOWER_GIN));
    w.click(4, 4);
    w.click(4, 3);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_GIN);
    EXPECT_EQ(w.g().move_count, 1);
}

TEST(SelectionMachine, EmptySquareWithNothingPickedDoesNothing) {
    Input w;
    w.click(5, 5);
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.form.selection().selection_state, 0);
}

TEST(SelectionMachine, OpponentPieceIsInspectedThenOwnPieceIsPicked) {
    Input w;
    w.click(3, 3);
    EXPECT_EQ(w.form.selection().selection_state, 0);
    EXPECT_EQ(w.log.back(), box_line(COLOUR_MARK_GUIDANCE, 3, 3));
    w.click(3, 7);
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.log.back(), box_line(COLOUR_MARK_PICKED, 3, 7));
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_HU);
}

TEST(SelectionMachine, ClickingAnotherOwnPieceMovesTheRedOutlineSilently) {
    Input w;
    w.click(7, 7);
    w.log.clear();
    w.click(8, 8);
    EXPECT_EQ(w.count("dsPlay 2"), 0);
    // The mark leaves (7, 7): its pawn drawn again under the grid outline.
    EXPECT_EQ(w.log[0], "picture " + testing::num(LOWER_HU) + " 5605 4930");
    EXPECT_EQ(w.log[1], box_line(w.form.painter().grid_colour(), 7, 7));
    EXPECT_EQ(w.log.back(), box_line(COLOUR_MARK_PICKED, 8, 8));
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_SYA);
    EXPECT_EQ(w.form.selection().sel_from_x, 8);
}

TEST(SelectionMachine, EmptyHandSlotClearsTheOutlinesButKeepsThePick) {
    Input w;
    w.click(7, 7);
    w.log.clear();
    w.click(11, 3);
    EXPECT_EQ(w.log.back(), box_line(w.form.painter().grid_colour(), 7, 7));
    EXPECT_EQ(w.form.selection().selection_state, 1);
    w.click(7, 6);
    EXPECT_EQ(w.g().move_count, 1);
}

TEST(SelectionMachine, ClicksBesideTheBoardOnlyClear) {
    Input w;
    w.click(7, 7);
    for (auto [cx, cy] : {std::pair{0, 5}, {10, 5}, {11, 1}, {-1, 8}, {12, 4}, {-2, 3}}) {
        w.log.clear();
        w.click(cx, cy);
        EXPECT_EQ(w.log.back(), box_line(w.form.painter().grid_colour(), 7, 7)) << cx << "," << cy;
        EXPECT_EQ(w.form.selection().selection_state, 1);
    }
}

TEST(SelectionMachine, PositionsFarOutsideTheWindowAreNoTarget) {
    Input w;
    w.click(7, 7);
    for (double v : {1e300, -1e300, std::nan(""), 1e12}) {
        w.form.Form_MouseDown(MOUSE_LEFT, 0, v, v);
        w.form.Form_MouseDown(MOUSE_LEFT, 0, v, 2000);
    }
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.g().move_count, 0);
}

TEST(SelectionMachine, NothingToClearBeforeTheFirstPick) {
    Input w;
    w.click(0, 0);
    w.click(11, 3);
    EXPECT_TRUE(w.log.empty());
}

TEST(SelectionMachine, HandPieceOfTheSideNotToMoveIsOnlyShown) {
    Input w;
    w.lay_out(Position::standard().put(1, 3, EMPTY).upper_hand(KIND_HU, 1));
    w.click(-1, 7);
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_TRUE(w.has(box_line(COLOUR_MARK_GUIDANCE, -1, 7)));
    w.log.clear();
    w.click(5, 5);
    EXPECT_EQ(w.log, Log{"dsPlay 2"});
    EXPECT_EQ(w.g().move_count, 0);
}

TEST(SelectionMachine, MoveClearsTheOutlinesRecordsAndPassesTheTurn) {
    Input w;
    w.click(7, 7);
    w.log.clear();
    w.click(7, 6);
    ASSERT_GE(w.log.size(), 4u);
    // Each mark leaves with the picture under it: the pawn, then the empty destination.
    EXPECT_EQ(w.log[0], "picture " + testing::num(LOWER_HU) + " 5605 4930");
    EXPECT_EQ(w.log[1], box_line(w.form.painter().grid_colour(), 7, 7));
    EXPECT_EQ(w.log[2], "picture " + testing::num(EMPTY) + " 5605 4240");
    EXPECT_EQ(w.log[3], box_line(w.form.painter().grid_colour(), 7, 6));
    EXPECT_EQ(w.count("dsPlay 3"), 1);
    EXPECT_EQ(w.form.selection().selection_state, 0);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.g().rec_index, 1);
    EXPECT_EQ(w.g().rec_last, 0);
    EXPECT_EQ(w.g().record[0].board[7][7], LOWER_HU) << "entry 0: the position before";
    EXPECT_EQ(w.g().turn, SECOND_PLAYER);

    w.click(3, 3);  // now the upper side picks its own piece
    EXPECT_EQ(w.form.selection().selection_state, 1);
    EXPECT_EQ(w.log.back(), box_line(COLOUR_MARK_PICKED, 3, 3));
}

TEST(Drops, UpperHandPawnClickedOnRowSevenLeavesAsKindOne) {
    Input w;
    w.lay_out(Position::kings().upper_hand(KIND_HU, 1).upper_first());
    ASSERT_EQ(w.g().turn, w.g().upper_order);
    w.click(-1, 7);
    EXPECT_EQ(w.form.selection().sel_piece, UPPER_HU);
    EXPECT_TRUE(w.has(box_line(COLOUR_MARK_PICKED, -1, 7)));
    w.click(5, 5);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.form.selection().sel_from_x, -1);
    EXPECT_EQ(w.form.selection().sel_from_y, 1) << "the source handed to the move";
}

TEST(Drops, LowerHandPawnClickedOnRowThreeLeavesFromRowThree) {
    Input w;
    w.lay_out(Position::kings().lower_hand(KIND_HU, 1));
    w.click(11, 3);
    EXPECT_EQ(w.form.selection().sel_piece, LOWER_HU);
    EXPECT_TRUE(w.has(box_line(COLOUR_MARK_PICKED, 11, 3)));
    w.click(5, 5);
    EXPECT_EQ(w.g().move_count, 1);
    EXPECT_EQ(w.form.selection().sel_from_x, 11);
    EXPECT_EQ(w.form.selection().sel_from_y, 3);
}

TEST(Drops, HandRowsMapToKinds) {
    Input w;
    Position p = Position::kings();
    for (int kind = 1; kind <= 7; ++kind)
        p.lower_hand(kind, 1).upper_hand(kind, 1);
    w.lay_out(p);
    for (int kind = 1; kind <= 7; ++kind) {
        w.click(11, kind + 2);
        EXPECT_EQ(w.form.selection().sel_piece, lower_code_of_kind(kind));
        w.click(-1, 8 - kind);
        EXPECT_EQ(w.form.selection().sel_piece, upper_code_of_kind(kind));
    }
}

TEST(Drops, TwoPawnsInAColumnAreRefused) {
    Input w;
    w.lay_out(Position::kings().put(5, 7, LOWER_HU).lower_hand(KIND_HU, 1));
    w.click(11, 3);
    w.log.clear();
    w.click(5, 5);
    EXPECT_EQ(w.log, Log{"dsPlay 2"});
    w.click(4, 5);
    EXPECT_EQ(w.g().move_count, 1);
}

}  // namespace
}  // namespace banzuri

namespace banzuri {
namespace {

using testing::Log;
using testing::PlayWindow;
using testing::Position;

// A game between two people on `position`, the lower side to move.
struct OnBoard : PlayWindow {
    explicit OnBoard(const Position& position) { lay_out(position); }
    void move(int fx, int fy, int tx, int ty, int button = MOUSE_LEFT) {
        click(fx, fy);
        click(tx, ty, button);
    }
};

TEST(MovesOnTheBoard, DropsLeaveTheRightHand) {
    OnBoard w(Position::kings().lower_hand(KIND_HU, 1).upper_hand(KIND_KEI, 2));
    w.move(11, 3, 5, 5);
    EXPECT_EQ(w.g().at(5, 5), LOWER_HU);
    EXPECT_EQ(w.g().hand_own[KIND_HU], 0);
    EXPECT_EQ(w.g().hand_total_lower(), 0);

    w.move(-1, 5, 4, 4);
    EXPECT_EQ(w.g().at(4, 4), UPPER_KEI);
    EXPECT_EQ(w.g().hand_enemy[KIND_KEI], 1);
    EXPECT_EQ(w.g().hand_total_upper(), 1);
    EXPECT_EQ(w.g().move_count, 2);
    EXPECT_EQ(w.g().record[1].hand_upper[KIND_KEI], 2) << "the record keeps the hand before";
}

TEST(MovesOnTheBoard, RightButtonPlacesThePromotedPiece) {
    OnBoard w(Position::kings().put(1, 2, LOWER_HU));
    w.move(1, 2, 1, 1, MOUSE_RIGHT);
    EXPECT_EQ(w.g().at(1, 1), LOWER_HU_NARI);
    EXPECT_EQ(w.g().at(1, 2), EMPTY);
    EXPECT_EQ(w.g().record[0].board[1][2], LOWER_HU);
}

TEST(MovesOnTheBoard, SandwichCreditsTheMoversHand) {
    OnBoard w(Position::kings().put(4, 5, LOWER_KIN).put(5, 5, UPPER_HU).put(6, 6, LOWER_GIN));
    w.move(6, 6, 6, 5);
    EXPECT_EQ(w.g().at(5, 5), EMPTY);
    EXPECT_EQ(w.g().hand_own[KIND_HU], 1);
    EXPECT_EQ(w.g().winner, TURN_NONE);
    EXPECT_EQ(w.g().turn, SECOND_PLAYER);
}

TEST(MovesOnTheBoard, SandwichedKingEndsTheGame) {
    for (int mode : {MODE_MAN, MODE_COM}) {
        PlayWindow w;
        w.lay_out(Position::empty()
                      .put(5, 9, LOWER_OU)
                      .put(5, 5, UPPER_OU)
                      .put(4, 5, LOWER_KIN)
                      .put(6, 6, LOWER_GIN));
        if (mode == MODE_MAN) {
            w.form.START_Click();
        } else {
            w.form.SENTE_Click();
        }
        w.log.clear();
        w.click(6, 6);
        w.click(6, 5);
        const std::string winner = mode == MODE_MAN ? "先手" : "あなた";
        EXPECT_EQ(w.lines("message"), Log{"message [終了] " + winner + "の勝ちです"});
        EXPECT_EQ(w.lines("ask"), Log{"ask [再ゲーム] 続けますか？"});
        EXPECT_TRUE(w.app.quit_called) << "answered No";
    }
}

TEST(MovesOnTheBoard, EnclosureLooksForTheOpponentsPiecesWhateverTheOrders) {
    // A game against the computer, player second, continued between people: the lower side
    // keeps the order token of the second player.
    PlayWindow w;
    w.lay_out(Position::empty()
                  .put(5, 9, LOWER_OU)
                  .put(5, 2, UPPER_OU)
                  .put(1, 1, UPPER_HU_NARI)
                  .put(2, 1, LOWER_KIN)
                  .put(1, 3, LOWER_KYOU)
                  .upper_first()
                  .against_computer()
                  .then(5, 2, 5, 1));
    ASSERT_EQ(w.g().lower_order, SECOND_PLAYER);
    ASSERT_EQ(w.g().turn, SECOND_PLAYER);
    w.form.START_Click();
    w.click(1, 3);
    w.click(1, 2);
    EXPECT_EQ(w.g().at(1, 1), EMPTY) << "the enclosed upper piece is taken";
    EXPECT_EQ(w.g().hand_own[KIND_HU], 1);
    EXPECT_EQ(w.g().at(1, 2), LOWER_KYOU);
    EXPECT_EQ(w.g().at(2, 1), LOWER_KIN);
}

}  // namespace
}  // namespace banzuri
