#pragma once
// Docked children of one parent, aligned as the form designer's panels are: first every child
// docked to the top (in the order added), then the bottom, left and right ones, and last the
// client child, which takes what remains. A docked child keeps its own height (top, bottom) or
// width (left, right). Children that are not docked keep their own geometry.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace xvexo {

enum class Dock { Top, Bottom, Left, Right, Client };

class DockLayout : public QObject {
    Q_OBJECT
  public:
    // Realigns whenever Parent is resized.
    explicit DockLayout(QWidget* Parent);

    void add(QWidget* Child, Dock Where);
    // Places every docked child in Parent's current client rectangle.
    void realign();

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

  private:
    struct Item {
        QPointer<QWidget> Widget;
        Dock Where;
    };
    QWidget* Parent;
    std::vector<Item> Items;
    bool Aligning = false;
};

}  // namespace xvexo
