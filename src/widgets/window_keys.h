#pragma once
// Keys of a window whatever widget of it has the focus. A text box, a spin box or a list claims
// the keys it moves its cursor with before the window's shortcuts see them; a child that has no
// use for some of them (a read-only comment, a box of two digits) leaves those to the window. A
// small window kept above its owner shares the owner's shortcuts, so it takes its own keys ahead
// of its widgets and of those shortcuts.

#include <QWidget>
#include <functional>
#include <span>

namespace xvexo {

// While Child has the focus, the shortcuts of its window take each of Keys (pressed without a
// modifier, or on the keypad) before Child does; a key no shortcut takes still reaches Child.
// Child's other keys stay its own.
void LeaveKeysToWindow(QWidget& Child, std::span<const int> Keys);

// Each of Keys pressed (without a modifier, or on the keypad) while Window is active goes to
// Handler, whichever of the widgets Window holds now has the focus, and to no shortcut. Windows
// of their own inside it (a list's popup) keep their keys.
void TakeWindowKeys(QWidget& Window, std::span<const int> Keys,
                    std::function<void(int Key)> Handler);

}  // namespace xvexo
