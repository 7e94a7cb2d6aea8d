#pragma once
// A program's Russian help book in the HTML help viewer: opened by F1 and the help commands,
// closed with the main window. The book is found next to the executable wherever the program
// was installed, and in the source tree when it runs from the build folder.

#include <memory>
#include <string>

class wxHtmlHelpController;
class wxWindow;

namespace vornet {

class HelpBook {
 public:
  // `name` is the book's name: "creator" or "tester".
  explicit HelpBook(std::string name);
  ~HelpBook();

  // Shows the book; does nothing when the book is not installed.
  void Display(wxWindow* parent);
  // Closes the viewer if it was opened.
  void Close();
  bool IsOpen() const;
  // The book's .hhp file, empty when none is found.
  std::string FindBook() const;

 private:
  std::string name_;
  std::unique_ptr<wxHtmlHelpController> controller_;
};

}  // namespace vornet
