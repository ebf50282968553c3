#pragma once
// The click of a placed stone: the "toc" sound played asynchronously from memory. Without a
// sound device nothing is heard, nothing waits and nothing is reported.

#include <memory>

class QSoundEffect;

namespace xvexo {

class TClickSound {
  public:
    TClickSound();
    ~TClickSound();
    TClickSound(const TClickSound&) = delete;
    TClickSound& operator=(const TClickSound&) = delete;

    // Starts the click; one still playing is replaced.
    void Play();

  private:
    std::unique_ptr<QSoundEffect> Effect;
};

}  // namespace xvexo
