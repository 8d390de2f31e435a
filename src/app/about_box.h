// The about box: a picture with the buttons "ホームページ" and "O K".
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QPaintEvent;
class QPushButton;

namespace banzuri::app {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // `open_homepage` answers false when the page could not be opened; the box then stays.
    explicit AboutBox(std::function<bool()> open_homepage, QWidget* parent = nullptr);

    // The background: the title banner and the two kings as pieces on the board's wood, with
    // the version; client-area size at `ratio` device pixels per pixel.
    static QImage picture(qreal ratio = 1.0);

    QPushButton* homepage_button() const { return homepage_; }
    QPushButton* ok_button() const { return ok_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void homepage_clicked();

    std::function<bool()> open_homepage_;
    QImage picture_;
    QPushButton* homepage_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace banzuri::app
