#include "records/charset_detection.h"

namespace xvexo {

// A build without the detection library: texts that name no character set and are not UTF-8
// are read in the standard's default set.
std::string DetectCharset(std::string_view /*Bytes*/) {
    return {};
}

}  // namespace xvexo
