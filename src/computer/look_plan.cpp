// Progress against a side that stands still: the search assumes the best replies, so where
// the opponent can always defend, the quiet moves score alike and a passive opponent is never
// attacked. A plan is the shortest route of one piece, the others standing still, onto a
// square where arriving captures; its first step is played when it holds under best replies.
#include "computer/look_search.h"

namespace banzuri::look {

namespace {

bool plans_with(int type) {
    return type != HU && type != OU;
}

}  // namespace

// The shortest route (of equal ones the largest capture) of the piece on `from`.
void Searcher::route_of(int from, const SideThreats& own, Plan& plan) const {
    const int type = pos_.at(from) * pos_.side();
    std::array<int, 81> queue{};
    std::array<int, SQUARES> steps{};
    std::array<int, SQUARES> first{};
    Bits seen = bit_of(from);
    int head = 0;
    int tail = 0;
    queue[static_cast<std::size_t>(tail++)] = from;
    while (head < tail) {
        const int at = queue[static_cast<std::size_t>(head++)];
        const int n = steps[static_cast<std::size_t>(at)] + 1;
        if (n > PLAN_STEPS || (!plan.first.none() && n > plan.steps)) return;
        const Bits next = pos_.destinations(at, type) & ~seen;
        seen |= next;
        for_each_square(next, [&](int to) {
            const auto i = static_cast<std::size_t>(to);
            steps[i] = n;
            first[i] = at == from ? to : first[static_cast<std::size_t>(at)];
            queue[static_cast<std::size_t>(tail++)] = to;
            const int gain = own.gain[i];
            if (n < 2 || gain < PLAN_MIN_GAIN) return;
            if (plan.first.none() || n < plan.steps || (n == plan.steps && gain > plan.gain)) {
                plan.steps = n;
                plan.gain = gain;
                plan.first = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(first[i]),
                              static_cast<std::uint8_t>(type), 0};
            }
        });
    }
}

// The first step of the best route of all the side's pieces, pawns and king aside.
Move Searcher::find_plan() {
    Threats& t = threats_[0];
    finder_.find(pos_, t);
    const SideThreats& own = t.of(pos_.side());
    Plan plan;
    for_each_square(pos_.occupied(pos_.side()), [&](int s) {
        if (plans_with(pos_.at(s) * pos_.side())) route_of(s, own, plan);
    });
    if (plan.first.none()) return {};
    MoveList& list = lists_[0];
    pos_.generate(list);
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[static_cast<std::size_t>(i)];
        if (m.from == plan.first.from && m.to == plan.first.to) return m;
    }
    return {};
}

bool Searcher::captures(Move m) {
    Undo u;
    const bool taken = pos_.make(m, u) > 0;
    pos_.unmake(u);
    return taken;
}

// Whether a plan can still be checked: not after the caller's stop flag, and after
// should_stop only when the caller gave the check a stop of its own.
bool Searcher::time_for_plan() const {
    if (limits_.stop != nullptr && limits_.stop->load(std::memory_order_relaxed)) return false;
    if (!stopped_ || (limits_.nodes > 0 && nodes_ >= limits_.nodes)) return true;
    return static_cast<bool>(limits_.plan_should_stop);
}

void Searcher::follow_plan() {
    if (!limits_.plans || depth_ < 2 || score_ > MATE_BOUND || score_ < -MATE_BOUND) return;
    if (!time_for_plan() || captures(best_)) return;
    const Move first = find_plan();
    if (first.none() || first == best_) return;
    if (limits_.nodes > 0) limits_.nodes = nodes_ + limits_.nodes * PLAN_EXTRA_PERCENT / 100;
    if (limits_.plan_should_stop) limits_.should_stop = limits_.plan_should_stop;
    stopped_ = false;
    // Does the first step score at least the threshold under best replies?
    const int threshold = score_ - PLAN_MARGIN;
    Undo u;
    pos_.make(first, u);
    const int score = -search(depth_ - 1, -threshold, -threshold + 1, 1);
    pos_.unmake(u);
    if (!stopped_ && score >= threshold) best_ = first;
}

}  // namespace banzuri::look
