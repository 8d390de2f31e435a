// The about box: a picture with the buttons "ホームページ" and "O K".
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

#include "app/pictures.h"

class QPaintEvent;
class QPushButton;

namespace banzuri::app {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // `open_homepage` answers false when the page could not be opened; the box then stays.
    // The kings are drawn in the piece set the board shows.
    explicit AboutBox(std::function<bool()> open_homepage, QWidget* parent = nullptr,
                      PieceSet set = PieceSet::KANJI);

    // The background: the title banner and the two kings as pieces on the board's wood, with
    // the version; client-area size at `ratio` device pixels per pixel.
    static QImage picture(qreal ratio = 1.0, PieceSet set = PieceSet::KANJI);

    QPushButton* homepage_button() const { return homepage_; }
    QPushButton* ok_button() const { return ok_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void homepage_clicked();

    std::function<bool()> open_homepage_;
    PieceSet set_;
    QImage picture_;
    QPushButton* homepage_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace banzuri::app
