#include "widgets/image_panel.h"

#include <QPainter>

namespace xvexo {

TepImagePanel::TepImagePanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::NoFrame);
}

void TepImagePanel::setWallpaper(const QPixmap& tile) {
    Wallpaper = tile;
    update();
}

void TepImagePanel::setLoweredBevel(int width) {
    if (width <= 0) {
        setFrameStyle(QFrame::NoFrame);
        return;
    }
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(width);
}

void TepImagePanel::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        // The tiling starts at the panel's corner so the picture does not move when it scrolls.
        if (!Wallpaper.isNull())
            p.drawTiledPixmap(rect(), Wallpaper);
        else
            p.fillRect(rect(), palette().window());
    }
    QFrame::paintEvent(e);
}

}  // namespace xvexo
