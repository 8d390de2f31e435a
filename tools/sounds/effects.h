// The five short effects of the game.
#pragma once

#include "synth.h"

namespace sounds {

Samples piece_click();     // 駒打音: a piece set down on the wooden board
Samples forbidden_buzz();  // 禁止: a refused action
Samples vanish_sparkle();  // 消滅: pieces removed by a capture
Samples game_end_chime();  // 終局: the end of a game
Samples soft_bell();       // その他: the about box

// Brings an effect to the common loudness, its peaks at most -1 dBFS.
void level_effect(Samples& samples);

}  // namespace sounds
