#include "projects/create_page_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "projects/project_tree.h"
#include "shell/page_documents.h"
#include "shell/tform1.h"
#include "tags/tag_insertion.h"

namespace {

QString TrimBlanks(const QString& text) {
  int start = 0;
  int end = int(text.size());
  while (start < end && text[start] == QLatin1Char(' ')) ++start;
  while (end > start && text[end - 1] == QLatin1Char(' ')) --end;
  return text.mid(start, end - start);
}

// A pick-only list that fills itself each time it drops down.
class DropDownList : public QComboBox {
 public:
  DropDownList(QWidget* parent, std::function<void()> dropDown)
      : QComboBox(parent), DropDown(std::move(dropDown)) {}
  void showPopup() override {
    DropDown();
    QComboBox::showPopup();
  }

 private:
  std::function<void()> DropDown;
};

}  // namespace

bool TCrtPageForm::IsPlainPageName(const QString& name) {
  return !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char(':')) &&
         !name.contains(QLatin1Char('.')) && !name.contains(QLatin1Char('/'));
}

TCrtPageForm::TCrtPageForm(TForm1& form, QWidget* parent) : QDialog(parent), Form(form) {
  setObjectName(QStringLiteral("CrtPageForm"));
  setWindowTitle(QStringLiteral("Create Page"));
  auto* fields = new QFormLayout;
  auto label = [this](const QString& text, QWidget* buddy) {
    auto* caption = new QLabel(text, this);
    caption->setBuddy(buddy);
    return caption;
  };
  PageName = new QLineEdit(this);
  PageName->setObjectName(QStringLiteral("PageName"));
  PageName->setMaxLength(50);
  PageName->setToolTip(QStringLiteral("Enter an 8 character filename."));
  fields->addRow(label(QStringLiteral("Page &Filename:"), PageName), PageName);
  ExtensionList = new QComboBox(this);
  ExtensionList->setObjectName(QStringLiteral("ExtensionList"));
  ExtensionList->setEditable(true);
  for (const QString& extension : Form.Settings.Extension.split(QLatin1Char(','))) {
    if (extension.isEmpty()) break;
    ExtensionList->addItem(extension);
  }
  ExtensionList->setCurrentIndex(0);
  fields->addRow(label(QStringLiteral("E&xtension:"), ExtensionList), ExtensionList);
  PageDesc = new QLineEdit(this);
  PageDesc->setObjectName(QStringLiteral("PageDesc"));
  PageDesc->setMaxLength(35);
  PageDesc->setToolTip(QStringLiteral("Enter the description of the document"));
  fields->addRow(label(QStringLiteral("Page &Description:"), PageDesc), PageDesc);

  auto* styles = new QGroupBox(QStringLiteral("Use Style:"), this);
  styles->setObjectName(QStringLiteral("UseStyle"));
  auto* styleLayout = new QVBoxLayout(styles);
  UseStyle = new QButtonGroup(this);
  int id = 0;
  for (const char* caption : {"Default Page", "Use Template", "Theme Page", "Frame Page"}) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), styles);
    button->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')));
    UseStyle->addButton(button, id++);
    styleLayout->addWidget(button);
  }
  UseStyle->button(DefaultPage)->setChecked(true);

  TemplateList = new DropDownList(this, [this] { TemplateListDropDown(); });
  TemplateList->setObjectName(QStringLiteral("TemplateList"));
  auto* templateLabel = label(QStringLiteral("&Template:"), TemplateList);
  auto* templateRow = new QHBoxLayout;
  templateRow->addWidget(templateLabel);
  templateRow->addWidget(TemplateList, 1);
  auto showTemplates = [this, templateLabel] {
    const bool shown = ChosenStyle() == UseTemplate;
    TemplateList->setVisible(shown);
    templateLabel->setVisible(shown);
  };
  connect(UseStyle, &QButtonGroup::idToggled, this, showTemplates);
  showTemplates();

  OkBtn = new QPushButton(QStringLiteral("Ok"), this);
  OkBtn->setObjectName(QStringLiteral("OkBtn"));
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(styles);
  layout->addLayout(templateRow);
  layout->addLayout(buttons);

  connect(OkBtn, &QPushButton::clicked, this, [this] {
    accept();
    OkBtnClick();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TCrtPageForm::Style TCrtPageForm::ChosenStyle() const { return Style(UseStyle->checkedId()); }

void TCrtPageForm::SetStyle(Style style) { UseStyle->button(style)->setChecked(true); }

void TCrtPageForm::TemplateListDropDown() {
  const QDir templates(Form.ProgramDir() + QStringLiteral("template"));
  for (const QString& file :
       templates.entryList({QStringLiteral("*.ht*")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    if (TemplateList->findText(file, Qt::MatchFixedString) < 0) TemplateList->addItem(file);
  }
}

void TCrtPageForm::OkBtnClick() {
  PageName->setText(TrimBlanks(PageName->text()));
  PageDesc->setText(TrimBlanks(PageDesc->text()));
  if (!IsPlainPageName(PageName->text())) {
    Form.Ask().Warn(
        QStringLiteral("Filename name must be 8 characters or less and must not contain any "
                       "drive information.  This file will not be added to the selected "
                       "project."));
    return;
  }
  if (PageName->text().isEmpty() || PageDesc->text().isEmpty()) {
    Form.Ask().Inform(QStringLiteral("Required field missing!"));
    return;
  }
  // The entry is read back at its first dash: one in the description would split it.
  PageDesc->setText(PageDesc->text().replace(QLatin1Char('-'), QLatin1Char(' ')));
  CreatePage();
}

void TCrtPageForm::CreatePage() {
  ProjectTree& projects = Form.Projects();
  const QString fileName = PageName->text() + QLatin1Char('.') + ExtensionList->currentText();
  const QString path = projects.GetProjectDirectory() + QLatin1Char('/') + fileName;
  if (QFileInfo::exists(path)) {
    Form.Ask().Inform(QStringLiteral("Project page already exists!"));
    return;
  }
  const Style style = ChosenStyle();
  const QString templates = Form.ProgramDir() + QStringLiteral("template/");
  const bool withTemplate = style == UseTemplate && TemplateList->currentIndex() >= 0;
  switch (style) {
    case DefaultPage:
      QFile::copy(templates + QStringLiteral("default.htm"), path);
      break;
    case UseTemplate:
    case ThemePage:
      if (withTemplate) {
        QFile::copy(templates + TemplateList->currentText(), path);
      } else {
        QFile file(path);
        file.open(QIODevice::NewOnly);
      }
      break;
    case FramePage: {
      QFile file(path);
      if (file.open(QIODevice::NewOnly)) file.write(" \r\n");
      break;
    }
  }
  // A copy keeps the template's read-only mark; the new page must be writable.
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
  projects.AddThePage(PageDesc->text() + QStringLiteral(" - ") + fileName, -1);
  Form.Pages().LoadFile(path, true);
  if (style == DefaultPage && Form.WebPage->lines() <= 1) Form.Tags().InsertBasicTags();
  // The template wizard and the frame creator come later; the page stays open for typing.
}
