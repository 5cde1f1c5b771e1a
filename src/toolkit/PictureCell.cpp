// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/PictureCell.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace numislot::toolkit {

PictureCell::PictureCell(QWidget* parent)
    : QWidget(parent)
{
    // The gallery moves its print button on mouse moves over its own background only.
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureCell::setPicture(const Picture& picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

QSize PictureCell::sizeHint() const
{
    const QSize size = m_picture.size();
    return size.isValid() ? size : QWidget::sizeHint();
}

void PictureCell::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QImage image = m_picture.image();
    if (!image.isNull())
        painter.drawImage(0, 0, image);
}

void PictureCell::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace numislot::toolkit
