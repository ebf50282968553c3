#include "control/dock_layout.h"

#include <QEvent>
#include <QFrame>
#include <algorithm>

namespace xvexo {

DockLayout::DockLayout(QWidget* Parent) : QObject(Parent), Parent(Parent) {
    Parent->installEventFilter(this);
}

void DockLayout::add(QWidget* Child, Dock Where) {
    Items.push_back({Child, Where});
    realign();
}

void DockLayout::realign() {
    if (Aligning) return;
    Aligning = true;
    // The client rectangle excludes a frame (bevel) the parent draws.
    QRect R = Parent->rect();
    if (auto* F = qobject_cast<QFrame*>(Parent)) R = F->contentsRect();
    const Dock Order[] = {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client};
    for (Dock D : Order) {
        for (Item& It : Items) {
            QWidget* W = It.Widget;
            if (!W || It.Where != D || W->isHidden()) continue;
            switch (D) {
                case Dock::Top:
                    W->setGeometry(R.left(), R.top(), R.width(), W->height());
                    R.setTop(R.top() + W->height());
                    break;
                case Dock::Bottom:
                    W->setGeometry(R.left(), R.bottom() + 1 - W->height(), R.width(), W->height());
                    R.setBottom(R.bottom() - W->height());
                    break;
                case Dock::Left:
                    W->setGeometry(R.left(), R.top(), W->width(), std::max(0, R.height()));
                    R.setLeft(R.left() + W->width());
                    break;
                case Dock::Right:
                    W->setGeometry(R.right() + 1 - W->width(), R.top(), W->width(),
                                   std::max(0, R.height()));
                    R.setRight(R.right() - W->width());
                    break;
                case Dock::Client:
                    W->setGeometry(R.left(), R.top(), std::max(0, R.width()),
                                   std::max(0, R.height()));
                    break;
            }
        }
    }
    Aligning = false;
}

bool DockLayout::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == Parent && Event->type() == QEvent::Resize) realign();
    return QObject::eventFilter(Watched, Event);
}

}  // namespace xvexo
