#include "shell/scratch_pad.h"

#include <QFileInfo>

#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "shell/tform1.h"

QString ScratchPad::FilePath() const { return Form.ProgramDir() + QStringLiteral("scratch.txt"); }

void ScratchPad::LoadSpareEditorContents() {
  Form.Watch(QStringLiteral("LoadSpareEditorContents"), [this] {
    if (!QFileInfo::exists(FilePath())) return;
    QString error;
    PageEncoding encoding;
    if (!Form.SpareEditor->LoadFile(FilePath(), &encoding, &error))
      throw std::runtime_error(error.toStdString());
  });
}

void ScratchPad::SaveSpareEditorContents() {
  // An empty scratch pad leaves an earlier file as it is.
  if (Form.SpareEditor->TextLength() == 0) return;
  QString error;
  if (!Form.SpareEditor->SaveFile(FilePath(), PageEncoding::Utf8, LineEndStyle::Default, &error))
    Form.Ask().Fail(error);
}

bool ScratchPad::ReadThroughSpareEditor(const QString& path, QString* text, QString* error) {
  // The scratch pad's text is kept in memory across the borrowing, so that an empty pad
  // or an older scratch.txt cannot take its place afterwards.
  EditorSurface& spare = *Form.SpareEditor;
  const QString own = spare.WholeText();
  const bool modified = spare.Modified();
  PageEncoding encoding;
  const bool ok = spare.LoadFile(path, &encoding, error);
  if (ok) *text = spare.WholeText();
  spare.setText(own);
  spare.SetModified(modified);
  return ok;
}
