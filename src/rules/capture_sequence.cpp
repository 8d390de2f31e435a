#include "rules/capture_sequence.h"

#include "rules/enclosure.h"
#include "rules/move.h"
#include "rules/promotion.h"

namespace banzuri {

std::optional<CaptureStep> CaptureSequence::next() {
    if (std::optional<CaptureStep> step = next_sandwich()) return step;
    return next_enclosure();
}

std::optional<CaptureStep> CaptureSequence::next_sandwich() {
    using Scan = int (*)(const GameState&, int, int, int&, int&);
    constexpr Scan scans[] = {&調査挟み_上, &調査挟み_下, &調査挟み_左, &調査挟み_右};
    while (scan_ < 4) {
        int far_x = 0;
        int far_y = 0;
        if (scans[scan_++](g_, x_, y_, far_x, far_y) == ON)
            return CaptureStep{CaptureKind::SANDWICH,
                               {x_, y_},
                               {far_x, far_y},
                               挟まれる駒(g_, x_, y_, far_x, far_y),
                               {}};
    }
    return std::nullopt;
}

std::optional<CaptureStep> CaptureSequence::next_enclosure() {
    const int opponent = enclosure_opponent(g_, x_, y_);
    if (opponent == TURN_NONE) return std::nullopt;
    GroupMarks marks;
    if (調査_当たり(g_, x_, y_, -opponent, opponent, marks) == OFF) return std::nullopt;
    std::vector<Square> group = 当たり駒(marks);
    // A group with no member would be found again and again.
    if (group.empty()) return std::nullopt;
    return CaptureStep{CaptureKind::ENCLOSURE, {x_, y_}, {}, std::move(group), {}};
}

void take_capture(GameState& g, CaptureStep& step) {
    step.pieces.clear();
    for (const Square& s : step.squares) {
        step.pieces.push_back(g.at(s.x, s.y));
        credit_capture(g, g.at(s.x, s.y));
        g.set(s.x, s.y, EMPTY);
    }
}

}  // namespace banzuri
