// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window's picture cell: its picture at natural size from the top-left corner, clipped, never scaled.

#include "toolkit/Picture.h"

#include <QWidget>

namespace numislot::toolkit {

class PictureCell : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCell(QWidget* parent = nullptr);

    // Assignment only keeps a handle: the picture decodes when the cell is first painted or printed.
    void setPicture(const Picture& picture);
    Picture picture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Picture m_picture;
};

} // namespace numislot::toolkit
