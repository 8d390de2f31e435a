#include "app/display_list.h"

#include <algorithm>

namespace banzuri::app {

namespace {

// True when drawing `later`, which shows `shown`, leaves nothing of `earlier` to see.
bool hides(const DrawOp& later, const QRect& shown, const DrawOp& earlier,
           const QRect& earlier_shown) {
    if (later.opaque) return shown.contains(earlier_shown);
    // A one-pixel outline drawn again on the same rectangle, in any colour.
    return later.kind == DrawOp::Kind::Box && earlier.kind == DrawOp::Kind::Box &&
           later.area == earlier.area;
}

}  // namespace

bool DisplayList::add(DrawOp op, const QRect& bounds) {
    const QRect shown = op.area & bounds;
    if (shown.isEmpty()) return false;
    for (Entry& e : entries_) {
        if (e.hidden) continue;
        if (!hides(op, shown, e.op, e.shown)) {
            if (!op.opaque || !shown.intersects(e.shown)) continue;
            if (e.visible.isEmpty()) e.visible = QRegion(e.shown);
            e.visible -= shown;
            if (!e.visible.isEmpty()) continue;
        }
        e.hidden = true;
        ++hidden_;
    }
    entries_.push_back({std::move(op), false, shown, {}});
    if (hidden_ > 64 && hidden_ * 2 > entries_.size()) compact();
    return true;
}

void DisplayList::compact() {
    std::erase_if(entries_, [](const Entry& e) { return e.hidden; });
    hidden_ = 0;
}

}  // namespace banzuri::app
