#pragma once
// The common dialogs a program opens on a user's request: a line of text and
// the name of a file to save to. Both go through the application's services,
// so headless they open nothing and answer what a test scripted.

#include <string>
#include <string_view>

#include "platform/component.h"

namespace zarn {

// Asks for one line of text, starting from value; true and the new text in
// value when the user confirmed, false (value unchanged) otherwise.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);

// The dialog that asks where to save a file.
class TSaveDialog : public TComponent {
 public:
  explicit TSaveDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string_view ClassName() const override { return "TSaveDialog"; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  // Pairs of a description and its patterns, all separated by '|':
  // "PNG picture (*.png)|*.png|BMP picture (*.bmp)|*.bmp".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  // The pair chosen, counted from 1.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  // Added (after a dot) to a chosen name that has no extension.
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
  // The name offered, and after Execute the name chosen.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }

  // Shows the dialog; true when a name was chosen.
  bool Execute();

 private:
  std::string title_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string defaultExt_;
  std::string fileName_;
};

// The name with ".ext" added when its last path component has no extension.
std::string WithDefaultExtension(const std::string& name, std::string_view ext);

}  // namespace zarn
