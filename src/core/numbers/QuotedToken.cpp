#include "numbers/QuotedToken.h"

#include <cstddef>
#include <vector>

namespace {

constexpr std::size_t kMaxQuotedCharacters = 40;
constexpr std::string_view kEllipsis = "\u2026";

bool IsContinuation(unsigned char byte) {
  return byte >= 0x80 && byte <= 0xBF;
}

// The length of the well-formed UTF-8 sequence at text[pos], 0 when there is none (a stray
// continuation byte, an overlong form, a surrogate, a value beyond U+10FFFF, a cut sequence).
// `codePoint` receives its value.
std::size_t SequenceAt(std::string_view text, std::size_t pos, char32_t& codePoint) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80;  // allowed range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  if (at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(at(i))) return 0;
    codePoint = (codePoint << 6) | (at(i) & 0x3F);
  }
  return length;
}

bool IsPrintable(char32_t c) {
  // Control characters: C0, DEL, C1.
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
  // Zero-width and bidirectional marks, line and paragraph separators, invisible operators,
  // the byte-order mark, and the two non-characters of the basic plane.
  if ((c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E)) return false;
  if ((c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || c == 0xFFFE || c == 0xFFFF) return false;
  return true;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
}

// Appends the readable form of at most `limit` characters of `text`; returns whether the
// whole text was taken.
bool AppendReadable(std::string& out, std::string_view text, std::size_t limit) {
  std::size_t pos = 0;
  for (std::size_t characters = 0; pos < text.size(); ++characters) {
    if (characters == limit) return false;
    char32_t codePoint = 0;
    const std::size_t length = SequenceAt(text, pos, codePoint);
    if (length == 0) {
      AppendEscaped(out, text.substr(pos, 1));
      ++pos;
    } else {
      const std::string_view sequence = text.substr(pos, length);
      if (IsPrintable(codePoint)) {
        out += sequence;
      } else {
        AppendEscaped(out, sequence);
      }
      pos += length;
    }
  }
  return true;
}

}  // namespace

std::string ReadableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendReadable(out, text, text.size());
  return out;
}

std::string QuotedToken(std::string_view token) {
  std::string out(1, '\'');
  if (!AppendReadable(out, token, kMaxQuotedCharacters)) out += kEllipsis;
  out += '\'';
  return out;
}

std::string ReadableLine(std::string_view text) {
  const std::string readable = ReadableText(text);
  // Where each character starts (the readable text is valid UTF-8).
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < readable.size(); ++i)
    if ((static_cast<unsigned char>(readable[i]) & 0xC0) != 0x80) starts.push_back(i);
  if (starts.size() <= kMaxLineLength) return readable;
  const std::size_t keep = kMaxLineLength / 2;
  const std::size_t headEnd = starts[keep];
  const std::size_t tailStart = starts[starts.size() - keep];
  const std::size_t leftOut = starts.size() - 2 * keep;
  return readable.substr(0, headEnd)
      .append(kEllipsis)
      .append("(" + std::to_string(leftOut) + " characters left out)")
      .append(kEllipsis)
      .append(readable.substr(tailStart));
}
