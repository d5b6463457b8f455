// DrawText: formatted text in a rectangle.
#include <algorithm>
#include <vector>

#include "platform/Guards.h"
#include "platform/StdCtrls.h"

namespace vcl {

namespace {

constexpr int TabChars = 8;

// "&x" shows x, "&&" shows "&"; a lone "&" at the end is dropped.
String StripPrefixes(const String& S) {
  String out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] == u'&') {
      if (i + 1 >= S.size()) break;
      ++i;
    }
    out += S[i];
  }
  return out;
}

String ExpandTabs(const String& Line) {
  String out;
  for (Char c : Line) {
    if (c != u'\t') {
      out += c;
      continue;
    }
    do out += u' '; while (out.size() % TabChars != 0);
  }
  return out;
}

std::vector<String> SplitLines(const String& S, bool Single) {
  std::vector<String> lines(1);
  for (std::size_t i = 0; i < S.size(); ++i) {
    Char c = S[i];
    if (c != u'\r' && c != u'\n') {
      lines.back() += c;
    } else if (Single) {
      lines.back() += u' ';
      if (c == u'\r' && i + 1 < S.size() && S[i + 1] == u'\n') ++i;
    } else {
      if (c == u'\r' && i + 1 < S.size() && S[i + 1] == u'\n') ++i;
      lines.emplace_back();
    }
  }
  return lines;
}

// Breaks a line at blanks so that each piece fits Width; a word wider than
// Width stands alone on its piece.
void WrapLine(TCanvas& C, const String& Line, int Width, std::vector<String>& Out) {
  if (C.TextWidth(Line) <= Width) {
    Out.push_back(Line);
    return;
  }
  String current;
  std::size_t i = 0;
  while (i < Line.size()) {
    std::size_t end = Line.find(u' ', i);
    if (end == String::npos) end = Line.size();
    String word = Line.substr(i, end - i);
    String candidate = current.empty() ? word : current + u" " + word;
    if (!current.empty() && C.TextWidth(candidate) > Width) {
      Out.push_back(current);
      current = word;
    } else {
      current = candidate;
    }
    i = end + 1;
  }
  Out.push_back(current);
}

String WithEllipsis(TCanvas& C, String Line, int Width) {
  if (C.TextWidth(Line) <= Width) return Line;
  while (!Line.empty() && C.TextWidth(Line + u"...") > Width) Line.pop_back();
  return Line + u"...";
}

}  // namespace

int DrawText(HDC DC, const String& Text, int Count, TRect& Rect, UINT Format) {
  if (DC == nullptr) return 0;
  TCanvas& c = *DC;
  String text = Count < 0 ? Text : Text.substr(0, std::min<std::size_t>(Count, Text.size()));
  if ((Format & DT_NOPREFIX) == 0) text = StripPrefixes(text);
  bool single = (Format & DT_SINGLELINE) != 0;
  std::vector<String> lines;
  for (String line : SplitLines(text, single)) {
    if ((Format & DT_EXPANDTABS) != 0) line = ExpandTabs(line);
    if ((Format & DT_WORDBREAK) != 0 && !single) WrapLine(c, line, Rect.Width(), lines);
    else lines.push_back(line);
  }
  int lineHeight = c.TextHeight(u"Wg");
  int height = lineHeight * static_cast<int>(lines.size());
  if ((Format & DT_CALCRECT) != 0) {
    int width = 0;
    for (const String& l : lines) width = std::max(width, c.TextWidth(l));
    Rect.Right = Rect.Left + width;
    Rect.Bottom = Rect.Top + height;
    return height;
  }
  int y = Rect.Top;
  if (single && (Format & DT_VCENTER) != 0) y = Rect.Top + (Rect.Height() - lineHeight) / 2;
  if (single && (Format & DT_BOTTOM) != 0) y = Rect.Bottom - lineHeight;
  bool clip = (Format & DT_NOCLIP) == 0;
  TCanvasClipGuard keep(c);
  if (clip) c.IntersectClip(Rect);
  for (String line : lines) {
    if ((Format & DT_END_ELLIPSIS) != 0) line = WithEllipsis(c, line, Rect.Width());
    int w = c.TextWidth(line);
    int x = Rect.Left;
    if ((Format & DT_CENTER) != 0) x = Rect.Left + (Rect.Width() - w) / 2;
    if ((Format & DT_RIGHT) != 0) x = Rect.Right - w;
    c.TextOut(x, y, line);
    y += lineHeight;
  }
  return height;
}

}  // namespace vcl
