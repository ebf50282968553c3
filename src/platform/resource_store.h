#pragma once
// Pictures and other resources compiled into the program, looked up by name without regard to
// letter case. Every resource lives at ":/res/<NAME IN UPPER CASE>.<ext>"; pictures are PNG files
// that keep the bit depth of their kind (8-bit palette stones and wood, 1-bit masks, 24-bit
// edges), other resources keep their own extension (".wav" for sounds).

#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "display/canvas.h"

namespace xvexo {

// ":/res/<NAME>.<Extension>" with the name in upper case.
QString ResourcePath(const std::string& Name, const std::string& Extension);

// The picture of that name, as stored (.png, else .bmp). Throws TResourceNotFound.
QImage LoadResourceImage(const std::string& Name);

// The bytes of the resource "<NAME>.<Extension>". Throws TResourceNotFound.
QByteArray LoadResourceData(const std::string& Name, const std::string& Extension);

// The picture source of the painters. Keeps every picture it has loaded, so switching back to
// a size already seen decodes nothing.
class TResourceStore : public TImageSource {
  public:
    std::unique_ptr<TImage> Load(const std::string& Name) override;

  private:
    std::map<std::string, QImage> Cache;  // by upper-case name, converted for the canvas
};

}  // namespace xvexo
