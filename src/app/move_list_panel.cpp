#include "app/move_list_panel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace banzuri::app {

namespace {

QLabel* add_label(QVBoxLayout& layout, QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    layout.addWidget(label);
    return label;
}

}  // namespace

MoveListPanel::MoveListPanel(std::function<void(int row)> on_row_clicked,
                             std::function<void()> on_cancel, QWidget* parent)
    : QWidget(parent), on_row_clicked_(std::move(on_row_clicked)) {
    setObjectName(QStringLiteral("MOVE_LIST"));
    setFixedWidth(WIDTH);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    turn_ = add_label(*layout, this, "TURN");
    QFont big = turn_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    turn_->setFont(big);
    players_ = add_label(*layout, this, "PLAYERS");
    clocks_ = add_label(*layout, this, "CLOCKS");
    rows_ = new QListWidget(this);
    rows_->setObjectName(QStringLiteral("MOVES"));
    // The keys stay with the board: ← and → step through the line there.
    rows_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(rows_, 1);
    connect(rows_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { on_row_clicked_(rows_->row(item)); });
    graph_ = new EvalGraph([this](int row) { on_row_clicked_(row); }, this);
    graph_->hide();
    layout->addWidget(graph_);
    auto* running = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ANALYSIS_PROGRESS"));
    progress_->setFormat(QCoreApplication::translate("MoveList", "検討中 %v/%m"));
    cancel_ = new QPushButton(QCoreApplication::translate("MoveList", "中止"), this);
    cancel_->setObjectName(QStringLiteral("ANALYSIS_CANCEL"));
    cancel_->setFocusPolicy(Qt::NoFocus);
    connect(cancel_, &QPushButton::clicked, this,
            [on_cancel = std::move(on_cancel)] { on_cancel(); });
    running->addWidget(progress_, 1);
    running->addWidget(cancel_);
    layout->addLayout(running);
    show_progress(false, 0, 0);
}

void MoveListPanel::show_progress(bool running, int done, int total) {
    progress_->setVisible(running);
    cancel_->setVisible(running);
    if (!running) return;
    progress_->setRange(0, std::max(1, total));
    progress_->setValue(done);
}

void MoveListPanel::show_list(const MoveList& list) {
    turn_->setText(QString::fromStdString(list.turn));
    players_->setText(QString::fromStdString(list.players));
    clocks_->setText(QString::fromStdString(list.clocks));
    const QSignalBlocker quiet(rows_);
    if (list.rows != shown_rows_) {
        rows_->clear();
        for (const std::string& row : list.rows)
            rows_->addItem(QString::fromStdString(row));
        shown_rows_ = list.rows;
    }
    graph_->setVisible(!list.scores.empty());
    graph_->show_scores(list.scores, list.shown);
    if (list.shown >= 0 && list.shown < rows_->count()) {
        rows_->setCurrentRow(list.shown);
        rows_->scrollToItem(rows_->item(list.shown));
    }
}

void MoveListPanel::retranslate() {
    progress_->setFormat(QCoreApplication::translate("MoveList", "検討中 %v/%m"));
    cancel_->setText(QCoreApplication::translate("MoveList", "中止"));
    graph_->setToolTip(QCoreApplication::translate(
        "MoveList", "形勢(上が▲/手前の有利)。クリックでその局面を表示"));
}

}  // namespace banzuri::app
