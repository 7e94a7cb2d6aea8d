// The page's arithmetic without a display: every byte of a text measures 10 pixels.

#include "tester/page_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vornet {
namespace {

class TenPixelsPerByte : public TextMeasurer {
 public:
  int TextWidth(std::string_view cp1251) override {
    ++calls;
    return 10 * static_cast<int>(cp1251.size());
  }
  int calls = 0;
};

std::vector<std::string> Lines(const std::string& text, int maxWidth) {
  TenPixelsPerByte measurer;
  std::vector<std::string> lines;
  for (std::string_view line : BreakLines(text, maxWidth, measurer)) lines.emplace_back(line);
  return lines;
}

using LineList = std::vector<std::string>;

struct BreakCase {
  const char* what;
  std::string text;
  int maxWidth;
  LineList lines;
};

TEST(BreakLines, BreaksAtBlanksAsWritten) {
  const BreakCase cases[] = {
      {"fits whole", "aa bb cc", 100, {"aa bb cc"}},
      // "aa bb" is 50 wide: a line must be narrower than the limit, so 50 does not fit in 50.
      {"width equal to the limit breaks", "aa bb", 50, {"aa", "bb"}},
      {"one pixel more fits", "aa bb", 51, {"aa bb"}},
      {"greedy filling", "aa bb cc dd ee", 80, {"aa bb", "cc dd", "ee"}},
      {"wide piece alone in the middle", "aa bbbbbbbbbbbb cc", 60, {"aa", "bbbbbbbbbbbb", "cc"}},
      {"wide piece alone as the last piece", "aa bb cccccccccc", 60, {"aa bb", "cccccccccc"}},
      {"wide piece alone as the only piece", "cccccccccc", 60, {"cccccccccc"}},
      {"wide piece first", "cccccccccc aa bb", 60, {"cccccccccc", "aa bb"}},
      {"empty text is one empty line", "", 60, {""}},
      {"leading blank is no break point", " aaaa bb", 60, {" aaaa", "bb"}},
      {"blank alone", " ", 60, {" "}},
      {"two blanks enclose an empty piece", "aaaa  bb", 60, {"aaaa ", "bb"}},
      {"empty piece takes a line of its own", "aaaa  bbbb", 50, {"aaaa", "", "bbbb"}},
      {"trailing blank stays on the line", "aa ", 60, {"aa "}},
      {"a line feed starts no line", "aa\r\nbb cc", 80, {"aa\r\nbb", "cc"}},
      {"a tab is no break point", "aa\tbb", 30, {"aa\tbb"}},
  };
  for (const BreakCase& c : cases) {
    EXPECT_EQ(Lines(c.text, c.maxWidth), c.lines) << c.what;
  }
}

TEST(BreakLines, LinesPointIntoTheText) {
  const std::string text = "aa bb cc";
  TenPixelsPerByte measurer;
  const auto lines = BreakLines(text, 30, measurer);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].data(), text.data() + 6);
}

TEST(DrawnText, DecodesCyrillicAndShowsControlCharacters) {
  EXPECT_EQ(DrawnText("\xC0\xE1\xE2 z"), "Абв z");
  // Carriage return and line feed become their visible symbols, so no line is split at them.
  EXPECT_EQ(DrawnText("a\r\nb"), "a\u240D\u240Ab");
  EXPECT_EQ(DrawnText(std::string("\0\x7F", 2)), "\u2400\u2421");
  EXPECT_EQ(DrawnText(""), "");
}

// A page laid out for a 400-pixel-wide client with a 30-pixel font: gap 10, line step 40.
class PageLayoutTest : public ::testing::Test {
 protected:
  PageLayout Layout(int scrollPos, bool runHasQuestions = true) {
    return LayOutPage(items, 400, 30, scrollPos, runHasQuestions, measurer);
  }
  TenPixelsPerByte measurer;
  std::vector<PageItemContent> items;
};

TEST_F(PageLayoutTest, PlacesPicturesLinesAndBands) {
  const std::string question = "qqqqqqqqqqqqqqqqqqqq qqqq";  // 250 px: fits in 380
  items = {{question, true, 101, 50}, {"a1", false, 0, 0}, {"a2", true, 60, 20}};
  const PageLayout page = Layout(0);
  ASSERT_EQ(page.items.size(), 3u);

  const PlacedItem& q = page.items[0];
  EXPECT_TRUE(q.hasPicture);
  EXPECT_EQ(q.pictureX, (400 - 101) / 2 - 10);
  EXPECT_EQ(q.pictureY, 10);
  EXPECT_EQ(q.bandTop, 10 + 50 + 10);
  ASSERT_EQ(q.lines.size(), 1u);  // 250 < 380: one line
  EXPECT_EQ(q.lines[0].centreX, 190);
  EXPECT_EQ(q.lines[0].y, 70);
  EXPECT_EQ(q.bandBottom, 70 + 40 - 10);

  const PlacedItem& a1 = page.items[1];
  EXPECT_FALSE(a1.hasPicture);
  EXPECT_EQ(a1.bandTop, 110 + 10);
  EXPECT_EQ(a1.bandBottom, 120 + 40 - 10);

  const PlacedItem& a2 = page.items[2];
  EXPECT_EQ(a2.pictureY, 160 + 10);
  EXPECT_EQ(a2.pictureX, (400 - 60) / 2 - 10);
  EXPECT_EQ(a2.bandTop, 170 + 20 + 10);
  EXPECT_EQ(a2.bandBottom, 200 + 40 - 10);
  EXPECT_EQ(page.contentHeight, 240 + 30);
}

TEST_F(PageLayoutTest, WrappedItemTakesOneStepPerLine) {
  // Three pieces of 300 pixels: no two fit in 380 together.
  const std::string text =
      std::string(30, 'a') + " " + std::string(30, 'b') + " " + std::string(30, 'c');
  items = {{text, false, 0, 0}};
  const PageLayout page = Layout(0);
  ASSERT_EQ(page.items[0].lines.size(), 3u);
  EXPECT_EQ(page.items[0].lines[1].y, 10 + 40);
  EXPECT_EQ(page.items[0].lines[2].y, 10 + 80);
  EXPECT_EQ(page.items[0].bandBottom, 10 + 120 - 10);
}

TEST_F(PageLayoutTest, ScrollingMovesEverythingUpButNotTheContentHeight) {
  items = {{"q", true, 10, 300}, {"a1", false, 0, 0}, {"a2", false, 0, 0}};
  const PageLayout top = Layout(0);
  const PageLayout scrolled = Layout(125);
  for (size_t k = 0; k < items.size(); ++k) {
    EXPECT_EQ(scrolled.items[k].bandTop, top.items[k].bandTop - 125);
    EXPECT_EQ(scrolled.items[k].bandBottom, top.items[k].bandBottom - 125);
  }
  EXPECT_EQ(scrolled.items[0].pictureY, top.items[0].pictureY - 125);
  EXPECT_EQ(scrolled.contentHeight, top.contentHeight);
}

TEST_F(PageLayoutTest, PageOfARunWithoutQuestionsHasNoHeight) {
  items = {{"", false, 0, 0}};
  const PageLayout page = Layout(0, false);
  EXPECT_EQ(page.contentHeight, 0);
  ASSERT_EQ(page.items[0].lines.size(), 1u);  // an empty text still takes its line
}

TEST_F(PageLayoutTest, HitTestsAreStrictAndFollowTheScrolling) {
  items = {{"q", true, 10, 300}, {"a1", false, 0, 0}, {"a2", false, 0, 0}};
  const PageLayout page = Layout(200);
  const PlacedItem& a1 = page.items[1];
  const PlacedItem& a2 = page.items[2];
  ASSERT_LT(a1.bandTop, 200);  // the bands really moved up
  struct HitCase {
    const char* what;
    int y;
    int item;
  } cases[] = {
      {"on the top edge", a1.bandTop, -1},
      {"just inside the top", a1.bandTop + 1, 1},
      {"just inside the bottom", a1.bandBottom - 1, 1},
      {"on the bottom edge", a1.bandBottom, -1},
      {"between two answers", a1.bandBottom + 3, -1},
      {"second answer", a2.bandTop + 5, 2},
      {"over the question's picture", page.items[0].pictureY + 5, -1},
      {"on the question's text", page.items[0].bandTop + 5, 0},
  };
  for (const HitCase& c : cases) EXPECT_EQ(ItemAt(page.items, 0, 2, c.y), c.item) << c.what;
  // Answers only: the question's text is no answer.
  EXPECT_EQ(ItemAt(page.items, 1, 2, page.items[0].bandTop + 5), -1);
  // Items beyond the offered ones are never hit.
  EXPECT_EQ(ItemAt(page.items, 1, 1, a2.bandTop + 5), -1);
}

TEST(TimeBar, ShrinksWithTheElapsedTime) {
  EXPECT_EQ(TimeBarLength(1, 0, 600), 600);
  EXPECT_EQ(TimeBarLength(1, 20, 600), 400);
  EXPECT_EQ(TimeBarLength(1, 59, 599), 9);  // 9.98 truncated
  EXPECT_EQ(TimeBarLength(1, 60, 600), 0);
  EXPECT_EQ(TimeBarLength(1, 90, 600), 0);  // past its limit: nothing, not a negative length
  EXPECT_EQ(TimeBarLength(0, 10, 600), std::nullopt);  // no bar for 0 minutes
}

struct ScrollCase {
  const char* what;
  ScrollCode code;
  int from;
  int thumb;
  int to;
};

TEST(Scrolling, MovesAndClampsToTheLastPage) {
  // Font 30, page 380, content 1000: the last page starts at 620.
  const ScrollCase cases[] = {
      {"line down", ScrollCode::LineDown, 100, 0, 130},
      {"line up", ScrollCode::LineUp, 100, 0, 70},
      {"line up at the top", ScrollCode::LineUp, 10, 0, 0},
      {"page down", ScrollCode::PageDown, 100, 0, 480},
      {"page down at the end", ScrollCode::PageDown, 480, 0, 620},
      {"page up", ScrollCode::PageUp, 500, 0, 120},
      {"page up near the top", ScrollCode::PageUp, 300, 0, 0},
      {"thumb", ScrollCode::Thumb, 0, 333, 333},
      {"thumb beyond the end", ScrollCode::Thumb, 0, 900, 620},
      {"other codes leave it", ScrollCode::Other, 250, 0, 250},
  };
  for (const ScrollCase& c : cases) {
    EXPECT_EQ(ScrollTarget(c.code, c.from, c.thumb, 30, 380, 1000), c.to) << c.what;
  }
}

TEST(Scrolling, WheelScrollsOnlyAPageTallerThanTheWindow) {
  EXPECT_EQ(WheelScroll(-120, 380, 379), std::nullopt);
  EXPECT_EQ(WheelScroll(120, 380, 379), std::nullopt);
  EXPECT_EQ(WheelScroll(-120, 380, 380), ScrollCode::LineDown);
  EXPECT_EQ(WheelScroll(-360, 380, 1000), ScrollCode::LineDown);  // one line whatever the delta
  EXPECT_EQ(WheelScroll(120, 380, 1000), ScrollCode::LineUp);
  // Less than one notch towards the user counts as no notch, which scrolls up.
  EXPECT_EQ(WheelScroll(-60, 380, 1000), ScrollCode::LineUp);
}

}  // namespace
}  // namespace vornet
