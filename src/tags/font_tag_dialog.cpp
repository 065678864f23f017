#include "tags/font_tag_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "tags/desktop_colors.h"

namespace {
QLabel* BuddyLabel(const QString& caption, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(field);
  return label;
}
}  // namespace

FontTagDialog::FontTagDialog(const FontChoice& font, ColorValue color, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("FontTagDialog"));
  setWindowTitle(QStringLiteral("Font"));

  FontName = new QFontComboBox(this);
  FontName->setObjectName(QStringLiteral("FontName"));
  FontName->setEditable(true);
  // Outline fonts only, as the HTML FONT element names them.
  FontName->setFontFilters(QFontComboBox::ScalableFonts);
  FontName->setEditText(font.Face);

  FontSizeList = new QComboBox(this);
  FontSizeList->setObjectName(QStringLiteral("FontSizeList"));
  for (int size = 1; size <= 7; ++size) FontSizeList->addItem(QString::number(size), size);
  FontSizeList->setCurrentIndex(std::clamp(font.Size, 1, 7) - 1);

  BoldBox = new QCheckBox(QStringLiteral("&Bold"), this);
  BoldBox->setObjectName(QStringLiteral("BoldBox"));
  BoldBox->setChecked(font.Bold);
  ItalicBox = new QCheckBox(QStringLiteral("&Italic"), this);
  ItalicBox->setObjectName(QStringLiteral("ItalicBox"));
  ItalicBox->setChecked(font.Italic);
  UnderlineBox = new QCheckBox(QStringLiteral("&Underline"), this);
  UnderlineBox->setObjectName(QStringLiteral("UnderlineBox"));
  UnderlineBox->setChecked(font.Underline);
  StrikeOutBox = new QCheckBox(QStringLiteral("Stri&keout"), this);
  StrikeOutBox->setObjectName(QStringLiteral("StrikeOutBox"));
  StrikeOutBox->setChecked(font.StrikeOut);

  ColorList = new QComboBox(this);
  ColorList->setObjectName(QStringLiteral("ColorList"));
  ColorList->addItem(QStringLiteral("Window Text"), SystemColor(SysWindowText));
  for (const QString& name : HtmlColorNames()) {
    for (const NamedColor& named : NamedColorList())
      if (named.Name == name) ColorList->addItem(name, HexToColor(named.Hex));
  }
  int colorIndex = ColorList->findData(color);
  if (colorIndex < 0) {
    ColorList->addItem(QStringLiteral("Custom"), color);
    colorIndex = ColorList->count() - 1;
  }
  ColorList->setCurrentIndex(colorIndex);
  for (int i = 0; i < ColorList->count(); ++i) {
    QPixmap swatch(12, 12);
    swatch.fill(QColorOf(ColorList->itemData(i).toUInt()));
    ColorList->setItemIcon(i, swatch);
  }

  Sample = new QLabel(QStringLiteral("AaBbYyZz"), this);
  Sample->setObjectName(QStringLiteral("Sample"));
  Sample->setMinimumHeight(48);
  Sample->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout;
  grid->addWidget(BuddyLabel(QStringLiteral("&Font:"), FontName, this), 0, 0);
  grid->addWidget(FontName, 0, 1);
  grid->addWidget(BuddyLabel(QStringLiteral("&Size:"), FontSizeList, this), 1, 0);
  grid->addWidget(FontSizeList, 1, 1, Qt::AlignLeft);
  auto* styles = new QHBoxLayout;
  styles->addWidget(BoldBox);
  styles->addWidget(ItalicBox);
  styles->addStretch(1);
  grid->addLayout(styles, 2, 1);

  auto* effects = new QGroupBox(QStringLiteral("Effects"), this);
  auto* effectsGrid = new QGridLayout(effects);
  effectsGrid->addWidget(StrikeOutBox, 0, 0);
  effectsGrid->addWidget(UnderlineBox, 0, 1);
  effectsGrid->addWidget(BuddyLabel(QStringLiteral("&Color:"), ColorList, effects), 1, 0);
  effectsGrid->addWidget(ColorList, 1, 1);

  auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
  auto* sampleColumn = new QVBoxLayout(sampleBox);
  sampleColumn->addWidget(Sample);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addWidget(effects);
  column->addWidget(sampleBox);
  column->addWidget(buttons);

  connect(FontName, &QComboBox::currentTextChanged, this, [this] { UpdateSample(); });
  connect(FontSizeList, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
  connect(ColorList, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
  for (QCheckBox* box : {BoldBox, ItalicBox, UnderlineBox, StrikeOutBox})
    connect(box, &QCheckBox::toggled, this, [this] { UpdateSample(); });
  UpdateSample();
}

FontChoice FontTagDialog::Choice() const {
  FontChoice font;
  font.Face = FontName->currentText();
  font.Size = FontSizeList->currentData().toInt();
  font.Bold = BoldBox->isChecked();
  font.Italic = ItalicBox->isChecked();
  font.Underline = UnderlineBox->isChecked();
  font.StrikeOut = StrikeOutBox->isChecked();
  return font;
}

ColorValue FontTagDialog::Color() const { return ColorList->currentData().toUInt(); }

void FontTagDialog::UpdateSample() {
  // HTML sizes 1 to 7 shown at the point sizes browsers give them.
  static const int points[] = {8, 10, 12, 14, 18, 24, 36};
  const FontChoice font = Choice();
  QFont sample(font.Face);
  sample.setPointSize(points[std::clamp(font.Size, 1, 7) - 1]);
  sample.setBold(font.Bold);
  sample.setItalic(font.Italic);
  sample.setUnderline(font.Underline);
  sample.setStrikeOut(font.StrikeOut);
  Sample->setFont(sample);
  QPalette palette = Sample->palette();
  palette.setColor(QPalette::WindowText, QColorOf(Color()));
  Sample->setPalette(palette);
}
