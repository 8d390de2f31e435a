// The move list beside the board: whose turn it is and who plays each side, both clocks'
// totals, and the moves of the line with the position shown highlighted and kept in view.
// Clicking a row asks for that position; the window decides whether it is shown.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "play/move_list.h"

class QLabel;
class QListWidget;

namespace banzuri::app {

class MoveListPanel : public QWidget {
  public:
    static constexpr int WIDTH = 240;

    explicit MoveListPanel(std::function<void(int row)> on_row_clicked, QWidget* parent = nullptr);

    // Shows `list`; rows are rebuilt only when they changed.
    void show_list(const MoveList& list);

    const QLabel& turn_label() const { return *turn_; }
    const QLabel& players_label() const { return *players_; }
    const QLabel& clocks_label() const { return *clocks_; }
    QListWidget& rows() { return *rows_; }

  private:
    std::function<void(int row)> on_row_clicked_;
    QLabel* turn_ = nullptr;
    QLabel* players_ = nullptr;
    QLabel* clocks_ = nullptr;
    QListWidget* rows_ = nullptr;
    std::vector<std::string> shown_rows_;
};

}  // namespace banzuri::app
