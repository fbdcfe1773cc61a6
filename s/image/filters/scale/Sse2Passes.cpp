#include <cstring>

#include "s/image/BufferedImage.h"
#include "s/image/filters/scale/Contribution.h"
#include "s/image/filters/scale/ScalePasses.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>
#define VEXO_SCALE_SSE2 1
#endif

namespace s::image::filters::scale {

#if defined(VEXO_SCALE_SSE2)

// The 32-bit build's baseline has no SSE2: only these functions may use it, and only once the
// processor has said it has it.
#define VEXO_SSE2 __attribute__((target("sse2")))

namespace {

using s::image::win::BufferedImage;

// A contribution table laid out for the registers. Every destination index reads the same
// number of groups of source pixels from a window that lies inside the line (moved back from the
// line's end where needed, with zero weights for the pixels it gains), so that the loops have no
// tail. Indexes the layout does not take (one source pixel, or weights too wide for it) are
// marked by a start below zero and computed as the plain loop does.
//
// Two layouts, one for each kind of multiply:
// - narrow (weights below 32768, as in any shrinking to half or less away from the edges):
//   groups of 4 pixels; pmaddwd multiplies pairs of 16-bit values and adds each pair, so the
//   pixels of a group are paired (0 with 2, 1 with 3) channel by channel and the weights stored
//   as the pairs (w0, w2) x 4 then (w1, w3) x 4;
// - wide (weights up to 65535, as in enlarging): groups of 2 pixels, whose products are put
//   together from pmullw and pmulhuw; weights stored as w0 x 4, w1 x 4.
// Both store 8 weights per 2 pixels of a window. The sums are those of the plain loop exactly:
// no sum comes near 2^31.
struct Plan {
  std::int32_t groups = 0;
  bool wide = false;
};

constexpr std::int32_t kOne = Contribution::kOne;
constexpr std::int32_t kNarrowLimit = 32767;

bool wideEntry(const Contribution& table, std::int32_t i) {
  const std::int32_t taps = table.last(i) - table.first(i) + 1;
  for (std::int32_t k = 0; k < taps; ++k) {
    if (table.weights(i)[k] > kNarrowLimit) return true;
  }
  return false;
}

// False when a window of the plan would not fit the line (lines of a few pixels): the plain
// loop takes those.
bool planHorizontal(const Contribution& table, std::int32_t sourceWidth, PassScratch& scratch,
                    Plan& plan) {
  const std::int32_t count = table.count();
  std::int32_t most = 1;
  std::int32_t wideCount = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t taps = table.last(i) - table.first(i) + 1;
    if (taps == 1) continue;
    if (taps > most) most = taps;
    if (wideEntry(table, i)) ++wideCount;
  }
  // Shrinking gives wide weights only near the ends of a line, where fewer pixels share the
  // sum: those few go through the plain loop.
  plan.wide = wideCount > count / 8;
  const std::int32_t groupPixels = plan.wide ? 2 : 4;
  plan.groups = (most + groupPixels - 1) / groupPixels;
  const std::int32_t window = plan.groups * groupPixels;
  if (window > sourceWidth) return false;

  const std::size_t perIndex = static_cast<std::size_t>(window) * 4;
  scratch.starts.resize(static_cast<std::size_t>(count));
  scratch.weights.assign(perIndex * static_cast<std::size_t>(count), 0);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t first = table.first(i);
    const std::int32_t last = table.last(i);
    if (first == last || (!plan.wide && wideEntry(table, i))) {
      scratch.starts[static_cast<std::size_t>(i)] = -1;
      continue;
    }
    const std::int32_t start = first + window <= sourceWidth ? first : sourceWidth - window;
    scratch.starts[static_cast<std::size_t>(i)] = start;
    std::int16_t* out = &scratch.weights[perIndex * static_cast<std::size_t>(i)];
    for (std::int32_t j = first; j <= last; ++j) {
      const auto w =
          static_cast<std::int16_t>(static_cast<std::uint16_t>(table.weights(i)[j - first]));
      const std::int32_t at = j - start;
      const std::int32_t slot = at % groupPixels;
      std::int16_t* vectors = out + (at / groupPixels) * groupPixels * 4;
      if (plan.wide) {
        for (int c = 0; c < 4; ++c) vectors[slot * 4 + c] = w;
      } else {
        // Slots 0 and 2 go to the first vector, 1 and 3 to the second; in each pair of lanes
        // the lower slot comes first.
        std::int16_t* vector = vectors + (slot & 1) * 8;
        for (int c = 0; c < 4; ++c) vector[c * 2 + (slot >> 1)] = w;
      }
    }
  }
  return true;
}

VEXO_SSE2 inline void storePixel(std::uint8_t* out, __m128i sums) {
  const __m128i shifted = _mm_srli_epi32(_mm_add_epi32(sums, _mm_set1_epi32(kOne / 2)), 16);
  const __m128i words = _mm_packs_epi32(shifted, shifted);
  const int pixel = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
  std::memcpy(out, &pixel, 4);
}

// The sums of one group of the narrow layout: 4 pixels, two vectors of weights.
struct NarrowGroup {
  static constexpr std::int32_t kBytes = 16;
  static constexpr std::int32_t kWeights = 16;
  VEXO_SSE2 static __m128i add(__m128i sums, const std::uint8_t* pixels,
                               const std::int16_t* weights) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    const __m128i low = _mm_unpacklo_epi8(four, zero);
    const __m128i high = _mm_unpackhi_epi8(four, zero);
    const __m128i* w = reinterpret_cast<const __m128i*>(weights);
    sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_unpacklo_epi16(low, high), _mm_loadu_si128(w)));
    return _mm_add_epi32(sums,
                         _mm_madd_epi16(_mm_unpackhi_epi16(low, high), _mm_loadu_si128(w + 1)));
  }
};

// The 32-bit products of 16-bit values and weights (up to 65535), added pairwise: lanes 0-3 of
// the result hold the sums for lanes 0-3 and 4-7 of the inputs.
VEXO_SSE2 inline __m128i wideProducts(__m128i values, __m128i weights) {
  const __m128i low = _mm_mullo_epi16(values, weights);
  const __m128i high = _mm_mulhi_epu16(values, weights);
  return _mm_add_epi32(_mm_unpacklo_epi16(low, high), _mm_unpackhi_epi16(low, high));
}

// The sums of one group of the wide layout: 2 pixels, one vector of weights.
struct WideGroup {
  static constexpr std::int32_t kBytes = 8;
  static constexpr std::int32_t kWeights = 8;
  VEXO_SSE2 static __m128i add(__m128i sums, const std::uint8_t* pixels,
                               const std::int16_t* weights) {
    const __m128i two = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixels)),
                                          _mm_setzero_si128());
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights));
    return _mm_add_epi32(sums, wideProducts(two, w));
  }
};

// One row through the plan: kGroups groups per index (0: as many as the plan says).
template <class Group, std::int32_t kGroups>
VEXO_SSE2 void planRow(const std::uint8_t* in, std::uint8_t* out, const Contribution& table,
                       std::int32_t groups, const std::int32_t* starts,
                       const std::int16_t* weights) {
  const std::int32_t n = kGroups > 0 ? kGroups : groups;
  const std::int32_t count = table.count();
  for (std::int32_t i = 0; i < count; ++i, out += 4, weights += n * Group::kWeights) {
    const std::int32_t start = starts[i];
    if (start < 0) {
      plainHorizontalPixel(in, out, table, i);
      continue;
    }
    const std::uint8_t* pixels = in + start * 4;
    __m128i sums = _mm_setzero_si128();
    for (std::int32_t g = 0; g < n; ++g) {
      sums = Group::add(sums, pixels + g * Group::kBytes, weights + g * Group::kWeights);
    }
    storePixel(out, sums);
  }
}

using RowFunction = void (*)(const std::uint8_t*, std::uint8_t*, const Contribution&, std::int32_t,
                             const std::int32_t*, const std::int16_t*);

RowFunction rowFunction(const Plan& plan) {
  if (plan.wide) {
    switch (plan.groups) {
      case 1:
        return planRow<WideGroup, 1>;
      case 2:
        return planRow<WideGroup, 2>;
      case 3:
        return planRow<WideGroup, 3>;
      default:
        return planRow<WideGroup, 0>;
    }
  }
  switch (plan.groups) {
    case 1:
      return planRow<NarrowGroup, 1>;
    case 2:
      return planRow<NarrowGroup, 2>;
    case 3:
      return planRow<NarrowGroup, 3>;
    default:
      return planRow<NarrowGroup, 0>;
  }
}

void horizontal(const BufferedImage& source, const Contribution& table, std::uint8_t* out,
                std::size_t outBytes, PassScratch& scratch) {
  Plan plan;
  if (!planHorizontal(table, source.width(), scratch, plan)) {
    plainPasses().horizontal(source, table, out, outBytes, scratch);
    return;
  }
  const RowFunction row = rowFunction(plan);
  for (std::int32_t r = 0; r < source.height(); ++r) {
    row(source.row(r), out + r * outBytes, table, plan.groups, scratch.starts.data(),
        scratch.weights.data());
  }
}

// The rows of one destination row, two at a time for pmaddwd: for each pair (k, k + 1) of its
// source rows the vector (w_k, w_k+1) x 4; an odd last row pairs with a row of zeros.
template <bool kWide>
VEXO_SSE2 void verticalRow(const std::uint8_t* in, std::size_t stride, std::uint8_t* out,
                           std::size_t bytes, std::int32_t taps, const std::int32_t* weights) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i half = _mm_set1_epi32(kOne / 2);
  std::size_t x = 0;
  for (; x + 16 <= bytes; x += 16) {
    __m128i sums0 = zero, sums1 = zero, sums2 = zero, sums3 = zero;
    const std::uint8_t* line = in + x;
    if (kWide) {
      for (std::int32_t k = 0; k < taps; ++k, line += stride) {
        const __m128i w = _mm_set1_epi16(static_cast<short>(weights[k]));
        const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line));
        const __m128i low = _mm_unpacklo_epi8(row, zero);
        const __m128i high = _mm_unpackhi_epi8(row, zero);
        __m128i productsLow = _mm_mullo_epi16(low, w);
        __m128i productsHigh = _mm_mulhi_epu16(low, w);
        sums0 = _mm_add_epi32(sums0, _mm_unpacklo_epi16(productsLow, productsHigh));
        sums1 = _mm_add_epi32(sums1, _mm_unpackhi_epi16(productsLow, productsHigh));
        productsLow = _mm_mullo_epi16(high, w);
        productsHigh = _mm_mulhi_epu16(high, w);
        sums2 = _mm_add_epi32(sums2, _mm_unpacklo_epi16(productsLow, productsHigh));
        sums3 = _mm_add_epi32(sums3, _mm_unpackhi_epi16(productsLow, productsHigh));
      }
    } else {
      for (std::int32_t k = 0; k < taps; k += 2, line += 2 * stride) {
        const std::int32_t second = k + 1 < taps ? weights[k + 1] : 0;
        const __m128i w = _mm_set1_epi32(static_cast<int>(
            static_cast<std::uint32_t>(weights[k]) | (static_cast<std::uint32_t>(second) << 16)));
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line));
        const __m128i b =
            k + 1 < taps ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + stride)) : zero;
        const __m128i low = _mm_unpacklo_epi8(a, b);
        const __m128i high = _mm_unpackhi_epi8(a, b);
        sums0 = _mm_add_epi32(sums0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), w));
        sums1 = _mm_add_epi32(sums1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), w));
        sums2 = _mm_add_epi32(sums2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), w));
        sums3 = _mm_add_epi32(sums3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), w));
      }
    }
    sums0 = _mm_srli_epi32(_mm_add_epi32(sums0, half), 16);
    sums1 = _mm_srli_epi32(_mm_add_epi32(sums1, half), 16);
    sums2 = _mm_srli_epi32(_mm_add_epi32(sums2, half), 16);
    sums3 = _mm_srli_epi32(_mm_add_epi32(sums3, half), 16);
    const __m128i bytes16 =
        _mm_packus_epi16(_mm_packs_epi32(sums0, sums1), _mm_packs_epi32(sums2, sums3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), bytes16);
  }
  // The last pixels of a row that is not a multiple of four pixels, one at a time.
  for (; x < bytes; x += 4) {
    __m128i sums = zero;
    const std::uint8_t* line = in + x;
    for (std::int32_t k = 0; k < taps; ++k, line += stride) {
      int pixel;
      std::memcpy(&pixel, line, 4);
      const __m128i values = _mm_unpacklo_epi8(_mm_cvtsi32_si128(pixel), zero);
      const __m128i w = _mm_set1_epi16(static_cast<short>(weights[k]));
      sums = _mm_add_epi32(
          sums, _mm_unpacklo_epi16(_mm_mullo_epi16(values, w), _mm_mulhi_epu16(values, w)));
    }
    storePixel(out + x, sums);
  }
}

void vertical(const std::uint8_t* in, std::size_t rowBytes, const Contribution& table,
              BufferedImage& target, PassScratch&) {
  for (std::int32_t r = 0; r < table.count(); ++r) {
    const std::int32_t first = table.first(r);
    const std::int32_t taps = table.last(r) - first + 1;
    const std::uint8_t* rows = in + static_cast<std::size_t>(first) * rowBytes;
    if (taps == 1) {
      std::memcpy(target.row(r), rows, rowBytes);
    } else if (wideEntry(table, r)) {
      verticalRow<true>(rows, rowBytes, target.row(r), rowBytes, taps, table.weights(r));
    } else {
      verticalRow<false>(rows, rowBytes, target.row(r), rowBytes, taps, table.weights(r));
    }
  }
}

bool processorHasSse2() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (edx & bit_SSE2) != 0;
}

constexpr ScalePasses kSse2Passes{horizontal, vertical};

}  // namespace

const ScalePasses* sse2Passes() {
  static const bool present = processorHasSse2();
  return present ? &kSse2Passes : nullptr;
}

#else

const ScalePasses* sse2Passes() { return nullptr; }

#endif

}  // namespace s::image::filters::scale
