#include "tags/body_form.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>
#include <climits>

#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "shell/tform1.h"
#include "tags/desktop_colors.h"
#include "tags/source_context.h"
#include "tags/tag_insertion.h"

namespace {

const char* const RadioCaptions[] = {"Text Color", "Link Color", "Visited Link Color",
                                     "Active Link Color", "Background"};
const char* const RadioNames[] = {"TextColorRadio", "LinkColorRadio", "VLinkColorRadio",
                                  "ALinkColorRadio", "BackgroundRadio"};

const char* const MediaFilter =
    "All Media|*.BMP;*.CMS;*.GIF;*.JPG;*.PCX;*.PNG;*.SCM;*.TIF;*.WAV;*.MID;*.RMI;*.AVI;|BMP|*.BMP|"
    "CMS|*.CMS|GIF|*.GIF|JPG|*.JPG|PCX|*.PCX|PNG|*.PNG|RTF|*.RTF|SCM|*.SCM|TIF|*.TIF|Wav|*.WAV|"
    "Mid|*.MID|RMI|*.RMI|AVI|*.AVI";

QString HexByte(int value) {
  return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

TBodyForm::TBodyForm(TForm1& form) : QDialog(&form), Form(form) {
  setObjectName(QStringLiteral("BodyForm"));
  setWindowTitle(QStringLiteral("Body Settings"));
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  columns->addLayout(left);

  for (int radio = 0; radio < RadioCount; ++radio) {
    Radios[radio] = new QRadioButton(QString::fromLatin1(RadioCaptions[radio]), this);
    Radios[radio]->setObjectName(QString::fromLatin1(RadioNames[radio]));
    left->addWidget(Radios[radio]);
    connect(Radios[radio], &QRadioButton::clicked, this, [this, radio] { RadioClick(radio); });
  }
  Radios[TextRadio]->setChecked(true);

  auto* bars = new QGridLayout;
  left->addLayout(bars);
  int row = 0;
  for (auto [bar, label, name] :
       {std::make_tuple(&RBar, &RLabel, "R"), std::make_tuple(&GBar, &GLabel, "G"),
        std::make_tuple(&BBar, &BLabel, "B")}) {
    auto* caption = new QLabel(QString::fromLatin1(name), this);
    *bar = new QScrollBar(Qt::Horizontal, this);
    (*bar)->setObjectName(QString::fromLatin1(name) + QStringLiteral("Bar"));
    (*bar)->setRange(0, 255);
    (*bar)->setPageStep(10);
    (*bar)->setValue(255);
    caption->setBuddy(*bar);
    *label = new QLabel(QStringLiteral("FF"), this);
    (*label)->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    bars->addWidget(caption, row, 0);
    bars->addWidget(*bar, row, 1);
    bars->addWidget(*label, row, 2);
    connect(*bar, &QScrollBar::valueChanged, this, [this] { ScrollBarChange(); });
    ++row;
  }
  GetColor = new QPushButton(QStringLiteral("Color..."), this);
  GetColor->setObjectName(QStringLiteral("GetColor"));
  GetColor->setToolTip(QStringLiteral("Choose a color"));
  left->addWidget(GetColor);
  connect(GetColor, &QPushButton::clicked, this, [this] { GetColorClick(); });

  auto* margins = new QFormLayout;
  left->addLayout(margins);
  for (auto [field, caption, name] :
       {std::make_tuple(&TopMargin, "Top Margin:", "TopMargin"),
        std::make_tuple(&BottomMargin, "Bottom Margin:", "BottomMargin"),
        std::make_tuple(&LeftMargin, "Left Margin:", "LeftMargin"),
        std::make_tuple(&RightMargin, "Right Margin:", "RightMargin")}) {
    *field = new QSpinBox(this);
    (*field)->setObjectName(QString::fromLatin1(name));
    (*field)->setRange(INT_MIN, INT_MAX);
    (*field)->setValue(-1);
    margins->addRow(QString::fromLatin1(caption), *field);
  }
  FixedBackground = new QCheckBox(QStringLiteral("Fixed Background"), this);
  FixedBackground->setObjectName(QStringLiteral("FixedBackground"));
  left->addWidget(FixedBackground);

  auto* right = new QVBoxLayout;
  columns->addLayout(right, 1);
  Preview = new HtmlViewer(this);
  Preview->setObjectName(QStringLiteral("BodyPreview"));
  Preview->setMinimumSize(240, 160);
  right->addWidget(Preview, 1);
  auto addButton = [&](const QString& caption, const QString& name, void (TBodyForm::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    right->addWidget(button);
    return button;
  };
  addButton(QStringLiteral("Load Background"), QStringLiteral("LoadBackground"),
            &TBodyForm::LoadBackgroundClick);
  addButton(QStringLiteral("Clear Background"), QStringLiteral("ClearBackground"),
            &TBodyForm::ClearBackgroundClick);
  addButton(QStringLiteral("Load Defaults"), QStringLiteral("LoadDefaults"),
            &TBodyForm::LoadDefaultsClick);
  addButton(QStringLiteral("Ok"), QStringLiteral("OkBtn"), &TBodyForm::OkClick)->setDefault(true);
  addButton(QStringLiteral("Cancel"), QStringLiteral("CancelBtn"), &QDialog::reject);

  for (int radio = 0; radio < BackgroundRadio; ++radio) SetRadioColor(radio, 0);
  SetRadioColor(BackgroundRadio, RgbColor(255, 255, 255));
  FormShow();
}

void TBodyForm::SetRadioColor(int radio, ColorValue color) {
  Colors[radio] = color;
  QPalette palette = Radios[radio]->palette();
  palette.setColor(QPalette::WindowText, QColorOf(color));
  palette.setColor(QPalette::ButtonText, QColorOf(color));
  Radios[radio]->setPalette(palette);
}

void TBodyForm::SetBars(ColorValue color) {
  SettingBars = true;
  RBar->setValue(RedOf(color));
  GBar->setValue(GreenOf(color));
  BBar->setValue(BlueOf(color));
  SettingBars = false;
  ScrollBarChange();
}

ColorValue TBodyForm::BarsColor() const {
  return RgbColor(RBar->value(), GBar->value(), BBar->value());
}

void TBodyForm::FormShow() { LoadDefaultsClick(); }

void TBodyForm::LoadDefaultsClick() {
  const PageBodySettings& s = Form.Context().BodySettings;
  if (!s.BackgroundImage.isEmpty()) Image = s.BackgroundImage;
  SetRadioColor(TextRadio, s.Text);
  SetRadioColor(LinkRadio, s.Link);
  SetRadioColor(VLinkRadio, s.VLink);
  SetRadioColor(ALinkRadio, s.ALink);
  SetRadioColor(BackgroundRadio, s.Background);
  TopMargin->setValue(s.TopMargin);
  BottomMargin->setValue(s.BottomMargin);
  LeftMargin->setValue(s.LeftMargin);
  RightMargin->setValue(s.RightMargin);
  FixedBackground->setChecked(s.FixedBackground);
  RefreshPreview();
}

void TBodyForm::RadioClick(int radio) {
  Radios[radio]->setChecked(true);
  SetBars(Colors[radio]);
  GetColorClick();
}

void TBodyForm::GetColorClick() {
  const std::optional<QColor> chosen = Form.Ask().Color(QColorOf(BarsColor()));
  if (chosen) SetBars(ColorValueOf(*chosen));
}

void TBodyForm::ScrollBarChange() {
  RLabel->setText(HexByte(RBar->value()));
  GLabel->setText(HexByte(GBar->value()));
  BLabel->setText(HexByte(BBar->value()));
  if (SettingBars) return;
  for (int radio = 0; radio < RadioCount; ++radio)
    if (Radios[radio]->isChecked()) SetRadioColor(radio, BarsColor());
  RefreshPreview();
}

void TBodyForm::LoadBackgroundClick() {
  Prompts::FileRequest request;
  request.caption = QStringLiteral("Open File");
  request.filter = QString::fromLatin1(MediaFilter);
  request.directory = Form.Context().PageDirectory();
  const std::optional<QString> chosen = Form.Ask().OpenFile(request);
  if (!chosen) return;
  Image = *chosen;
  RefreshPreview();
}

void TBodyForm::ClearBackgroundClick() {
  Image.clear();
  RefreshPreview();
}

QString TBodyForm::PreviewHtml() const {
  QString html =
      QStringLiteral("<HTML><BODY BGCOLOR=\"#%1\"").arg(ColorToHex(Colors[BackgroundRadio]));
  if (!Image.isEmpty()) {
    const QFileInfo file(QDir(Form.Context().PageDirectory()), Image);
    html += QStringLiteral(" BACKGROUND=\"%1\"")
                .arg(QUrl::fromLocalFile(file.absoluteFilePath()).toString().toHtmlEscaped());
  }
  html += QStringLiteral("><CENTER><FONT COLOR=\"#%1\">Text Color</FONT><BR>")
              .arg(ColorToHex(Colors[TextRadio]));
  const std::pair<int, const char*> links[] = {{LinkRadio, "Link Color"},
                                               {VLinkRadio, "Visited Link Color"},
                                               {ALinkRadio, "Active Link Color"}};
  for (const auto& [radio, caption] : links)
    html += QStringLiteral("<U><FONT COLOR=\"#%1\">%2</FONT></U><BR>")
                .arg(ColorToHex(Colors[radio]), QLatin1String(caption));
  return html + QStringLiteral("</CENTER></BODY></HTML>");
}

void TBodyForm::RefreshPreview() {
  if (!Preview) return;
  QStringList roots;
  if (!Image.isEmpty())
    roots << QFileInfo(QDir(Form.Context().PageDirectory()), Image).absolutePath();
  Preview->SetExtraRoots(roots);
  Preview->RenderText(PreviewHtml(), Form.Context().PageDirectory());
}

void TBodyForm::OkClick() {
  PageBodySettings chosen = Form.Context().BodySettings;
  chosen.BackgroundImage = Image;
  chosen.Text = Colors[TextRadio];
  chosen.Link = Colors[LinkRadio];
  chosen.VLink = Colors[VLinkRadio];
  chosen.ALink = Colors[ALinkRadio];
  chosen.Background = Colors[BackgroundRadio];
  chosen.TopMargin = TopMargin->value();
  chosen.BottomMargin = BottomMargin->value();
  chosen.LeftMargin = LeftMargin->value();
  chosen.RightMargin = RightMargin->value();
  chosen.FixedBackground = FixedBackground->isChecked();
  QString tag = BuildBodyTag(chosen, &ColorToHex);
  if (!Image.isEmpty())
    Form.Context().CopyToPageDirectory(
        QFileInfo(QDir(Form.Context().PageDirectory()), Image).absoluteFilePath());
  if (!Form.WebPage->hasSelectedText()) tag.prepend(QLatin1Char('\r'));
  Form.Tags().InsertText(tag);
  // Top and bottom margins are read again from the tag next time, not kept.
  PageBodySettings& kept = Form.Context().BodySettings;
  const int top = kept.TopMargin;
  const int bottom = kept.BottomMargin;
  kept = chosen;
  kept.TopMargin = top;
  kept.BottomMargin = bottom;
  QDir::setCurrent(Form.Context().PageDirectory());
  accept();
}
