#pragma once
// A push button drawn with a vertical gradient that brightens under the mouse and shows a dotted
// frame while it has the keyboard focus.

#include <QColor>
#include <QPushButton>

namespace xvexo {

class TepFocusButton : public QPushButton {
    Q_OBJECT
  public:
    explicit TepFocusButton(const QString& Text = {}, QWidget* Parent = nullptr);

    void setColours(const QColor& TopColour, const QColor& BottomColour);
    QColor topColour() const { return Top; }
    QColor bottomColour() const { return Bottom; }

  protected:
    void paintEvent(QPaintEvent* E) override;

  private:
    QColor Top{250, 250, 250};
    QColor Bottom{200, 208, 214};
};

}  // namespace xvexo
