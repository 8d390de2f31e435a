// The backgrounds the player may choose. Each code is also the selector of the picture the
// window is tiled with.
#pragma once

namespace banzuri {

inline constexpr int BG_MIDORI = 6;
inline constexpr int BG_TATAMI = 7;
inline constexpr int BG_TAKE = 8;
inline constexpr int BG_UCHU = 9;
inline constexpr int BG_RENGA = 12;

}  // namespace banzuri
