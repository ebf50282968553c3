#pragma once
// The Qt application the drawing commands (render, print) need for fonts: headless on the
// offscreen platform when no platform is named, with the programs' font substitutions, and
// with only Qt's critical messages reaching standard error.

#include <QGuiApplication>
#include <memory>

namespace xvexo::cli {

std::unique_ptr<QGuiApplication> StartGui();

}  // namespace xvexo::cli
