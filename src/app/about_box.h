// The about box: a picture with the buttons "ホームページ" and "O K".
#pragma once

#include <QDialog>
#include <functional>

namespace banzuri::app {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // `open_homepage` answers false when the page could not be opened; the box then stays.
    AboutBox(std::function<bool()> open_homepage, QWidget* parent = nullptr);

  private:
    std::function<bool()> open_homepage_;
};

}  // namespace banzuri::app
