// What the game has drawn, kept as a short list of drawing operations in twips so that the
// client area can be drawn again at any size. An operation wholly covered by a later opaque
// one (a picture or a filled rectangle) is dropped, so the list stays about as long as what
// is visible. Several later operations that cover one together count as well.
#pragma once

#include <QRect>
#include <QRegion>
#include <QString>
#include <cstddef>
#include <vector>

namespace banzuri::app {

struct DrawOp {
    enum class Kind { Picture, Box, Fill, Tint, Text };
    Kind kind = Kind::Fill;
    int code = 0;                           // picture code, or the palette colour of the others
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips: a corner, and for boxes the other one
    QString text;
    double size = 0;  // points
    bool bold = false;
    bool shadow = false;  // a text's black shadow, offset by a pixel or two of the view
    QRect area;           // pixels of the client area at scale 1 that the operation may touch
    bool opaque = false;
};

class DisplayList {
  public:
    // Records `op` after dropping the operations it hides; false (and nothing recorded) when
    // it lies wholly outside `bounds`.
    bool add(DrawOp op, const QRect& bounds);

    template <typename Visit>
    void for_each(Visit visit) const {
        for (const Entry& e : entries_)
            if (!e.hidden) visit(e.op);
    }

    // Operations still visible.
    std::size_t size() const { return entries_.size() - hidden_; }

  private:
    struct Entry {
        DrawOp op;
        bool hidden;
        QRect shown;      // its area inside the client area
        QRegion visible;  // what later opaque operations left of it, once partly covered
    };
    void compact();

    std::vector<Entry> entries_;
    std::size_t hidden_ = 0;
};

}  // namespace banzuri::app
