#include "records/kif_handicaps.h"

#include <array>
#include <utility>
#include <vector>

namespace banzuri::records {

namespace {

using Square = std::pair<std::size_t, std::size_t>;  // column, row of an upper piece

// The upper side's pieces, seen from its own seat: its left is file 1.
constexpr Square kRook{2, 2};
constexpr Square kBishop{8, 2};
constexpr Square kLeftLance{9, 1};
constexpr Square kRightLance{1, 1};
constexpr Square kLeftKnight{8, 1};
constexpr Square kRightKnight{2, 1};
constexpr Square kLeftSilver{7, 1};
constexpr Square kRightSilver{3, 1};
constexpr Square kLeftGold{6, 1};
constexpr Square kRightGold{4, 1};

struct Named {
    std::string_view name;
    std::vector<Square> removed;
    bool widely_known;
};

const std::vector<Named>& handicaps() {
    static const std::vector<Named> table = [] {
        const std::vector<Square> two = {kRook, kBishop};
        const std::vector<Square> four = {kRook, kBishop, kLeftLance, kRightLance};
        const std::vector<Square> six = {kRook,       kBishop,     kLeftLance,
                                         kRightLance, kLeftKnight, kRightKnight};
        auto plus = [](std::vector<Square> base, std::vector<Square> more) {
            base.insert(base.end(), more.begin(), more.end());
            return base;
        };
        return std::vector<Named>{
            {"香落ち", {kLeftLance}, true},
            {"右香落ち", {kRightLance}, true},
            {"角落ち", {kBishop}, true},
            {"飛車落ち", {kRook}, true},
            {"飛香落ち", {kRook, kLeftLance}, true},
            {"二枚落ち", two, true},
            {"三枚落ち", plus(two, {kLeftLance}), false},
            {"四枚落ち", four, true},
            {"五枚落ち", plus(four, {kRightKnight}), false},
            {"左五枚落ち", plus(four, {kLeftKnight}), false},
            {"六枚落ち", six, true},
            {"左七枚落ち", plus(six, {kLeftSilver}), false},
            {"右七枚落ち", plus(six, {kRightSilver}), false},
            {"八枚落ち", plus(six, {kLeftSilver, kRightSilver}), true},
            {"十枚落ち", plus(six, {kLeftSilver, kRightSilver, kLeftGold, kRightGold}), true},
        };
    }();
    return table;
}

StartPosition start_of(const Named& h) {
    StartPosition s = standard_start();
    for (const auto& [x, y] : h.removed)
        s.board[x][y] = EMPTY;
    s.lower_to_move = false;
    return s;
}

}  // namespace

std::optional<StartPosition> named_start(std::string_view name) {
    if (name == "平手") return standard_start();
    for (const Named& h : handicaps())
        if (h.name == name) return start_of(h);
    return std::nullopt;
}

std::string_view start_name(const StartPosition& start) {
    if (start == standard_start()) return "平手";
    for (const Named& h : handicaps())
        if (start == start_of(h)) return h.name;
    return {};
}

bool widely_known(std::string_view name) {
    if (name == "平手") return true;
    for (const Named& h : handicaps())
        if (h.name == name) return h.widely_known;
    return false;
}

}  // namespace banzuri::records
