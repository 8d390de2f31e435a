// A main window whose canvas keeps every drawing call with its exact twips, alongside the
// shared log of the recording fakes, so positions can be compared without rounding.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "fakes/recording_fakes.h"
#include "render/board_painter.h"
#include "settings/options.h"

namespace banzuri::testing {

struct DrawCall {
    std::string kind;  // "picture", "box", "fill", "text", "shadow" or "refresh"
    int code = 0;      // picture code or palette colour
    std::string text;
    double x = 0;
    double y = 0;
    double x2 = 0;
    double y2 = 0;
    double size = 0;
    bool bold = false;
};

class PreciseCanvas : public FakeCanvas {
  public:
    explicit PreciseCanvas(Log& log) : FakeCanvas(log) {}
    void draw_picture(int code, double x, double y) override {
        calls.push_back({"picture", code, "", x, y, 0, 0, 0, false});
        FakeCanvas::draw_picture(code, x, y);
    }
    void draw_box(int colour, double x1, double y1, double x2, double y2) override {
        calls.push_back({"box", colour, "", x1, y1, x2, y2, 0, false});
        FakeCanvas::draw_box(colour, x1, y1, x2, y2);
    }
    void fill_box(int colour, double x1, double y1, double x2, double y2) override {
        calls.push_back({"fill", colour, "", x1, y1, x2, y2, 0, false});
        FakeCanvas::fill_box(colour, x1, y1, x2, y2);
    }
    void draw_text(const std::string& text, double x, double y, int colour, double size,
                   bool bold) override {
        calls.push_back({"text", colour, text, x, y, 0, 0, size, bold});
        FakeCanvas::draw_text(text, x, y, colour, size, bold);
    }
    void draw_shadow(const std::string& text, double x, double y, double size, bool bold) override {
        calls.push_back({"shadow", COLOUR_BLACK, text, x, y, 0, 0, size, bold});
        FakeCanvas::draw_shadow(text, x, y, size, bold);
    }
    void refresh() override {
        calls.push_back({"refresh", 0, "", 0, 0, 0, 0, 0, false});
        FakeCanvas::refresh();
    }
    std::vector<DrawCall> calls;
};

// Twips of a grid position.
inline double X(double gx) {
    return 1300 + 615 * gx;
}
inline double Y(double gy) {
    return 100 + 690 * gy;
}

inline bool near(double a, double b) {
    return std::fabs(a - b) < 0.01;
}

// A board painter over a game state and options of its own, drawing into recording fakes.
template <class CanvasT>
struct PainterWindow {
    PainterWindow() { painter.reset_colours(); }

    // Lines of the log that start with `prefix`.
    std::vector<std::string> lines(const std::string& prefix) const {
        return lines_starting(log, prefix);
    }

    Log log;
    CanvasT canvas{log};
    FakeDialogs dialogs{log};
    FakeClock clock{log};
    FakeMenu menu;
    GameState g;
    ViewState view;
    Options options{menu, dialogs, std::filesystem::temp_directory_path()};
    BoardPainter painter{canvas, g, view, options};
};

using FakeWindow = PainterWindow<FakeCanvas>;

struct Probe : PainterWindow<PreciseCanvas> {
    std::vector<DrawCall> of_kind(const std::string& kind) const {
        std::vector<DrawCall> out;
        for (const auto& call : canvas.calls)
            if (call.kind == kind) out.push_back(call);
        return out;
    }
    // The texts and their shadows in the order drawn.
    std::vector<DrawCall> layers() const {
        std::vector<DrawCall> out;
        for (const auto& call : canvas.calls)
            if (call.kind == "text" || call.kind == "shadow") out.push_back(call);
        return out;
    }
    // True when a picture of `code` sits at the corner of cell (gx, gy).
    bool has_picture(int code, double gx, double gy) const {
        for (const auto& call : canvas.calls)
            if (call.kind == "picture" && call.code == code && near(call.x, X(gx)) &&
                near(call.y, Y(gy)))
                return true;
        return false;
    }
    void clear() {
        log.clear();
        canvas.calls.clear();
    }
};

// Expects a text call with the given content, grid position, colour and size.
#define EXPECT_TEXT_AT(call_, text_, gx_, gy_, colour_, size_)            \
    do {                                                                  \
        EXPECT_EQ((call_).kind, "text");                                  \
        EXPECT_EQ((call_).text, text_);                                   \
        EXPECT_NEAR((call_).x, ::banzuri::testing::X(gx_), 0.01) << #gx_; \
        EXPECT_NEAR((call_).y, ::banzuri::testing::Y(gy_), 0.01) << #gy_; \
        EXPECT_EQ((call_).code, colour_);                                 \
        EXPECT_EQ((call_).size, size_);                                   \
    } while (false)

// Expects the shadow of a text whose front is drawn at the given grid position and size.
#define EXPECT_SHADOW_AT(call_, text_, gx_, gy_, size_)                   \
    do {                                                                  \
        EXPECT_EQ((call_).kind, "shadow");                                \
        EXPECT_EQ((call_).text, text_);                                   \
        EXPECT_NEAR((call_).x, ::banzuri::testing::X(gx_), 0.01) << #gx_; \
        EXPECT_NEAR((call_).y, ::banzuri::testing::Y(gy_), 0.01) << #gy_; \
        EXPECT_EQ((call_).size, size_);                                   \
    } while (false)

}  // namespace banzuri::testing
