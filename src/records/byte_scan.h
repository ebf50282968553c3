#pragma once
// Finding the next byte that matters after a run of ordinary ones: the inner loops of the
// record readers, which take the bytes between two brackets as one run.

#include <bit>
#include <cstddef>
#include <cstdint>
#if defined(XVEXO_REFERENCE_SCAN)
// The readers' second build in the tests scans with the reference, as first written; the
// definition names its header.
#include XVEXO_REFERENCE_SCAN
#elif defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define XVEXO_SCAN_X86 1
#endif

namespace xvexo {

namespace scan_detail {

// [First, Last) byte by byte: the end of a run, and the whole scan where no vector unit helps.
inline const char* FindEitherByteBytewise(const char* First, const char* Last, char A, char B) {
    while (First != Last && *First != A && *First != B)
        ++First;
    return First;
}

#if XVEXO_SCAN_X86
// Sixteen bytes a compare (SSE2, which every x86-64 processor has).
inline const char* FindEitherByteSse2(const char* First, const char* Last, char A, char B) {
    const __m128i WantA = _mm_set1_epi8(A);
    const __m128i WantB = _mm_set1_epi8(B);
    while (Last - First >= 16) {
        const __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(First));
        const auto Hits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(V, WantA), _mm_cmpeq_epi8(V, WantB))));
        if (Hits != 0) return First + std::countr_zero(Hits);
        First += 16;
    }
    return FindEitherByteBytewise(First, Last, A, B);
}

// Thirty-two bytes a compare, sixty-four a round, for processors with AVX2.
__attribute__((target("avx2"))) inline const char* FindEitherByteAvx2(const char* First,
                                                                      const char* Last, char A,
                                                                      char B) {
    const __m256i WantA = _mm256_set1_epi8(A);
    const __m256i WantB = _mm256_set1_epi8(B);
    while (Last - First >= 64) {
        const __m256i Low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(First));
        const __m256i High = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(First + 32));
        // Bit i: byte i of the sixty-four is A or B.
        const uint64_t Hits = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(
                                  _mm256_cmpeq_epi8(Low, WantA), _mm256_cmpeq_epi8(Low, WantB)))) |
                              uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(
                                  _mm256_cmpeq_epi8(High, WantA), _mm256_cmpeq_epi8(High, WantB))))}
                                  << 32;
        if (Hits != 0) return First + std::countr_zero(Hits);
        First += 64;
    }
    return FindEitherByteSse2(First, Last, A, B);
}

inline bool HaveAvx2() {
    static const bool Have = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return Have;
}
#endif

}  // namespace scan_detail

// The first byte of [First, Last) that is A or B; Last when there is none. Long runs are
// compared many bytes at a time on processors that can (SSE2 or AVX2 on x86-64).
inline const char* FindEitherByte(const char* First, const char* Last, char A, char B) {
#if defined(XVEXO_REFERENCE_SCAN)
    return testing::ReferenceFindEitherByte(First, Last, A, B);
#elif XVEXO_SCAN_X86
    if (Last - First >= 64 && scan_detail::HaveAvx2())
        return scan_detail::FindEitherByteAvx2(First, Last, A, B);
    return scan_detail::FindEitherByteSse2(First, Last, A, B);
#else
    return scan_detail::FindEitherByteBytewise(First, Last, A, B);
#endif
}

}  // namespace xvexo
