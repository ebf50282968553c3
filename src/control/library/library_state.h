#pragma once
// What the library keeps for all its objects: how many live and how many locks the hosts hold
// (DllCanUnloadNow answers from both), and the Qt application the controls run in.

#include <cstdint>
#include <string>

namespace xvexo::library {

// Counted for every object handed out (the class factory while referenced, controls, fonts).
void ObjectCreated();
void ObjectDestroyed();
// IClassFactory::LockServer.
void Lock(bool On);
// Whether no object lives and no lock is held.
bool CanUnload();

// Makes sure a Qt application runs on this thread, starting one (with the program's font
// substitutions) when the host has none. False when the process holds a Qt application that
// cannot show widgets.
bool EnsureApplication();

// Loads the print options from the user's registry, once (on a first run, or a new settings
// version, storing the defaults). When they cannot be stored, or the settings file is no
// regular file, printing goes on with the defaults and PrintSettingsNotice says why, once;
// empty otherwise.
void StartPrinting();
const std::string& PrintSettingsNotice();

}  // namespace xvexo::library
