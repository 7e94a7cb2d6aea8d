#include "tester/page_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/codepage.h"

namespace vornet {
namespace {

// Text drawing splits lines at carriage returns and line feeds; their visible symbols
// (U+2400 "Control Pictures") keep the line whole and still show that the character is there.
char32_t VisibleForm(unsigned char byte) {
  if (byte < 0x20) return 0x2400 + byte;
  if (byte == 0x7F) return 0x2421;
  return Cp1251CharToUnicode(byte);
}

}  // namespace

std::string DrawnText(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char byte : cp1251) AppendUtf8(out, VisibleForm(static_cast<unsigned char>(byte)));
  return out;
}

std::vector<std::string_view> BreakLines(std::string_view text, int maxWidth,
                                         TextMeasurer& measurer) {
  // Ends of the pieces: every blank after the first byte ends one, and the text's end the last.
  std::vector<size_t> pieceEnds;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == ' ') pieceEnds.push_back(i);
  }
  pieceEnds.push_back(text.size());

  std::vector<std::string_view> lines;
  size_t start = 0;  // where the current line begins
  size_t piece = 0;  // its first piece
  while (piece < pieceEnds.size()) {
    size_t last = piece;  // the line holds at least this piece
    while (last + 1 < pieceEnds.size() &&
           measurer.TextWidth(text.substr(start, pieceEnds[last + 1] - start)) < maxWidth) {
      ++last;
    }
    lines.push_back(text.substr(start, pieceEnds[last] - start));
    start = pieceEnds[last] + 1;  // just after the blank at which the line breaks
    piece = last + 1;
  }
  return lines;
}

PageLayout LayOutPage(const std::vector<PageItemContent>& items, int clientWidth, int fontHeight,
                      int scrollPos, bool runHasQuestions, TextMeasurer& measurer) {
  PageLayout page;
  const int gap = fontHeight / 3;
  const int lineAdvance = (4 * fontHeight) / 3;
  int y = -scrollPos;
  for (const PageItemContent& content : items) {
    PlacedItem item;
    y += gap;
    if (content.hasPicture) {
      item.hasPicture = true;
      item.pictureX = (clientWidth - content.pictureWidth) / 2 - 10;
      item.pictureY = y;
      y += content.pictureHeight + gap;
    }
    item.bandTop = y;
    for (std::string_view line : BreakLines(content.text, clientWidth - 20, measurer)) {
      item.lines.push_back(PlacedLine{line, clientWidth / 2 - 10, y});
      y += lineAdvance;
    }
    item.bandBottom = y - gap;
    page.items.push_back(std::move(item));
  }
  page.contentHeight = runHasQuestions ? y + scrollPos + fontHeight : 0;
  return page;
}

int ItemAt(const std::vector<PlacedItem>& items, int first, int last, int y) {
  last = std::min(last, static_cast<int>(items.size()) - 1);
  for (int k = std::max(first, 0); k <= last; ++k) {
    if (items[k].bandTop < y && y < items[k].bandBottom) return k;
  }
  return -1;
}

std::optional<int> TimeBarLength(int minutes, int64_t elapsedSeconds, int clientWidth) {
  if (minutes == 0) return std::nullopt;
  const double limit = 60.0 * minutes;
  const double length =
      std::trunc((limit - static_cast<double>(elapsedSeconds)) / limit * clientWidth);
  return static_cast<int>(std::clamp(length, 0.0, static_cast<double>(std::max(clientWidth, 0))));
}

int PageHeightFor(int clientHeight) { return clientHeight - 20; }

int ScrollTarget(ScrollCode code, int scrollPos, int thumbPosition, int fontHeight, int pageHeight,
                 int contentHeight) {
  int target = scrollPos;
  switch (code) {
    case ScrollCode::LineUp:
      target = scrollPos - fontHeight;
      break;
    case ScrollCode::LineDown:
      target = scrollPos + fontHeight;
      break;
    case ScrollCode::PageUp:
      target = scrollPos - pageHeight;
      break;
    case ScrollCode::PageDown:
      target = scrollPos + pageHeight;
      break;
    case ScrollCode::Thumb:
      target = thumbPosition;
      break;
    case ScrollCode::Other:
      break;
  }
  if (target < 0) target = 0;
  if (target > contentHeight - pageHeight) target = contentHeight - pageHeight;
  return target;
}

std::optional<ScrollCode> WheelScroll(int wheelDelta, int pageHeight, int contentHeight) {
  if (pageHeight > contentHeight) return std::nullopt;
  const int notches = wheelDelta / 120;
  return notches < 0 ? ScrollCode::LineDown : ScrollCode::LineUp;
}

}  // namespace vornet
