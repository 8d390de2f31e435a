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

    // The background: the title banner and two kings on wood, from the picture set; painted
    // wood with the title when those pictures are missing. Client-area size.
    static QImage picture();

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
