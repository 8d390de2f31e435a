#include "rules/pieces.h"

#include <array>

namespace banzuri {

namespace {
constexpr std::array<int, 8> kUpperCodes = {EMPTY,     UPPER_HU,  UPPER_KYOU, UPPER_KEI,
                                            UPPER_GIN, UPPER_KIN, UPPER_KAKU, UPPER_SYA};
}

int hand_kind(int code) {
    switch (code < 0 ? -code : code) {
        case 10:
        case 11:
            return KIND_HU;
        case 20:
        case 21:
            return KIND_KYOU;
        case 30:
        case 31:
            return KIND_KEI;
        case 100:
        case 101:
            return KIND_GIN;
        case 110:
        case 111:
            return KIND_KIN;
        case 800:
        case 801:
            return KIND_KAKU;
        case 900:
        case 901:
            return KIND_SYA;
        default:
            return 0;
    }
}

int upper_code_of_kind(int kind) {
    if (kind < 1 || kind > 7) return EMPTY;
    return kUpperCodes[static_cast<std::size_t>(kind)];
}

int lower_code_of_kind(int kind) {
    return -upper_code_of_kind(kind);
}

}  // namespace banzuri
