// Compiled with the readers' sources into their second build: "xvexo" below names that build's
// namespace.

#include "records/bytewise_readers.h"

#include "records/record_reads.h"

namespace bytewise_readers {

std::string DescribeTagRead(std::string_view Text) {
    return xvexo::testing::DescribeTagRead(Text);
}

std::string DescribeDiagramRead(std::string_view Block) {
    return xvexo::testing::DescribeDiagramRead(Block);
}

std::string DescribeNgfRead(std::string_view Text) {
    return xvexo::testing::DescribeNgfRead(Text);
}

}  // namespace bytewise_readers
