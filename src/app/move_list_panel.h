// The move list beside the board: whose turn it is and who plays each side, both clocks'
// totals, and the moves of the line with the position shown highlighted and kept in view.
// Clicking a row asks for that position; the window decides whether it is shown.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/eval_graph.h"
#include "play/move_list.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace banzuri::app {

class MoveListPanel : public QWidget {
  public:
    static constexpr int WIDTH = 240;

    // `on_row_clicked` for a row or a point of the graph, `on_cancel` for the button that
    // stops the look over the game.
    MoveListPanel(std::function<void(int row)> on_row_clicked, std::function<void()> on_cancel,
                  QWidget* parent = nullptr);

    // Shows `list`; rows are rebuilt only when they changed. The graph shows once the game
    // was looked over.
    void show_list(const MoveList& list);
    // The progress of the look over the game, with its button, while it runs.
    void show_progress(bool running, int done, int total);
    // Its own captions again, in the language now in use.
    void retranslate();

    EvalGraph& graph() { return *graph_; }
    QProgressBar& progress() { return *progress_; }
    QPushButton& cancel_button() { return *cancel_; }

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
    EvalGraph* graph_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<std::string> shown_rows_;
};

}  // namespace banzuri::app
