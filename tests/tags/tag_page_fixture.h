#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QTabWidget>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "platform/three_way_splitter.h"
#include "shell/page_documents.h"
#include "tags/tag_insertion.h"

// The main window with one page open in the editor.
class TagPageTest : public MainWindowTest {
 protected:
  void SetUp() override { Start(); }

  // An empty file would start the new-page questions, so an empty page is an emptied one.
  void OpenPage(const QByteArray& text) {
    ASSERT_TRUE(Form->Pages().LoadFile(WritePage("page.htm", text.isEmpty() ? "x" : text), false));
    if (!text.isEmpty()) return;
    Editor().ClearAll();
    Editor().SetModified(false);
    Form->Command(QStringLiteral("Save1"))->setEnabled(false);
  }
  EditorSurface& Editor() { return *Form->WebPage; }
  TagInsertion& Tags() { return Form->Tags(); }
  QAbstractButton* PaletteButton(const QString& name) {
    auto* button = Form->PowerBook->findChild<QAbstractButton*>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return button;
  }
  void Click(const QString& buttonName) {
    if (QAbstractButton* button = PaletteButton(buttonName)) button->click();
  }
  void Trigger(const QString& commandName) {
    QAction* action = Form->Command(commandName);
    ASSERT_NE(action, nullptr) << commandName.toStdString();
    action->trigger();
  }
  bool SaveEnabled() { return Form->Command(QStringLiteral("Save1"))->isEnabled(); }
  EditorSurface::SelectionPoints Selection() { return Editor().GetSelectionPoints(); }
};

inline void PrintTo(const EditorSurface::SelectionPoints& p, std::ostream* os) {
  *os << p.StartLine << ':' << p.StartCol << " - " << p.EndLine << ':' << p.EndCol;
}
