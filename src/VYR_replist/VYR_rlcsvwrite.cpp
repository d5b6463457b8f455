// The CSV record writer (rule and method in internal/VYR_rlcsv.h).
#include "VYR_replist/internal/VYR_rlcsv.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstring>

#include "platform/Files.h"

namespace vyr::rlio {

TCsvWriter::TCsvWriter(char16_t Delimiter) : FDelim(Delimiter) {
  for (char16_t c = 0; c < 128; ++c) FPlain[c] = c != Delimiter && c != u'"' && c != u'\n' && c != u'\r';
}

namespace {

#if defined(__SSE2__)
// Checks units as plain ASCII and copies them as bytes, two runs at a time
// (of eight or of four units); nothing is written when a unit is not plain.
// The two runs are packed into bytes first: units beyond 0xFF become 0xFF
// or 0x00, which the check refuses like the control characters and DEL it
// refuses as well. That is coarser than the rule, which only sends a few
// more fields to the careful path.
class TPlainBlocks {
 public:
  explicit TPlainBlocks(char16_t Delimiter)
      : FDelim(_mm_set1_epi8(static_cast<char>(Delimiter))),
        FQuote(_mm_set1_epi8('"')),
        FBelow(_mm_set1_epi8(0x20)),
        FAbove(_mm_set1_epi8(0x7E)) {}

  // Eight units at A and eight at B to eight bytes at OutA and at OutB.
  bool Copy8x2(const char16_t* A, const char16_t* B, char* OutA, char* OutB) const {
    const __m128i bytes = _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(A)),
                                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(B)));
    if (_mm_movemask_epi8(Refused(bytes)) != 0) return false;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(OutA), bytes);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(OutB), _mm_unpackhi_epi64(bytes, bytes));
    return true;
  }
  // Four units at A and four at B to four bytes at OutA and at OutB.
  bool Copy4x2(const char16_t* A, const char16_t* B, char* OutA, char* OutB) const {
    const __m128i bytes = _mm_packus_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(A)),
                                           _mm_loadl_epi64(reinterpret_cast<const __m128i*>(B)));
    if ((_mm_movemask_epi8(Refused(bytes)) & 0x0F0F) != 0) return false;
    const int low = _mm_cvtsi128_si32(bytes);
    const int high = _mm_cvtsi128_si32(_mm_unpackhi_epi64(bytes, bytes));
    std::memcpy(OutA, &low, 4);
    std::memcpy(OutB, &high, 4);
    return true;
  }

 private:
  // All ones in the bytes that are not printable ASCII needing no quotes
  // (bytes from 0x80 on are negative to the signed compare).
  __m128i Refused(__m128i Bytes) const {
    const __m128i outside = _mm_or_si128(_mm_cmplt_epi8(Bytes, FBelow), _mm_cmpgt_epi8(Bytes, FAbove));
    return _mm_or_si128(outside, _mm_or_si128(_mm_cmpeq_epi8(Bytes, FDelim), _mm_cmpeq_epi8(Bytes, FQuote)));
  }

  __m128i FDelim, FQuote, FBelow, FAbove;
};
#else
// Without SSE2 every field takes the unit-by-unit loop.
struct TPlainBlocks {
  explicit TPlainBlocks(char16_t) {}
};
#endif

// One field: plain ASCII fields, the usual case, never leave this function.
template <class Slow>
inline char* WriteField(char* Out, std::u16string_view S, [[maybe_unused]] const TPlainBlocks& Blocks,
                        const bool* Plain, Slow&& Careful) {
  // A leading U+FEFF is not plain: the careful path quotes the field.
  const std::size_t n = S.size();
  const char16_t* s = S.data();
#if defined(__SSE2__)
  if (n >= 8) {
    // Sixteen units at a time; the last sixteen (or, below sixteen, the
    // last eight) overlap the ones before.
    std::size_t i = 0;
    for (; i + 16 < n; i += 16) {
      if (!Blocks.Copy8x2(s + i, s + i + 8, Out + i, Out + i + 8)) return Careful(Out, Out + i, i);
    }
    const std::size_t b = n - 8, a = b >= 8 ? b - 8 : 0;
    if (!Blocks.Copy8x2(s + a, s + b, Out + a, Out + b)) return Careful(Out, Out + i, i);
    return Out + n;
  }
  if (n >= 4) {
    if (Blocks.Copy4x2(s, s + n - 4, Out, Out + n - 4)) return Out + n;
    return Careful(Out, Out, 0);
  }
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = s[i];
    if (c >= 128 || !Plain[c]) return Careful(Out, Out + i, i);
    Out[i] = static_cast<char>(c);
  }
  return Out + n;
}

}  // namespace

char* TCsvWriter::Field(char* Out, std::u16string_view S) const {
  const TPlainBlocks blocks(FDelim);
  return WriteField(Out, S, blocks, FPlain, [&](char* Start, char* At, std::size_t From) {
    return Careful(Start, At, S, From);
  });
}

// The field from unit From on; [Start, Out) holds its units before From,
// plain ASCII. Quoting starts at the first unit that asks for it (or at
// once for a leading U+FEFF): the opening quote is put in front of what is
// written already.
char* TCsvWriter::Careful(char* Start, char* Out, std::u16string_view S, std::size_t From) const {
  bool quoted = From == 0 && !S.empty() && S[0] == 0xFEFF;
  if (quoted) *Out++ = '"';
  for (std::size_t i = From; i < S.size(); ++i) {
    const char16_t c = S[i];
    if (c >= 128) {
      const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < S.size() && S[i + 1] >= 0xDC00 &&
                        S[i + 1] <= 0xDFFF;
      Out = vcl::EncodeUtf8(Out, S.substr(i, pair ? 2 : 1));
      i += pair ? 1 : 0;
      continue;
    }
    if (!FPlain[c]) {
      if (!quoted) {
        std::memmove(Start + 1, Start, static_cast<std::size_t>(Out - Start));
        *Start = '"';
        ++Out;
        quoted = true;
      }
      if (c == u'"') *Out++ = '"';
    }
    *Out++ = static_cast<char>(c);
  }
  if (quoted) *Out++ = '"';
  return Out;
}

char* TCsvWriter::Record(char* Out, const std::u16string_view* Fields, std::size_t Count) const {
  return Records(Out, Fields, Count, 1, 1);
}

char* TCsvWriter::Records(char* Out, const std::u16string_view* Cells, std::size_t Count,
                          std::size_t Stride, std::size_t Rows) const {
  const TPlainBlocks blocks(FDelim);
  const char delim = static_cast<char>(FDelim);
  for (std::size_t k = 0; k < Rows; ++k) {
    const std::u16string_view* field = Cells + k;
    if (Count == 1 && field->empty()) {
      *Out++ = '"';
      *Out++ = '"';
    }
    for (std::size_t i = 0; i < Count; ++i, field += Stride) {
      if (i > 0) *Out++ = delim;
      const std::u16string_view s = *field;
      Out = WriteField(Out, s, blocks, FPlain, [&](char* Start, char* At, std::size_t From) {
        return Careful(Start, At, s, From);
      });
    }
    *Out++ = '\r';
    *Out++ = '\n';
  }
  return Out;
}

}  // namespace vyr::rlio
