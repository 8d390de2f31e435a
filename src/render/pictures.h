// Picture selectors of the capture animation and the title banner; they overlap no piece code.
// The piece codes, EMPTY and the background codes select the other pictures.
#pragma once

namespace banzuri {

inline constexpr int PIC_JI_NAKA = -1;
inline constexpr int PIC_JI_SHOU = -2;
inline constexpr int PIC_TEKI_NAKA = 1;
inline constexpr int PIC_TEKI_SHOU = 2;
inline constexpr int PIC_PA1 = 3;
inline constexpr int PIC_PA2 = 4;
inline constexpr int PIC_BLANK = 0;
inline constexpr int PIC_TITLE = 5;

}  // namespace banzuri
