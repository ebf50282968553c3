#pragma once
// The byte scanning of the record readers as first written, kept unchanged in the tests: every
// byte looked at on its own. The readers' own scan was made fast (many bytes a compare); the
// random texts are read by the readers as they are and by the same readers built with this scan
// (bytewise_readers.h), and must come out alike.

namespace xvexo::testing {

// The first byte of [First, Last) that is A or B; Last when there is none.
inline const char* ReferenceFindEitherByte(const char* First, const char* Last, char A, char B) {
    while (First != Last && *First != A && *First != B)
        ++First;
    return First;
}

}  // namespace xvexo::testing
