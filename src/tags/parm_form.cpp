#include "tags/parm_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>

#include "core/source_context_text.h"
#include "core/tag_text.h"
#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "shell/page_documents.h"
#include "shell/tform1.h"
#include "tags/tag_insertion.h"

namespace {

// Chooses the entry equal to `value` ignoring letter case, or else the first.
void SelectEntry(QComboBox& list, const QString& value) {
  const int index = list.findText(value, Qt::MatchFixedString);
  list.setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

TParmForm::TParmForm(TForm1& form) : QDialog(&form), Form(form) {
  setObjectName(QStringLiteral("ParmForm"));
  setWindowTitle(QStringLiteral("Parameter Selections"));
  auto* column = new QVBoxLayout(this);
  Notebook = new QStackedWidget(this);
  Notebook->setObjectName(QStringLiteral("Notebook"));
  column->addWidget(Notebook);

  auto addPage = [this](const QString& name) {
    auto* page = new QWidget(Notebook);
    page->setObjectName(name);
    Notebook->addWidget(page);
    return new QFormLayout(page);
  };
  auto list = [this](const QString& name, const QStringList& entries) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->addItems(entries);
    return box;
  };
  auto line = [this](const QString& name, const QString& hint = QString()) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setToolTip(hint);
    return field;
  };
  auto number = [this](const QString& name, const QString& hint) {
    auto* field = new QSpinBox(this);
    field->setObjectName(name);
    field->setRange(INT_MIN, INT_MAX);
    field->setToolTip(hint);
    return field;
  };

  alignlist = list(QStringLiteral("alignlist"),
                   {"none", "left", "center", "right", "top", "middle", "bottom"});
  addPage(QStringLiteral("align"))->addRow(QStringLiteral("Alignment:"), alignlist);
  valignlist = list(QStringLiteral("valignlist"), {"none", "top", "middle", "bottom"});
  addPage(QStringLiteral("valign"))->addRow(QStringLiteral("Vertical Alignment:"), valignlist);
  QStringList sizes;
  for (const char* sign : {"", "+", "-"})
    for (int n = 1; n <= 7; ++n) sizes << QString::fromLatin1(sign) + QString::number(n);
  sizelist = list(QStringLiteral("sizelist"), sizes);
  sizelist->setCurrentIndex(-1);
  addPage(QStringLiteral("size"))->addRow(QStringLiteral("Size:"), sizelist);

  QFormLayout* meta = addPage(QStringLiteral("meta"));
  MetaName = line(QStringLiteral("MetaName"));
  MetaContent = line(QStringLiteral("MetaContent"));
  MetaHTTPEquiv =
      list(QStringLiteral("MetaHTTPEquiv"), {"Expires", "Keywords", "PICS-Label", "Reply-To"});
  MetaHTTPEquiv->setCurrentIndex(-1);
  meta->addRow(QStringLiteral("Name:"), MetaName);
  meta->addRow(QStringLiteral("Content:"), MetaContent);
  meta->addRow(QStringLiteral("HTTP-EQUIV"), MetaHTTPEquiv);

  QFormLayout* embed = addPage(QStringLiteral("embed"));
  EmbedSrc = line(QStringLiteral("EmbedSrc"),
                  QStringLiteral("Name of the file you wish to embed in your page"));
  EmbedBrowse = new QToolButton(this);
  EmbedBrowse->setObjectName(QStringLiteral("EmbedBrowse"));
  EmbedBrowse->setText(QStringLiteral("..."));
  EmbedBrowse->setToolTip(QStringLiteral("Browse"));
  EmbedBrowse->setAccessibleName(QStringLiteral("Browse"));
  connect(EmbedBrowse, &QToolButton::clicked, this, [this] { EmbedBrowseClick(); });
  auto* source = new QHBoxLayout;
  source->addWidget(EmbedSrc);
  source->addWidget(EmbedBrowse);
  embed->addRow(QStringLiteral("Embed Source:"), source);
  static_cast<QLabel*>(embed->labelForField(source))->setBuddy(EmbedSrc);
  EmbedHeight = number(QStringLiteral("EmbedHeight"), QStringLiteral("Height of the embeded item"));
  EmbedWidth = number(QStringLiteral("EmbedWidth"), QStringLiteral("Width of the embeded item"));
  embed->addRow(QStringLiteral("Height:"), EmbedHeight);
  embed->addRow(QStringLiteral("Width:"), EmbedWidth);

  addPage(QStringLiteral("object"));

  QFormLayout* parameter = addPage(QStringLiteral("Parameter"));
  PName = line(QStringLiteral("PName"));
  PValue = line(QStringLiteral("PValue"));
  parameter->addRow(QStringLiteral("Name"), PName);
  parameter->addRow(QStringLiteral("Value"), PValue);

  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("OkBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TParmForm::SetPage(const QString& page) {
  if (auto* widget = Notebook->findChild<QWidget*>(page, Qt::FindDirectChildrenOnly))
    Notebook->setCurrentWidget(widget);
}

QString TParmForm::PageName() const { return Notebook->currentWidget()->objectName(); }

void TParmForm::FormShow() {
  const QString text = Form.WebPage->CurrentText();
  QString value = ExtractField(text, QLatin1Char('"'), 1);
  if (value.isEmpty()) value = ExtractField(text, QLatin1Char('='), 1);
  const QString upper = text.toUpper();
  if (upper.startsWith(QLatin1String("ALIGN"))) SelectEntry(*alignlist, value);
  if (upper.startsWith(QLatin1String("VALIGN"))) SelectEntry(*valignlist, value);
  if (upper.startsWith(QLatin1String("SIZE"))) SelectEntry(*sizelist, value);
  auto preset = [&](const char* name, const std::function<void(const QString&)>& take) {
    const qsizetype at = AsciiLower(upper).indexOf(QLatin1String(name));
    if (at >= 0)
      take(ExtractField(upper, QLatin1Char('"'),
                        FieldIndexAt(upper, int(at) + 1, QLatin1Char('"'))));
  };
  if (upper.startsWith(QLatin1String("<META"))) {
    preset("name=", [this](const QString& v) { MetaName->setText(v); });
    preset("content=", [this](const QString& v) { MetaContent->setText(v); });
    preset("http-equiv=", [this](const QString& v) { MetaHTTPEquiv->setEditText(v); });
  }
  if (upper.startsWith(QLatin1String("<PARAM NAME="))) {
    preset("name=", [this](const QString& v) { PName->setText(v); });
    preset("value=", [this](const QString& v) { PValue->setText(v); });
  }
}

void TParmForm::OkClick() {
  TagInsertion& tags = Form.Tags();
  const QString page = PageName();
  const QString quote = QStringLiteral("\"");
  if (page == QLatin1String("align")) {
    tags.InsertText(QStringLiteral("ALIGN=\"") + alignlist->currentText() + quote);
  } else if (page == QLatin1String("valign")) {
    tags.InsertText(QStringLiteral("VALIGN=\"") + valignlist->currentText() + quote);
  } else if (page == QLatin1String("size")) {
    tags.InsertText(QStringLiteral("SIZE=\"") + sizelist->currentText() + quote);
  } else if (page == QLatin1String("meta")) {
    QString tag = QStringLiteral("<META ");
    if (!MetaHTTPEquiv->currentText().isEmpty())
      tag += QStringLiteral("HTTP-EQUIV=\"") + MetaHTTPEquiv->currentText() + QStringLiteral("\" ");
    if (!MetaName->text().isEmpty())
      tag += QStringLiteral("NAME=\"") + MetaName->text() + QStringLiteral("\" ");
    if (!MetaContent->text().isEmpty())
      tag += QStringLiteral("CONTENT=\"") + MetaContent->text() + QStringLiteral("\" ");
    tags.InsertText(tag + QLatin1Char('>'));
    MetaName->clear();
    MetaContent->clear();
    MetaHTTPEquiv->setEditText(QString());
  } else if (page == QLatin1String("embed")) {
    if (!EmbedSrc->text().isEmpty()) {
      QString tag = QStringLiteral("<EMBED SRC=\"") + EmbedSrc->text() + quote;
      if (EmbedHeight->value() > 0)
        tag += QStringLiteral(" HEIGHT=\"") + QString::number(EmbedHeight->value()) + quote;
      if (EmbedWidth->value() > 0)
        tag += QStringLiteral(" WIDTH=\"") + QString::number(EmbedWidth->value()) + quote;
      tags.InsertText(tag + QLatin1Char('>'));
      EmbedHeight->setValue(0);
      EmbedWidth->setValue(0);
      EmbedSrc->clear();
    }
  } else if (page == QLatin1String("Parameter")) {
    tags.InsertText(QStringLiteral("<PARAM NAME=\"") + PName->text() +
                    QStringLiteral("\" VALUE=\"") + PValue->text() + QStringLiteral("\">"));
  }
  accept();
}

void TParmForm::EmbedBrowseClick() {
  Prompts::FileRequest request;
  request.caption = QStringLiteral("Open");
  request.filter = Form.BuildFileFilter();
  request.filterIndex = 0;
  request.directory = Form.Pages().CurrentDir();
  if (const std::optional<QString> chosen = Form.Ask().OpenFile(request))
    EmbedSrc->setText(*chosen);
}
