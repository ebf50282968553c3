#include "widgets/window_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QVector>

namespace xvexo {

namespace {

// Whether Event is the press, or the shortcut override, of one of Keys without a modifier.
bool IsOneOf(const QEvent& Event, const QVector<int>& Keys) {
    if (Event.type() != QEvent::ShortcutOverride && Event.type() != QEvent::KeyPress) return false;
    const auto& Key = static_cast<const QKeyEvent&>(Event);
    const Qt::KeyboardModifiers Modifiers = Key.modifiers() & ~Qt::KeypadModifier;
    return Modifiers == Qt::NoModifier && Keys.contains(Key.key());
}

// Declines, for the child it watches, the shortcut override of the keys it leaves to the window.
class TKeysLeft : public QObject {
  public:
    TKeysLeft(QWidget& Child, std::span<const int> Keys)
        : QObject(&Child), Keys(Keys.begin(), Keys.end()) {}

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() != QEvent::ShortcutOverride || !IsOneOf(*Event, Keys))
            return QObject::eventFilter(Watched, Event);
        // Not accepted: the window's shortcut, if one has the key, takes it.
        Event->ignore();
        return true;
    }

  private:
    QVector<int> Keys;
};

// Claims the keys of a window on each of its widgets: the override, so no shortcut takes them,
// then the press, which goes to the handler.
class TKeysTaken : public QObject {
  public:
    TKeysTaken(QWidget& Window, std::span<const int> Keys, std::function<void(int)> Handler)
        : QObject(&Window), Keys(Keys.begin(), Keys.end()), Handler(std::move(Handler)) {}

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (!IsOneOf(*Event, Keys)) return QObject::eventFilter(Watched, Event);
        Event->accept();
        if (Event->type() == QEvent::KeyPress) Handler(static_cast<QKeyEvent*>(Event)->key());
        return true;
    }

  private:
    QVector<int> Keys;
    std::function<void(int)> Handler;
};

}  // namespace

void LeaveKeysToWindow(QWidget& Child, std::span<const int> Keys) {
    Child.installEventFilter(new TKeysLeft(Child, Keys));
}

void TakeWindowKeys(QWidget& Window, std::span<const int> Keys,
                    std::function<void(int Key)> Handler) {
    auto* Taken = new TKeysTaken(Window, Keys, std::move(Handler));
    Window.installEventFilter(Taken);
    // Not into windows of their own (a list's popup keeps its keys).
    for (QWidget* W : Window.findChildren<QWidget*>()) {
        if (!W->isWindow()) W->installEventFilter(Taken);
    }
}

}  // namespace xvexo
