#pragma once
// The tag, diagram-block and NGF readers built a second time with the reference byte scanning
// (reference_byte_scan.h) in place of their fast one, in a namespace of their own (see
// tests/records/CMakeLists.txt). Each returns what record_reads.h writes of its read, so the
// random texts can be read by both builds and compared.

#include <string>
#include <string_view>

namespace bytewise_readers {

std::string DescribeTagRead(std::string_view Text);
std::string DescribeDiagramRead(std::string_view Block);
std::string DescribeNgfRead(std::string_view Text);

}  // namespace bytewise_readers
