// The evaluation graph under the move list: the score of each position of the line after the
// game was looked over, the lower side up, the position shown marked. Clicking it asks for the
// position under the pointer.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace banzuri::app {

class EvalGraph : public QWidget {
  public:
    // Scores beyond this many pawns are drawn at the edge.
    static constexpr double RANGE_PAWNS = 10;

    explicit EvalGraph(std::function<void(int row)> on_clicked, QWidget* parent = nullptr);

    void show_scores(const std::vector<double>& scores, int shown);
    // The row whose point lies nearest to x (widget pixels).
    int row_at(double x) const;
    // The height of a score: the middle for 0, the top for RANGE_PAWNS or more.
    double y_of(double pawns) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    double x_of(int row) const;

    std::function<void(int row)> on_clicked_;
    std::vector<double> scores_;
    int shown_ = 0;
};

}  // namespace banzuri::app
