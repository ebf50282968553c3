#include "widgets/image_panel.h"

#include <QPainter>

namespace xvexo {

TepImagePanel::TepImagePanel(QWidget* Parent) : QFrame(Parent) {
    setFrameStyle(QFrame::NoFrame);
}

void TepImagePanel::setWallpaper(const QPixmap& Tile) {
    Wallpaper = Tile;
    update();
}

void TepImagePanel::setLoweredBevel(int Width) {
    if (Width <= 0) {
        setFrameStyle(QFrame::NoFrame);
        return;
    }
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(Width);
}

void TepImagePanel::paintEvent(QPaintEvent* E) {
    {
        QPainter P(this);
        // The tiling starts at the panel's corner so the picture does not move when it scrolls.
        if (!Wallpaper.isNull())
            P.drawTiledPixmap(rect(), Wallpaper);
        else
            P.fillRect(rect(), palette().window());
    }
    QFrame::paintEvent(E);
}

}  // namespace xvexo
