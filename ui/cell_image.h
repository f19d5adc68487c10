// cell_image.h: one cell of the board as the player sees and clicks it.
#pragma once

#include <QWidget>

namespace torvelle {

class ImageList;

class CellImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 32;

    CellImage(int index, const ImageList& pictures, QWidget* parent);

    int index() const { return index_; }
    int pictureNumber() const { return picture_; }
    void setPictureNumber(int number);
    // What a click does; also the press action of assistive technology.
    void click() { emit clicked(index_); }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double-click is not a click of its own.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int index_;
    int picture_ = 0;
    const ImageList& pictures_;
    bool pressed_ = false;
};

} // namespace torvelle
