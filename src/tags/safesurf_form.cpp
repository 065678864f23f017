#include "tags/safesurf_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "shell/tform1.h"
#include "tags/tag_insertion.h"

TSafeSurfForm::TSafeSurfForm(TForm1& form) : QDialog(&form), Form(form) {
  setObjectName(QStringLiteral("SafeSurfForm"));
  setWindowTitle(QStringLiteral("SafeSurf Rating"));
  auto* column = new QVBoxLayout(this);
  Notebook = new QStackedWidget(this);
  Notebook->setObjectName(QStringLiteral("Notebook"));
  column->addWidget(Notebook);
  for (int i = 0; i < SafeSurfCategoryCount; ++i) {
    const SafeSurfCategory& category = SafeSurfCategories()[size_t(i)];
    auto* page = new QWidget(Notebook);
    auto* rows = new QVBoxLayout(page);
    auto* question = new QLabel(category.Question, page);
    question->setWordWrap(true);
    Lists[i] = new QComboBox(page);
    Lists[i]->setObjectName(category.Code);
    Lists[i]->addItem(QStringLiteral("0) N/A"));
    for (int level = 1; level <= 9; ++level)
      Lists[i]->addItem(QStringLiteral("%1) %2").arg(level).arg(category.Levels[level - 1]));
    question->setBuddy(Lists[i]);
    rows->addWidget(question);
    rows->addWidget(Lists[i]);
    rows->addStretch(1);
    Notebook->addWidget(page);
  }
  auto* site = new QWidget(Notebook);
  auto* siteRows = new QFormLayout(site);
  WebURL = new QLineEdit(QStringLiteral("http://www.example.com/"), site);
  WebURL->setObjectName(QStringLiteral("WebURL"));
  siteRows->addRow(QStringLiteral("Website URL:"), WebURL);
  GenericTrue =
      new QCheckBox(QStringLiteral("These ratings hold true for all pages in this site."), site);
  GenericTrue->setObjectName(QStringLiteral("GenericTrue"));
  siteRows->addRow(GenericTrue);
  Notebook->addWidget(site);

  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  QuestionLabel = new QLabel(this);
  QuestionLabel->setObjectName(QStringLiteral("QuestionLabel"));
  buttons->addWidget(QuestionLabel);
  buttons->addStretch(1);
  auto add = [&](const QString& caption, const QString& name, void (TSafeSurfForm::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    buttons->addWidget(button);
  };
  add(QStringLiteral("Prev"), QStringLiteral("PrevBtn"), &TSafeSurfForm::PrevClick);
  add(QStringLiteral("Next"), QStringLiteral("NextBtn"), &TSafeSurfForm::NextClick);
  add(QStringLiteral("Ok"), QStringLiteral("OkBtn"), &TSafeSurfForm::OkClick);
  add(QStringLiteral("Cancel"), QStringLiteral("CancelBtn"), &QDialog::reject);
  ShowQuestion();
}

void TSafeSurfForm::ShowQuestion() {
  QuestionLabel->setText(QStringLiteral("Question %1 of 12").arg(Notebook->currentIndex() + 1));
}

bool TSafeSurfForm::FormShow() {
  SafeSurfRating rating = Rating();
  bool read = true;
  try {
    ReadSafeSurfLabel(Form.WebPage->SelectedText(), rating);
  } catch (const std::invalid_argument& error) {
    Form.Ask().Fail(QString::fromUtf8(error.what()));
    read = false;
  }
  for (int i = 0; i < SafeSurfCategoryCount; ++i)
    Lists[i]->setCurrentIndex(rating.Levels[size_t(i)]);
  GenericTrue->setChecked(rating.GenericTrue);
  WebURL->setText(rating.SiteUrl);
  return read;
}

void TSafeSurfForm::NextClick() {
  Notebook->setCurrentIndex(qMin(Notebook->currentIndex() + 1, Notebook->count() - 1));
  ShowQuestion();
}

void TSafeSurfForm::PrevClick() {
  Notebook->setCurrentIndex(qMax(Notebook->currentIndex() - 1, 0));
  ShowQuestion();
}

SafeSurfRating TSafeSurfForm::Rating() const {
  SafeSurfRating rating;
  for (int i = 0; i < SafeSurfCategoryCount; ++i)
    rating.Levels[size_t(i)] = Lists[i]->currentIndex();
  rating.GenericTrue = GenericTrue->isChecked();
  rating.SiteUrl = WebURL->text();
  return rating;
}

void TSafeSurfForm::OkClick() {
  QString label = BuildSafeSurfLabel(Rating());
  if (!Form.WebPage->hasSelectedText()) label.prepend(QLatin1Char('\r'));
  Form.Tags().InsertText(label);
  accept();
}
