// Every text the game itself shows (message boxes and their titles, labels drawn on the board,
// the move list's words) in one catalogue, each in Japanese and in English. The Japanese entry
// is the text shown when no other language is chosen.
#pragma once

#include <string>
#include <vector>

#include "files/message.h"
#include "settings/language.h"

namespace banzuri {

// X(name, Japanese, English)
#define BANZURI_TEXTS(X)                                                                                               \
    X(START_FIRST, "「対局」で始めて下さい", "Start a game from the Game menu first.")                                 \
    X(NEW_GAME_PLEASE, "新規に対局してください", "The game is over. Start a new game.")                                \
    X(TITLE_START, "開始", "Start")                                                                                    \
    X(TITLE_GAME_OVER, "終局", "Game Over")                                                                            \
    X(COMPUTER_MOVES_NOW, "OKですか？", "The computer will move from this position.")                                  \
    X(TITLE_RESUME_COMPUTER, "再開(COM)", "Resume Against the Computer")                                               \
    X(CLICK_RIGHT, "マウスの右をクリックして下さい",                                                                   \
      "This piece must promote there: click with the right mouse button.")                                             \
    X(TITLE_PROMOTION, "成り", "Promotion")                                                                            \
    X(PROMOTE_QUESTION, "成りますか？", "Promote this piece?")                                                         \
    X(WIN_YOU, "あなたの勝ちです", "You win!")                                                                         \
    X(WIN_COMPUTER, "ｺﾝﾋﾟｭｰﾀの勝ちです", "The computer wins.")                                                         \
    X(WIN_FIRST, "先手の勝ちです", "Black wins.")                                                                      \
    X(WIN_SECOND, "後手の勝ちです", "White wins.")                                                                     \
    X(TITLE_END, "終了", "Game Over")                                                                                  \
    X(PLAY_AGAIN, "続けますか？", "Play another game?")                                                                \
    X(TITLE_PLAY_AGAIN, "再ゲーム", "New Game")                                                                        \
    X(CANNOT_BACK, "できません", "There is no earlier position.")                                                      \
    X(TITLE_BACK, "戻る", "Back")                                                                                      \
    X(CANNOT_FORWARD, "できません", "There is no later position.")                                                     \
    X(TITLE_FORWARD, "進む", "Forward")                                                                                \
    X(HANDICAP_DURING_GAME, "対局途中ではできません", "Not while a game is being played.")                             \
    X(HANDICAP_AFTER_FLIP, "反転後ではできません", "Not after the board has been flipped.")                            \
    X(HANDICAP_START_OVER, "局面→最初にして下さい", "Choose Position → Start Over first.")                             \
    X(TITLE_HANDICAP, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", "Handicap")                                                                    \
    X(FIRST_TO_MOVE, "先手の番です", "Black to move.")                                                                 \
    X(SECOND_TO_MOVE, "後手の番です", "White to move.")                                                                \
    X(YOUR_MOVE, "MANの番です", "Your move.")                                                                          \
    X(TITLE_GAME, "対局", "Game")                                                                                      \
    X(NO_MOVE_TO_PLAY, "指せる手がありません", "There is no move to play.")                                            \
    X(TITLE_HINT, "ヒント", "Hint")                                                                                    \
    X(TITLE_TAKE_BACK, "待った", "Take Back")                                                                          \
    X(TAKE_BACK_THINKING, "コンピュータが考えている間は待ったできません",                                              \
      "You cannot take a move back while the computer is thinking.")                                                   \
    X(TAKE_BACK_OVER, "対局は終わっています。\n戻・進で棋譜を見ることができます",                                      \
      "The game is over.\nBack and Forward step through its moves.")                                                   \
    X(TAKE_BACK_NONE, "待ったできる手がありません", "There is no move to take back.")                                  \
    X(TITLE_ANALYSIS, "対局を検討", "Analyse Game")                                                                    \
    X(NOTHING_TO_ANALYSE, "検討する指し手がありません", "There are no moves to analyse.")                              \
    X(TITLE_OPEN_RECORD, "棋譜を開く", "Open Record")                                                                  \
    X(TITLE_SAVE_RECORD, "棋譜を保存", "Save Record")                                                                  \
    X(UNSAVED_MOVES, "保存していない指し手があります。\nこの対局をやめて開きますか？",                                 \
      "This game has moves that are not saved.\nLeave it and open the record?")                                        \
    X(NOTHING_TO_SAVE, "保存する対局がありません", "There is no game to save.")                                        \
    X(NO_RECORD_OF_GAME, "この対局は棋譜にできません（%1）",                                                           \
      "This game cannot be written as a record (%1).")                                                                 \
    X(GAME_GOES_ON, "\n対局はそのまま続けられます。", "\nThe game goes on.")                                           \
    X(RECORD_DOES_NOT_REPLAY, "棋譜の指し手を再現できません",                                                          \
      "The moves of the record cannot be played through.")                                                             \
    X(GAME_SHOWN_STAYS, "\n表示中の対局はそのままです。", "\nThe game shown stays as it was.")                         \
    X(TITLE_RESUME, "前回の対局を再開", "Resume Last Game")                                                            \
    X(NO_LAST_GAME, "前回の対局は残っていません", "No earlier game has been kept.")                                    \
    X(HANDICAP_0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "Handicap: Meijin")                                                               \
    X(HANDICAP_1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "Handicap: 8 dan")                                                                \
    X(HANDICAP_2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "Handicap: 7 dan")                                                                \
    X(HANDICAP_3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "Handicap: 6 dan")                                                                \
    X(HANDICAP_4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "Handicap: 5 dan")                                                                \
    X(HANDICAP_5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "Handicap: 4 dan")                                                                \
    X(HANDICAP_6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "Handicap: 3 dan")                                                                \
    X(HANDICAP_7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "Handicap: 2 dan")                                                                \
    X(HANDICAP_8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "Handicap: 1 dan")                                                                \
    X(HANDICAP_9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "Handicap: 1 kyu")                                                                \
    X(HANDICAP_10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "Handicap: 2 kyu")                                                               \
    X(HANDICAP_11, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "Handicap: 3 kyu")                                                               \
    X(HANDICAP_12, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "Handicap: 4 kyu")                                                               \
    X(HANDICAP_13, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "Handicap: 5 kyu")                                                               \
    X(HANDICAP_14, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "Handicap: 6 kyu")                                                               \
    X(HANDICAP_15, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "Handicap: 7 kyu")                                                               \
    X(HANDICAP_16, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "Handicap: 8 kyu")                                                               \
    X(HANDICAP_17, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "Handicap: 9 kyu")                                                               \
    X(HANDICAP_18, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "Handicap: 10 kyu")                                                              \
    X(HANDICAP_19, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級", "Handicap: 11 kyu")                                                              \
    X(HANDICAP_20, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級", "Handicap: 12 kyu")                                                              \
    X(SAVED_GAME, "%1手・最後の指し手 %2（%3）", "%1 moves, last move %2 (%3)")                                        \
    X(SAVED_GAME_UNREADABLE, "読めないファイル・最後の書き込み %1（%2）",                                              \
      "unreadable file, last written %1 (%2)")                                                                         \
    X(THINKING, "思考中", "Thinking")                                                                                  \
    X(MOVE_NUMBER_SUFFIX, "手目", "moves")                                                                             \
    X(LIST_FIRST, "▲先手", "▲Black")                                                                                   \
    X(LIST_SECOND, "△後手", "△White")                                                                                  \
    X(LIST_WINS, "の勝ち", " wins")                                                                                    \
    X(LIST_TO_MOVE, "の番", " to move")                                                                                \
    X(LIST_NOT_STARTED, "対局前", "No game yet")                                                                       \
    X(LIST_HUMAN, "人間", "Human")                                                                                     \
    X(LIST_COLON, "：", ": ")                                                                                          \
    X(LIST_GAP, "　", "   ")                                                                                           \
    X(LIST_START_ROW, "開始局面", "Start position")                                                                    \
    X(MARK_DUBIOUS, "疑問手", "dubious")                                                                               \
    X(MARK_BLUNDER, "悪手", "blunder")                                                                                 \
    X(TITLE_AUTOSAVE, "自動保存", "Autosave")                                                                          \
    X(ASIDE_KEPT_IN_PLACE, "このファイルは移せなかったので、そのまま残してあります。",                                 \
      "The file could not be moved and has been left where it was.")                                                   \
    X(ASIDE_MOVED_TO, "このファイルは「%1」に移して残してあります。",                                                  \
      "The file has been kept as “%1”.")                                                                               \
    X(CHOOSE_GAME, "再開する対局を選んでください。\n新しいものが先頭です。",                                           \
      "Choose the game to resume.\nThe most recent comes first.")                                                      \
    X(TOO_MANY_WINDOWS,                                                                                                \
      "ほかに開いているウィンドウが多すぎるため、この対局は自動保存できません。\n" \
      "対局はそのまま続けられます。",                                                                                  \
      "Too many other windows are open: this game cannot be saved automatically.\n"                                    \
      "The game goes on.")                                                                                             \
    X(AUTOSAVE_FAILED, "対局を自動保存できません。\n",                                                                 \
      "The game cannot be saved automatically.\n")                                                                     \
    X(LAST_GAME_DAMAGED, "前回の対局のファイルが壊れていました。\n",                                                   \
      "The file of the last game was damaged.\n")                                                                      \
    X(LAST_GAME_UNREADABLE, "前回の対局のファイルが壊れていて再開できません。\n",                                      \
      "The file of the last game is damaged and cannot be resumed.\n")                                                 \
    X(SETTINGS_NOT_WRITTEN,                                                                                            \
      "設定ファイル「Banzuri.ini」に書き込めません。\n"                                               \
      "変更した設定は、このゲームを終えるまで有効です。",                                                              \
      "The settings file Banzuri.ini cannot be written.\n"                                                             \
      "Your changes last until the game ends.")                                                                        \
    X(NO_SOUND_SYSTEM, "Direct Soundインターフェースが作成できません。",                                               \
      "No sound device could be opened. The game plays without sound.")

enum class TextId {
#define BANZURI_TEXT_ID(name, ja, en) name,
    BANZURI_TEXTS(BANZURI_TEXT_ID)
#undef BANZURI_TEXT_ID
};

// The text in `language`.
const std::string& text(TextId id, Language language);

// A message of the record and file code in `language`.
inline const std::string& text(const files::Message& message, Language language) {
    return language == Language::ENGLISH ? message.english : message.japanese;
}

// The catalogue's text `id` as a message in each language, to fill in with files::fill().
files::Message message(TextId id);

// Every entry of the catalogue, in order: its name, Japanese and English.
struct CatalogueEntry {
    const char* name;
    const char* japanese;
    const char* english;
};
const std::vector<CatalogueEntry>& text_catalogue();

}  // namespace banzuri
