// The splash window shown while the main window starts: borderless, 480 x 150, centred,
// the catalog's splash picture, the hourglass cursor.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <string>

namespace kinemo {

class TFormSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 150;

    TFormSplash();
    // Loads programFolder + "picture/splash.jpg"; raises an error naming the file when it
    // is missing or not a picture (the window then stays empty).
    void LoadPicture(const std::string& programFolder);
    bool HasPicture() const { return !picture_.isNull(); }
    // Shows the window and paints it at once, before the event loop runs.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace kinemo
