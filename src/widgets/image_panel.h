#pragma once
// A panel that tiles its wallpaper over the whole client area, inside an optional bevel.

#include <QFrame>
#include <QPixmap>

namespace xvexo {

class TepImagePanel : public QFrame {
    Q_OBJECT
  public:
    explicit TepImagePanel(QWidget* Parent = nullptr);

    void setWallpaper(const QPixmap& Tile);
    const QPixmap& wallpaper() const { return Wallpaper; }

    // A lowered bevel of the given width (0: none).
    void setLoweredBevel(int Width);

  protected:
    void paintEvent(QPaintEvent* E) override;

  private:
    QPixmap Wallpaper;
};

}  // namespace xvexo
