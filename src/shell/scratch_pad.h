#pragma once

#include <QString>

class TForm1;

// The internal clipboard: a second editor beside the page whose text is kept between
// runs in "scratch.txt" in the program directory.
class ScratchPad {
 public:
  explicit ScratchPad(TForm1& form) : Form(form) {}

  QString FilePath() const;
  void LoadSpareEditorContents();
  void SaveSpareEditorContents();

  // Reads a file through the spare editor and gives its content back as the editor
  // sees it; the scratch pad's own text is the same afterwards.
  bool ReadThroughSpareEditor(const QString& path, QString* text, QString* error);

 private:
  TForm1& Form;
};
