// cell_image.cpp: a cell paints its shared picture and reports a click as press and release on it.
#include "ui/cell_image.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "ui/image_list.h"

namespace torvelle {

CellImage::CellImage(int index, const ImageList& pictures, QWidget* parent)
    : QWidget(parent), index_(index), pictures_(pictures)
{
    setObjectName(QStringLiteral("Image1(%1)").arg(index));
    setFixedSize(kSize, kSize);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellImage::setPictureNumber(int number)
{
    if (number == picture_)
        return;
    picture_ = number;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void CellImage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pictures_.picture(picture_, kSize, devicePixelRatioF()));
}

void CellImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CellImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        this->click();
}

void CellImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt would treat it as one more press, so a double-click would place two
    // ships or fire two shots; the release that follows it finds no press.
    pressed_ = false;
    event->accept();
}

} // namespace torvelle
