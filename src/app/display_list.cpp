#include "app/display_list.h"

#include <algorithm>

namespace banzuri::app {

namespace {

// True when drawing `later` leaves nothing of `earlier` to see.
bool hides(const DrawOp& later, const DrawOp& earlier) {
    if (later.opaque) return later.area.contains(earlier.area);
    // A one-pixel outline drawn again on the same rectangle, in any colour.
    return later.kind == DrawOp::Kind::Box && earlier.kind == DrawOp::Kind::Box &&
           later.area == earlier.area;
}

}  // namespace

bool DisplayList::add(DrawOp op, const QRect& bounds) {
    if (!op.area.intersects(bounds)) return false;
    for (Entry& e : entries_)
        if (!e.hidden && hides(op, e.op)) {
            e.hidden = true;
            ++hidden_;
        }
    entries_.push_back({std::move(op), false});
    if (hidden_ > 64 && hidden_ * 2 > entries_.size()) compact();
    return true;
}

void DisplayList::compact() {
    std::erase_if(entries_, [](const Entry& e) { return e.hidden; });
    hidden_ = 0;
}

}  // namespace banzuri::app
