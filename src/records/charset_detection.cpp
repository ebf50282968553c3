#include "records/charset_detection.h"

#include <uchardet.h>

#include <memory>
#include <type_traits>

namespace xvexo {

namespace {

struct TDetectorDelete {
    void operator()(uchardet_t D) const { uchardet_delete(D); }
};

}  // namespace

std::string DetectCharset(std::string_view Bytes) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, TDetectorDelete> Detector(
        uchardet_new());
    if (!Detector) return {};
    if (uchardet_handle_data(Detector.get(), Bytes.data(), Bytes.size()) != 0) return {};
    uchardet_data_end(Detector.get());
    const char* Name = uchardet_get_charset(Detector.get());
    return Name != nullptr ? std::string(Name) : std::string();
}

}  // namespace xvexo
