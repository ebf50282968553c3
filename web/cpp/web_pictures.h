#pragma once
// The board pictures of the web build. Their pixels are in the picture sheet the page loaded;
// the core knows each by its number in the sheet's index and by its size, which is all the
// painter asks of a picture. The canvas passes the number on, and the page copies from the
// sheet.

#include <map>
#include <memory>
#include <string>

#include "display/canvas.h"

namespace xvexo::web {

class TWebPicture : public TImage {
  public:
    TWebPicture(int Id, int W, int H) : Id(Id), W(W), H(H) {}
    int Width() const override { return W; }
    int Height() const override { return H; }
    const int Id;

  private:
    int W, H;
};

// The sheet's index: names (without regard to letter case) to numbers and sizes.
class TWebPictureSet : public TImageSource {
  public:
    // Adds picture Name of W x H pixels and returns its number (0, 1, 2 ... in the order
    // added); a name added again keeps its first number.
    int Add(const std::string& Name, int W, int H);
    // Throws TResourceNotFound for a name never added.
    std::unique_ptr<TImage> Load(const std::string& Name) override;

  private:
    struct TEntry {
        int Id, W, H;
    };
    std::map<std::string, TEntry> Entries;
};

}  // namespace xvexo::web
