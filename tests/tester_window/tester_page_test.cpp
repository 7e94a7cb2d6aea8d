// The drawn test page with the real window: highlight and sounds under the pointer, clicks,
// scrolling, the font, the time bars and the timer.

#include <wx/fontdlg.h>

#include "tests/tester_window/tester_fixture.h"

namespace vornet::testing {
namespace {

class TesterPageTest : public TesterWindowTest {
 protected:
  // One question with a picture and a sound, and three answers, two of them with sounds.
  void StartSoundTest(SettingsSpec settings = {}) {
    StartTest(WriteTest(
        "sounds.qb", TestFileBytes("Звуки", "",
                                   {{"Какой звук?",
                                     {{"Первый", 0, true}, {"Второй", 100, true}, {"Тишина", 50}},
                                     true,
                                     true},
                                    {"Второй вопрос", {{"Да", 100}}}},
                                   settings)));
  }
  // A page much taller than the window.
  void StartLongTest() {
    window->SetClientSize(600, 300);
    RunPendingEvents(100);
    std::vector<AnswerSpec> many;
    for (int k = 0; k < 16; ++k) many.push_back({"Вариант " + std::to_string(k + 1), 0});
    many[11].accuracy = 100;
    StartTest(WriteTest("long.qb", TestFileBytes("Длинный", "", {{"Вопрос", many, true}})));
  }
  std::string Sound(const char* name) const { return dir.File(name); }
};

TEST_F(TesterPageTest, TheHoverItemHighlightsRedrawsAndPlaysOnlyWhenItChanges) {
  StartSoundTest();
  const TestRun& run = window->Run();
  ASSERT_EQ(run.answerCount, 3);
  struct Step {
    const char* what;
    int y;
    int hover;
    bool redraw;
    std::vector<std::string> played;  // sounds played by this move
  };
  const int gapBelowAnswer = window->Layout().items[3].bandBottom + 3;
  const Step steps[] = {
      {"onto the first answer", MiddleOfItem(1), 1, true, {Sound("0$a.wav")}},
      {"within the same answer", MiddleOfItem(1) + 1, 1, false, {}},
      {"onto the question: no redraw, its sound", MiddleOfItem(0), 0, false, {Sound("1$q.wav")}},
      {"onto the second answer", MiddleOfItem(2), 2, true, {Sound("1$a.wav")}},
      {"onto the answer without a sound", MiddleOfItem(3), 3, true, {}},
      {"below every item", gapBelowAnswer, -1, true, {}},
      {"below again", gapBelowAnswer + 1, -1, false, {}},
      {"back onto the second answer: its sound again",
       MiddleOfItem(2),
       2,
       true,
       {Sound("1$a.wav")}},
  };
  for (const Step& step : steps) {
    const int renders = window->RenderCount();
    const size_t played = sounds.played.size();
    window->PointerMoved(step.y);
    EXPECT_EQ(window->HoverItem(), step.hover) << step.what;
    EXPECT_EQ(window->RenderCount() - renders, step.redraw ? 1 : 0) << step.what;
    EXPECT_EQ(std::vector<std::string>(sounds.played.begin() + played, sounds.played.end()),
              step.played)
        << step.what;
  }
}

TEST_F(TesterPageTest, TheHoveredAnswerIsDrawnOnGreen) {
  StartSoundTest();
  const PlacedItem second = window->Layout().items[2];
  const int x = window->Page()->GetClientSize().GetWidth() / 2 - 10;
  // Just inside the top of the line, where a letter seldom reaches.
  EXPECT_EQ(PixelAt(x, second.bandTop + 1), *wxWHITE);
  window->PointerMoved(MiddleOfItem(2));
  EXPECT_EQ(PixelAt(x, second.bandTop + 1), wxColour(0, 255, 0));
  // The question's picture (red) sits above its text.
  const PlacedItem& question = window->Layout().items[0];
  ASSERT_TRUE(question.hasPicture);
  EXPECT_EQ(PixelAt(question.pictureX + 20, question.pictureY + 15), wxColour(255, 0, 0));
}

TEST_F(TesterPageTest, PointerMovesAreIgnoredWithoutATest) {
  const int renders = window->RenderCount();
  window->PointerMoved(40);
  window->PointerMoved(10);
  EXPECT_EQ(window->HoverItem(), 0);
  EXPECT_EQ(window->RenderCount(), renders);
  EXPECT_TRUE(sounds.played.empty());
}

TEST_F(TesterPageTest, AClickInsideAnAnswerBandAnswersIt) {
  StartSoundTest();
  const PlacedItem second = window->Layout().items[2];
  // The question, the band edges and the gap between answers answer nothing.
  for (int y : {MiddleOfItem(0), second.bandTop, second.bandBottom, second.bandBottom + 2}) {
    window->LeftButtonReleased(y);
    EXPECT_EQ(window->Run().askedCount, 0) << y;
  }
  const int stops = sounds.stops;
  window->LeftButtonReleased(second.bandTop + 1);
  const TestRun& run = window->Run();
  EXPECT_EQ(run.askedCount, 1);
  EXPECT_EQ(run.scoreTotal, 100);
  EXPECT_EQ(run.items[0].text, Ansi("Второй вопрос"));
  EXPECT_GT(sounds.stops, stops);
  EXPECT_FALSE(FileExists(dir.File("1$a.wav")));  // the answered question's sounds are gone
  EXPECT_NE(ResultsLog().find(Ansi("Второй = 100%  00 часов 00 минут 00 секунд.\r")),
            std::string::npos);
}

TEST_F(TesterPageTest, ScrollingMovesTheBandsAndClicksStillHitTheRightAnswer) {
  StartLongTest();
  ASSERT_GT(window->ContentHeight(), 2 * window->PageHeight());
  const wxScrollBar* bar = window->PageScrollBar();
  EXPECT_TRUE(bar->IsShown());
  EXPECT_EQ(bar->GetRange(), window->ContentHeight());
  EXPECT_EQ(bar->GetThumbSize(), window->PageHeight());
  const PageLayout top = window->Layout();

  window->Scroll(ScrollCode::LineDown);
  EXPECT_EQ(window->ScrollPos(), window->FontHeight());
  window->Scroll(ScrollCode::PageDown);
  const int scrolled = window->FontHeight() + window->PageHeight();
  EXPECT_EQ(window->ScrollPos(), scrolled);
  EXPECT_EQ(bar->GetThumbPosition(), scrolled);
  EXPECT_EQ(window->Layout().items[12].bandTop, top.items[12].bandTop - scrolled);
  EXPECT_EQ(window->Run().items[12].bandTop, top.items[12].bandTop - scrolled);

  // The answer under the pointer now is the one drawn there: "Вариант 12", the right one.
  ExpectBox("Тест завершен.\nВаш результат составил: 100%", "Результат", wxICON_INFORMATION);
  window->LeftButtonReleased(MiddleOfItem(12));
  EXPECT_NE(ResultsLog().find(Ansi("Вариант 12 = 100%")), std::string::npos);
}

TEST_F(TesterPageTest, PageDownStopsAtTheLastPageAndTheWheelMovesOneLine) {
  StartLongTest();
  const int last = window->ContentHeight() - window->PageHeight();
  // Page down through the scroll bar, as its arrow and trough send it.
  wxScrollBar* bar = window->PageScrollBar();
  for (int k = 0; k < 10; ++k) {
    wxScrollEvent pageDown(wxEVT_SCROLL_PAGEDOWN, bar->GetId(), 0, wxVERTICAL);
    pageDown.SetEventObject(bar);
    bar->ProcessWindowEvent(pageDown);
  }
  EXPECT_EQ(window->ScrollPos(), last);
  EXPECT_EQ(bar->GetThumbPosition(), last);
  window->WheelTurned(360);  // away from the user: one line up, whatever the delta
  EXPECT_EQ(window->ScrollPos(), last - window->FontHeight());
  window->WheelTurned(-120);
  EXPECT_EQ(window->ScrollPos(), last);
  window->Scroll(ScrollCode::Thumb, 5);
  EXPECT_EQ(window->ScrollPos(), 5);
  window->Scroll(ScrollCode::LineUp);
  EXPECT_EQ(window->ScrollPos(), 0);
}

TEST_F(TesterPageTest, AShortPageDoesNotScroll) {
  StartSoundTest();
  ASSERT_LT(window->ContentHeight(), window->PageHeight());
  const int renders = window->RenderCount();
  window->WheelTurned(-120);
  EXPECT_EQ(window->ScrollPos(), 0);
  EXPECT_EQ(window->RenderCount(), renders);
  EXPECT_FALSE(window->PageScrollBar()->IsShown());
}

TEST_F(TesterPageTest, ResizingReturnsThePageToTheTop) {
  StartLongTest();
  window->Scroll(ScrollCode::PageDown);
  ASSERT_GT(window->ScrollPos(), 0);
  window->SetClientSize(window->GetClientSize() + wxSize(-40, -30));
  RunPendingEvents(100);
  EXPECT_EQ(window->ScrollPos(), 0);
  EXPECT_EQ(window->PageHeight(), window->Page()->GetClientSize().GetHeight() - 20);
}

TEST_F(TesterPageTest, TheFontChooserSetsFaceAndHeightAndReturnsToTheTop) {
  StartLongTest();
  window->Scroll(ScrollCode::PageDown);
  answers->Expect<wxFontDialog>(std::function<int(wxFontDialog&)>([](wxFontDialog& chooser) {
    // It starts from the page's font.
    EXPECT_EQ(chooser.GetFontData().GetInitialFont().GetFaceName(), "Arial");
    chooser.GetFontData().SetChosenFont(
        wxFont(wxFontInfo(wxSize(0, 40)).FaceName("DejaVu Serif").Bold()));
    return static_cast<int>(wxID_OK);
  }));
  const int renders = window->RenderCount();
  window->ChooseFont();
  EXPECT_EQ(window->FontFace(), "DejaVu Serif");
  EXPECT_NEAR(window->FontHeight(), 40, 2);
  EXPECT_EQ(window->ScrollPos(), 0);
  EXPECT_GT(window->RenderCount(), renders);
}

TEST_F(TesterPageTest, ConfirmingTheStartingFontKeepsItsHeight) {
  answers->Expect<wxFontDialog>(std::function<int(wxFontDialog&)>([](wxFontDialog& chooser) {
    chooser.GetFontData().SetChosenFont(chooser.GetFontData().GetInitialFont());
    return static_cast<int>(wxID_OK);
  }));
  window->ChooseFont();
  EXPECT_EQ(window->FontFace(), "Arial");
  EXPECT_NEAR(window->FontHeight(), 29, 1);
}

TEST_F(TesterPageTest, ACancelledFontChooserKeepsTheFontButStillReturnsToTheTop) {
  StartLongTest();
  window->Scroll(ScrollCode::PageDown);
  answers->Expect<wxFontDialog>(std::function<int(wxFontDialog&)>([](wxFontDialog& chooser) {
    chooser.GetFontData().SetChosenFont(wxFont(wxFontInfo(12).FaceName("DejaVu Serif")));
    return static_cast<int>(wxID_CANCEL);
  }));
  const int renders = window->RenderCount();
  window->ChooseFont();
  EXPECT_EQ(window->FontFace(), "Arial");
  EXPECT_EQ(window->FontHeight(), 29);
  EXPECT_EQ(window->ScrollPos(), 0);
  EXPECT_GT(window->RenderCount(), renders);
}

TEST_F(TesterPageTest, TimeBarsShrinkWithEveryTick) {
  // Only the question limit is on; the test bar is drawn from its own minutes all the same.
  StartSoundTest(SettingsSpec{0, 1, 2, 1});
  ASSERT_TRUE(window->RunTimerRunning());
  const wxSize client = window->Page()->GetClientSize();
  const int w = client.GetWidth();
  const int h = client.GetHeight();
  const wxColour blue(0, 0, 255);
  // Where the blue bar along row y of the page ends.
  auto barEnd = [&](int y) {
    const wxImage page = window->PageSnapshot();
    int x = 0;
    while (x < w && wxColour(page.GetRed(x, y), page.GetGreen(x, y), page.GetBlue(x, y)) == blue) {
      ++x;
    }
    return x;
  };
  EXPECT_EQ(barEnd(h - 2), w);  // test bar, full
  EXPECT_EQ(barEnd(h - 6), w);  // question bar, full
  EXPECT_EQ(PixelAt(0, h - 4), *wxWHITE);

  now += 30;  // half the question's minute, a quarter of the test's two
  const int renders = window->RenderCount();
  window->RunTimerTick();
  EXPECT_EQ(window->RenderCount() - renders, 1);  // every tick redraws
  EXPECT_EQ(barEnd(h - 2), static_cast<int>((120.0 - 30) / 120 * w));
  EXPECT_EQ(barEnd(h - 6), static_cast<int>((60.0 - 30) / 60 * w));

  now += 30;  // the question's minute is over: it is skipped
  window->RunTimerTick();
  EXPECT_EQ(window->Run().askedCount, 1);
  EXPECT_EQ(window->Run().items[0].text, Ansi("Второй вопрос"));
  EXPECT_NE(ResultsLog().find(Ansi("Пропущено, время истекло. = 0%  00 часов 01 минут 00 секунд.")),
            std::string::npos);
}

TEST_F(TesterPageTest, ABarWithZeroMinutesIsNotDrawn) {
  StartSoundTest(SettingsSpec{0, 1, 0, 1});
  const wxSize client = window->Page()->GetClientSize();
  EXPECT_EQ(PixelAt(5, client.GetHeight() - 2), *wxWHITE);             // test bar: 0 minutes
  EXPECT_EQ(PixelAt(5, client.GetHeight() - 6), wxColour(0, 0, 255));  // question bar
}

TEST_F(TesterPageTest, LongTextsWrapAndControlCharactersStartNoLine) {
  std::string longText;
  for (int k = 0; k < 40; ++k) longText += "слово ";
  StartTest(
      WriteTest("wrap.qb", TestFileBytes("W", "", {{longText + "конец", {{"a\r\nb", 100}}}})));
  const PageLayout& page = window->Layout();
  EXPECT_GT(page.items[0].lines.size(), 1u);
  for (const PlacedLine& line : page.items[0].lines) {
    EXPECT_NE(line.text.front(), ' ');  // the blank at a break is not drawn
  }
  EXPECT_EQ(page.items[1].lines.size(), 1u);
}

}  // namespace
}  // namespace vornet::testing
