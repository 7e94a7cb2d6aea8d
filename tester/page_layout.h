#pragma once
// Where everything on the test page goes, without a window: lines broken at blanks, pictures and
// lines placed one under another and centred, each item's hit band, the page's height, the time
// bars, and the scrolling rules. Texts are measured through TextMeasurer, so the arithmetic is
// the same whether a real font or a test's fake measures them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornet {

// Measures a piece of a Windows-1251 text in the form in which the page draws it (see
// DrawnText), with the page's plain font.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual int TextWidth(std::string_view cp1251) = 0;
};

// The Unicode (UTF-8) form in which the page draws a Windows-1251 text. Control characters
// (carriage return, line feed, tab ...) are drawn as their visible symbols, so that none of them
// starts a new line or vanishes.
std::string DrawnText(std::string_view cp1251);

// Splits a text into the lines the page draws: each line takes as many whole blank-separated
// pieces as are narrower together than `maxWidth`, and at least one. The blank at a break is
// dropped; a blank at the very start is part of the first piece. An empty text is one empty
// line. The lines point into `text`.
std::vector<std::string_view> BreakLines(std::string_view text, int maxWidth,
                                         TextMeasurer& measurer);

// One item as the page sees it: its text and the size of its picture, if it has one.
struct PageItemContent {
  std::string_view text;
  bool hasPicture = false;
  int pictureWidth = 0;
  int pictureHeight = 0;
};

struct PlacedLine {
  std::string_view text;
  int centreX = 0;  // the middle of the line
  int y = 0;        // its top
};

struct PlacedItem {
  bool hasPicture = false;
  int pictureX = 0;
  int pictureY = 0;
  // The item's text lies strictly between these (client coordinates, already scrolled).
  int bandTop = 0;
  int bandBottom = 0;
  std::vector<PlacedLine> lines;
};

struct PageLayout {
  std::vector<PlacedItem> items;
  // Height of the whole page plus one line's font height; 0 when the run has no questions.
  int contentHeight = 0;
};

// Lays out items[0] (the question) and the offered answers after it for a client area
// `clientWidth` pixels wide, scrolled down by `scrollPos`.
PageLayout LayOutPage(const std::vector<PageItemContent>& items, int clientWidth, int fontHeight,
                      int scrollPos, bool runHasQuestions, TextMeasurer& measurer);

// The page item whose band holds y strictly, searching items first..last; -1 for none.
int ItemAt(const std::vector<PlacedItem>& items, int first, int last, int y);

// Length of a time bar in a client area `clientWidth` wide: full at the start of the limit,
// nothing once `elapsedSeconds` reach it. No value for a limit of 0 minutes: no bar is drawn.
std::optional<int> TimeBarLength(int minutes, int64_t elapsedSeconds, int clientWidth);

// One page of scrolling: the client height less 20 pixels.
int PageHeightFor(int clientHeight);

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Thumb, Other };

// The scroll position after a scroll request, clamped first to 0 and then to the last page.
int ScrollTarget(ScrollCode code, int scrollPos, int thumbPosition, int fontHeight, int pageHeight,
                 int contentHeight);

// What a wheel message does: no scrolling at all while the page fits the window; otherwise one
// line down for a turn towards the user and one line up for anything else, whatever the delta.
std::optional<ScrollCode> WheelScroll(int wheelDelta, int pageHeight, int contentHeight);

}  // namespace vornet
