#include "projects/create_project_form.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/color_value.h"
#include "core/project_tree_model.h"
#include "platform/ini_file.h"
#include "platform/prompts.h"
#include "platform/string_cipher.h"
#include "projects/project_tree.h"
#include "shell/tform1.h"
#include "tags/desktop_colors.h"
#include "tags/shared_color_dialog.h"
#include "tags/tag_insertion.h"

namespace {

const QString Section = QStringLiteral("PROJECT");
const QString SettingsFile = QStringLiteral("PROJECT.INI");
const QString DashMessage = QStringLiteral(
    "The dash character, '-', is not allowed in a project description.  Please remove it "
    "before continuing.");

QString TrimBlanks(const QString& text) {
  int start = 0;
  int end = int(text.size());
  while (start < end && text[start] == QLatin1Char(' ')) ++start;
  while (end > start && text[end - 1] == QLatin1Char(' ')) --end;
  return text.mid(start, end - start);
}

QLineEdit* AddField(QWidget* parent, QFormLayout* layout, const char* name, const QString& label,
                    const QString& hint = {}) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) field->setToolTip(hint);
  auto* caption = new QLabel(label, parent);
  caption->setBuddy(field);
  layout->addRow(caption, field);
  return field;
}

}  // namespace

QStringList TCrtPrjForm::ListThemes(const QString& programDir) {
  QStringList names;
  const QDir themes(programDir + QStringLiteral("themes"));
  for (const QString& file :
       themes.entryList({QStringLiteral("t_*.gif")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    const QString rest = file.mid(2);
    names << rest.left(rest.indexOf(QLatin1Char('.')));
  }
  return names;
}

TCrtPrjForm::TCrtPrjForm(TForm1& form, Mode mode, QWidget* parent)
    : QDialog(parent), Form(form), Opened(mode) {
  setObjectName(QStringLiteral("CrtPrjForm"));
  setWindowTitle(QStringLiteral("Create Project"));

  auto* fields = new QFormLayout;
  // The directory row holds the field and the button that picks it through a file.
  PrjName = new QLineEdit(this);
  PrjName->setObjectName(QStringLiteral("PrjName"));
  PrjName->setMaxLength(180);
  PrjName->setToolTip(
      QStringLiteral("Creates a subdirectory for a project.  Do not enter drive information."));
  auto* nameLabel = new QLabel(QStringLiteral("Project &Directory:"), this);
  nameLabel->setBuddy(PrjName);
  auto* browse = new QToolButton(this);
  browse->setObjectName(QStringLiteral("BrowseBtn"));
  browse->setText(QStringLiteral("..."));
  browse->setToolTip(QStringLiteral("Pick a file in the project directory"));
  browse->setAccessibleName(browse->toolTip());
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(PrjName);
  nameRow->addWidget(browse);
  fields->addRow(nameLabel, nameRow);
  PrjDesc = AddField(this, fields, "PrjDesc", QStringLiteral("Project D&escription:"),
                     QStringLiteral("Enter the description of the Project"));
  PrjDesc->setMaxLength(35);
  PrjDesc->installEventFilter(this);
  WebsiteURL = AddField(this, fields, "WebsiteURL", QStringLiteral("&Website URL:"));
  WebsiteURL->setText(QStringLiteral("http://www.example.com"));
  FTPDirectory = AddField(this, fields, "FTPDirectory", QStringLiteral("Default Web Di&rectory:"));
  FTPLoginID = AddField(this, fields, "FTPLoginID", QStringLiteral("&User Name:"));
  FTPLoginPassword = AddField(this, fields, "FTPLoginPassword", QStringLiteral("&Password:"));
  FTPLoginPassword->setEchoMode(QLineEdit::Password);
  Email = AddField(this, fields, "Email", QStringLiteral("Default E&Mail Address:"));
  Email->setText(QStringLiteral("webmaster@example.com"));
  ThemeChoices = new QComboBox(this);
  ThemeChoices->setObjectName(QStringLiteral("ThemeChoices"));
  auto* themeLabel = new QLabel(QStringLiteral("Default &Theme:"), this);
  themeLabel->setBuddy(ThemeChoices);
  fields->addRow(themeLabel, ThemeChoices);

  auto* colors = new QGroupBox(QStringLiteral("Default Colors for Pages:"), this);
  auto* grid = new QGridLayout(colors);
  int row = 0;
  auto addColor = [&](QLineEdit*& field, QLabel*& sample, const char* name, const char* labelName,
                      const QString& caption) {
    sample = new QLabel(caption, colors);
    sample->setObjectName(QString::fromLatin1(labelName));
    field = new QLineEdit(QStringLiteral("000000"), colors);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(6);
    sample->setBuddy(field);
    auto* button = new QToolButton(colors);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Btn"));
    button->setText(QStringLiteral("..."));
    button->setToolTip(QStringLiteral("Click to select a color"));
    button->setAccessibleName(button->toolTip());
    QLineEdit* f = field;
    QLabel* s = sample;
    connect(button, &QToolButton::clicked, this,
            [this, f, s] { Form.Tags().ColorBox.PickColor(*f, *s); });
    grid->addWidget(sample, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(button, row, 2);
    ++row;
  };
  addColor(TextColorText, TextColorLabel, "TextColorText", "TextColorLabel",
           QStringLiteral("Text Color"));
  addColor(LinkColorText, LinkColorLabel, "LinkColorText", "LinkColorLabel",
           QStringLiteral("Link Color"));
  addColor(vLinkColorText, vLinkColorLabel, "vLinkColorText", "vLinkColorLabel",
           QStringLiteral("VLink Color"));
  addColor(ALinkColorText, ALinkColorLabel, "ALinkColorText", "ALinkColorLabel",
           QStringLiteral("ALink Color"));
  addColor(bgColorText, bgColorLabel, "bgColorText", "bgColorLabel", QStringLiteral("Background"));

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
  layout->addWidget(colors);
  layout->addLayout(buttons);

  connect(OkBtn, &QPushButton::clicked, this, [this] {
    OkBtnClick();
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  connect(browse, &QToolButton::clicked, this, [this] {
    Prompts::FileRequest request;
    request.filter = Form.BuildFileFilter();
    if (const std::optional<QString> file = Form.Ask().OpenFile(request))
      PrjName->setText(QFileInfo(*file).absolutePath());
  });

  ThemeChoices->addItems(ListThemes(Form.ProgramDir()));
  ThemeChoices->setCurrentIndex(-1);
  if (Opened == Mode::Modify) {
    ProjectDir = Form.Projects().GetProjectDirectory();
    PrjName->setText(ProjectDir);
    QDir::setCurrent(ProjectDir);
    const ProjectTreeModel& tree = Form.Projects().Model();
    PrjDesc->setText(EntryDescription(tree.Text(tree.ProjectOf(tree.Selected()))));
    PrjName->setEnabled(false);
    PrjDesc->setEnabled(false);
    browse->setEnabled(false);
    ReadSettings(ProjectDir);
    setWindowTitle(QStringLiteral("Modify Project Settings"));
    CanClose = true;
  }
}

void TCrtPrjForm::ShowColor(QLineEdit& field, QLabel& sample) {
  ColorValue color = 0;
  try {
    color = HexToColor(field.text());
  } catch (const std::invalid_argument&) {
    // A value the file spoiled keeps the label black; the field shows it as it is.
  }
  QPalette palette = sample.palette();
  palette.setColor(sample.foregroundRole(), QColorOf(color));
  sample.setPalette(palette);
}

void TCrtPrjForm::ReadSettings(const QString& directory) {
  const IniFile settings(directory + QLatin1Char('/') + SettingsFile);
  auto read = [&](const char* key, const QString& def = {}) {
    return settings.ReadString(Section, QString::fromLatin1(key), def);
  };
  Email->setText(read("mailto"));
  WebsiteURL->setText(read("WebURL"));
  FTPDirectory->setText(read("FTPDirectory"));
  FTPLoginID->setText(read("LoginID"));
  FTPLoginPassword->setText(DecodeStr(read("LoginPassword")));
  const QString black = QStringLiteral("000000");
  TextColorText->setText(read("TextColor", black));
  LinkColorText->setText(read("LinkColor", black));
  vLinkColorText->setText(read("vLinkColor", black));
  ALinkColorText->setText(read("aLinkColor", black));
  bgColorText->setText(read("bgColor", black));
  ShowColor(*TextColorText, *TextColorLabel);
  ShowColor(*LinkColorText, *LinkColorLabel);
  ShowColor(*vLinkColorText, *vLinkColorLabel);
  ShowColor(*ALinkColorText, *ALinkColorLabel);
  ShowColor(*bgColorText, *bgColorLabel);
  const QString theme = read("ThemeStyle");
  ThemeChoices->setCurrentIndex(-1);
  for (int i = 0; i < ThemeChoices->count(); ++i)
    if (ThemeChoices->itemText(i).compare(theme, Qt::CaseInsensitive) == 0) {
      ThemeChoices->setCurrentIndex(i);
      break;
    }
}

bool TCrtPrjForm::CreateINI(const QString& directory) {
  IniFile settings(directory + QLatin1Char('/') + SettingsFile);
  const QString theme = ThemeChoices->currentIndex() >= 0 ? ThemeChoices->currentText() : QString();
  const std::pair<const char*, QString> values[] = {
      {"mailto", Email->text()},
      {"WebURL", WebsiteURL->text()},
      {"FTPDirectory", FTPDirectory->text()},
      {"TextColor", TextColorText->text()},
      {"LinkColor", LinkColorText->text()},
      {"aLinkColor", ALinkColorText->text()},
      {"vLinkColor", vLinkColorText->text()},
      {"bgColor", bgColorText->text()},
      {"ThemeStyle", theme},
      {"LoginID", FTPLoginID->text()},
      {"LoginPassword", EncodeStr(FTPLoginPassword->text())}};
  for (const auto& [key, value] : values) {
    QString error;
    if (!settings.WriteString(Section, QString::fromLatin1(key), value, &error)) {
      Form.Ask().Fail(error);
      return false;
    }
  }
  return true;
}

void TCrtPrjForm::OkBtnClick() {
  if (Opened == Mode::Modify) {
    CreateINI(ProjectDir);
    return;
  }
  CreateProject();
}

void TCrtPrjForm::CreateProject() {
  CanClose = false;
  PrjName->setText(TrimBlanks(PrjName->text()));
  PrjDesc->setText(TrimBlanks(PrjDesc->text()));
  if (PrjName->text().isEmpty() || PrjDesc->text().isEmpty()) {
    Form.Ask().Inform(QStringLiteral("Required field missing!"));
    return;
  }
  // A description with a dash would split the entry in the wrong place.
  if (PrjDesc->text().contains(QLatin1Char('-'))) {
    Form.Ask().Warn(DashMessage);
    PrjDesc->setFocus();
    return;
  }
  QString name = PrjName->text();
  if (name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\'))) name.chop(1);
  PrjName->setText(name);
  CanClose = true;

  const QString directory = QDir::isAbsolutePath(name) ? name : Form.ProgramDir() + name;
  if (!QDir::setCurrent(directory)) CreateProjectDirectory(directory, name);

  ProjectTree& projects = Form.Projects();
  const QString entry = PrjDesc->text() + QStringLiteral(" - ") + name;
  projects.Change([&entry](ProjectTreeModel& tree) { tree.SetSelected(tree.AddChild(0, entry)); });
  projects.AddThePage(QStringLiteral("#Default Project Settings - PROJECT.INI"), -1);

  if (QFileInfo::exists(directory + QLatin1Char('/') + SettingsFile))
    Form.Ask().Inform(QStringLiteral("Project already exists, using previously defined defaults."));
  else
    CreateINI(directory);
}

void TCrtPrjForm::CreateProjectDirectory(const QString& directory, const QString& name) {
  if (!name.contains(QLatin1Char('/'))) {
    if (!QDir().mkdir(directory) || !QDir::setCurrent(directory))
      Form.Ask().Warn(QStringLiteral("Error processing new project directory!"));
    return;
  }
  if (!QDir::setCurrent(QDir::rootPath())) {
    Form.Ask().Warn(QStringLiteral("Error changing to specified project drive!"));
    return;
  }
  // Each part is made and entered in turn; a part that exists already is simply entered.
  QString path = QDir::rootPath();
  for (const QString& part : directory.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    path += part;
    QDir().mkdir(path);
    QDir::setCurrent(path);
    path += QLatin1Char('/');
  }
}

void TCrtPrjForm::CancelBtnClick() {
  CanClose = true;
  reject();
}

void TCrtPrjForm::PrjDescExit() {
  if (!PrjDesc->text().contains(QLatin1Char('-'))) return;
  Form.Ask().Warn(DashMessage);
  PrjDesc->setFocus();
}

void TCrtPrjForm::done(int result) {
  if (result == QDialog::Accepted && !CanClose) return;
  QDialog::done(result);
}

bool TCrtPrjForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PrjDesc && event->type() == QEvent::FocusOut && isVisible()) PrjDescExit();
  return QDialog::eventFilter(watched, event);
}
