// The client area of the main window: shows the canvas image and reports mouse presses in
// twips with the game's button codes.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace banzuri::app {

inline constexpr int CLIENT_WIDTH_PX = 765;
inline constexpr int CLIENT_HEIGHT_PX = 546;

class BoardWidget : public QWidget {
  public:
    // button: 1 left, 2 right; x, y in twips of the client area; the event's timestamp.
    using PressHandler = std::function<void(int button, double x, double y, std::uint64_t time)>;

    BoardWidget(const QImage& image, PressHandler on_press, QWidget* parent = nullptr);

    // How often the canvas image has been put on the screen.
    int paint_count() const { return paint_count_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const QImage& image_;
    PressHandler on_press_;
    int paint_count_ = 0;
};

// The game's code of a mouse button, 0 for buttons the game does not use.
int game_button(Qt::MouseButton button);

}  // namespace banzuri::app
