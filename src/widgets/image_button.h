#pragma once
// A picture button whose glyph is a strip of four equal pictures side by side: idle, hover,
// pressed (or held down) and disabled.

#include <QAbstractButton>
#include <QImage>

namespace xvexo {

class TepSpeedButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum GlyphState { Idle = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit TepSpeedButton(QWidget* Parent = nullptr);

    // Takes a strip of four pictures; a strip narrower than 4 pixels shows nothing.
    void setGlyph(const QImage& Glyph);
    const QImage& glyph() const { return Strip; }

    // A transparent button draws only its glyph; otherwise the face colour is filled first.
    void setTransparent(bool On);
    bool transparent() const { return Transparent; }

    // Held down (the framework's Down property): shows the pressed picture while set.
    void setHeldDown(bool On);

    int tag() const { return Tag; }
    void setTag(int T) { Tag = T; }

    GlyphState glyphState() const;
    // The picture of the given state cut from the strip (null when there is no glyph).
    QImage statePicture(GlyphState S) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* E) override;
    void enterEvent(QEnterEvent* E) override;
    void leaveEvent(QEvent* E) override;
    void changeEvent(QEvent* E) override;
    // A button hidden under the mouse (its window closed) gets no leave: it looks idle when
    // shown again, until the mouse comes over it.
    void hideEvent(QHideEvent* E) override;

  private:
    QImage Strip;
    bool Transparent = false;
    bool Hovered = false;
    bool HeldDown = false;
    int Tag = 0;
};

}  // namespace xvexo
