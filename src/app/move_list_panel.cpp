#include "app/move_list_panel.h"

#include <QLabel>
#include <QListWidget>
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

MoveListPanel::MoveListPanel(std::function<void(int row)> on_row_clicked, QWidget* parent)
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
    if (list.shown >= 0 && list.shown < rows_->count()) {
        rows_->setCurrentRow(list.shown);
        rows_->scrollToItem(rows_->item(list.shown));
    }
}

}  // namespace banzuri::app
