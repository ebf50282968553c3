#include "control/dock_layout.h"

#include <QEvent>
#include <QFrame>
#include <algorithm>

namespace xvexo {

DockLayout::DockLayout(QWidget* parent) : QObject(parent), Parent(parent) {
    parent->installEventFilter(this);
}

void DockLayout::add(QWidget* child, Dock where) {
    Items.push_back({child, where});
    realign();
}

void DockLayout::realign() {
    if (Aligning) return;
    Aligning = true;
    // The client rectangle excludes a frame (bevel) the parent draws.
    QRect r = Parent->rect();
    if (auto* f = qobject_cast<QFrame*>(Parent)) r = f->contentsRect();
    const Dock order[] = {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client};
    for (Dock d : order) {
        for (Item& it : Items) {
            QWidget* w = it.Widget;
            if (!w || it.Where != d || w->isHidden()) continue;
            switch (d) {
                case Dock::Top:
                    w->setGeometry(r.left(), r.top(), r.width(), w->height());
                    r.setTop(r.top() + w->height());
                    break;
                case Dock::Bottom:
                    w->setGeometry(r.left(), r.bottom() + 1 - w->height(), r.width(), w->height());
                    r.setBottom(r.bottom() - w->height());
                    break;
                case Dock::Left:
                    w->setGeometry(r.left(), r.top(), w->width(), std::max(0, r.height()));
                    r.setLeft(r.left() + w->width());
                    break;
                case Dock::Right:
                    w->setGeometry(r.right() + 1 - w->width(), r.top(), w->width(),
                                   std::max(0, r.height()));
                    r.setRight(r.right() - w->width());
                    break;
                case Dock::Client:
                    w->setGeometry(r.left(), r.top(), std::max(0, r.width()),
                                   std::max(0, r.height()));
                    break;
            }
        }
    }
    Aligning = false;
}

bool DockLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Parent && event->type() == QEvent::Resize) realign();
    return QObject::eventFilter(watched, event);
}

}  // namespace xvexo
