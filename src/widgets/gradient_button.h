#pragma once
// A picture button on a gradient face: the face takes the active colour while the mouse is over
// it or it is pressed, and shows either a glyph strip of four states (idle, hover, pressed,
// disabled) or a caption, whose colour turns to the active text colour on the active face.

#include <QColor>
#include <QString>

#include "widgets/image_button.h"

namespace xvexo {

class TepGradientButton : public TepSpeedButton {
    Q_OBJECT
  public:
    explicit TepGradientButton(QWidget* Parent = nullptr);

    void setFaceColour(const QColor& C);
    void setActiveFaceColour(const QColor& C);
    void setActiveTextColour(const QColor& C);
    // The frame around the face, in pixels (0: none).
    void setFrameWidth(int W);
    // Shown centred when the button has no glyph.
    void setCaption(const QString& Text);

    QColor faceColour() const { return Face; }
    QColor activeFaceColour() const { return ActiveFace; }
    QColor activeTextColour() const { return ActiveText; }
    int frameWidth() const { return Frame; }
    QString caption() const { return Caption; }

  protected:
    void paintEvent(QPaintEvent* E) override;

  private:
    QColor Face{204, 212, 212};
    QColor ActiveFace{181, 191, 191};
    QColor ActiveText{255, 255, 255};
    int Frame = 1;
    QString Caption;
};

}  // namespace xvexo
