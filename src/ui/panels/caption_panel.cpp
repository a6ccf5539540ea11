#include "ui/panels/caption_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "project/project_model.h"
#include "ui/commands/project_edit_command.h"
#include "ui/panels/caption_sample.h"
#include "ui/panels/keep_selection.h"
#include "ui/panels/panel_controls.h"
#include "ui/web_pages.h"
#include "util/charset.h"
#include "util/translate.h"

namespace pictavo {
namespace {

constexpr int kMaxTextChars = 97;

// Blanks at the ends of a caption: tab, line feed, carriage return and space only.
QString stripBlanks(const QString& text) {
  auto blank = [](QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
  };
  qsizetype end = text.size();
  while (end > 0 && blank(text.at(end - 1))) --end;
  qsizetype begin = 0;
  while (begin < end && blank(text.at(begin))) ++begin;
  return text.mid(begin, end - begin);
}

}  // namespace

CaptionPanel::CaptionPanel(Session& session, UserPrompts& prompts, std::vector<CaptionFont> fonts,
                           QItemSelectionModel* selection, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts), fonts_(std::move(fonts)),
      selection_(selection) {
  build();
  connectControls();
  showProject();
}

void CaptionPanel::build() {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 0, 4, 0);
  captions_ = panelCheckBox(tr("加文字"), this);
  row->addWidget(captions_);
  location_ = labelledList(tr("位置："), row, this);
  for (int i = 0; i < kCaptionLocationCount; ++i) location_->addItem(fromCore(captionLocationLabel(i)));

  auto* textLabel = new QLabel(tr("文字："), this);
  text_ = new QLineEdit(this);
  text_->setAccessibleName(textLabel->text());
  text_->setMaxLength(kMaxTextChars);
  textLabel->setBuddy(text_);
  row->addWidget(textLabel);
  row->addWidget(text_, 1);

  font_ = labelledList(tr("字体："), row, this);
  for (const CaptionFont& font : fonts_) font_->addItem(fromCore(font.name));
  size_ = labelledList(tr("字号："), row, this);
  for (int points : kCaptionPointSizes) size_->addItem(QString::number(points));
  colour_ = labelledList(tr("颜色："), row, this);
  for (int i = 0; i < kColourSchemeCount; ++i) colour_->addItem(fromCore(localText(colourScheme(i).label)));

  sample_ = new QLabel(tr("文字示例"), this);
  sample_->setAccessibleName(sample_->text());
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumWidth(84);
  row->addWidget(sample_);
  help_ = panelButton(tr("?"), this);
  help_->setFixedWidth(24);
  row->addWidget(help_);
}

void CaptionPanel::connectControls() {
  connect(captions_, &QCheckBox::clicked, this, &CaptionPanel::switchCaptions);
  connect(location_, &QComboBox::currentIndexChanged, this, &CaptionPanel::chooseLocation);
  connect(text_, &QLineEdit::textEdited, this, &CaptionPanel::typeText);
  connect(font_, &QComboBox::currentIndexChanged, this, &CaptionPanel::chooseFont);
  connect(size_, &QComboBox::currentIndexChanged, this, &CaptionPanel::chooseSize);
  connect(colour_, &QComboBox::currentIndexChanged, this, &CaptionPanel::chooseColour);
  connect(help_, &QPushButton::clicked, this, [this] {
    prompts_.message(this, QMessageBox::Information, tr("提示"),
                     tr("文字的字体、字号、颜色是统一设置的，可以设置每一张图片文字显示的位置和内容，"
                        "也可以在图片上点右键选择自动设置文字的位置。\n\n"
                        "提示：在加文字的情况下，图片停顿时间最好大于1.5秒。"));
  });
  if (selection_)
    connect(selection_, &QItemSelectionModel::selectionChanged, this, &CaptionPanel::showSelection);
}

void CaptionPanel::edit(const QString& name, const std::function<void(Project&)>& change,
                        bool mergeTyping) {
  // The list drops and regains its selection meanwhile; the fields wait for the end, so the
  // text field keeps its focus and what the user is typing.
  editing_ = true;
  keepingSelection(selection_, [&] {
    editProject(session_, name, change, mergeTyping ? EditMerge::CaptionText : EditMerge::None);
  });
  editing_ = false;
  showProject();
}

// Without a caption font nothing can be drawn: offer the font download and stay off.
void CaptionPanel::switchCaptions(bool on) {
  if (on && fonts_.empty()) {
    QSignalBlocker quiet(captions_);
    captions_->setChecked(false);
    auto answer = prompts_.message(
        this, QMessageBox::Question, tr("注意"),
        tr("在您的电脑中没有找到必需的 [黑体] 和 [楷体] 字体，目前无法在视频中添加文字。\n\n是否要下载该字体？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) openServicePage(prompts_, this, QLatin1String(kFontPagePath));
    return;
  }
  edit(on ? tr("加文字") : tr("不加文字"), [on](Project& p) {
    p.settings.captionsOn = on;
    for (ImageItem& picture : p.pictures) picture.caption.mode = on ? 1 : 0;
  });
}

void CaptionPanel::chooseLocation(int location) {
  if (location < 0) return;
  std::vector<int> rows = selectedRows(selection_);
  edit(tr("文字位置"), [&](Project& p) {
    for (int row : rows)
      if (row < static_cast<int>(p.pictures.size())) p.pictures[row].caption.location = location;
  });
}

void CaptionPanel::typeText(const QString& typed) {
  if (!captions_->isEnabled() || !captions_->isChecked()) return;
  std::string text = gb18030Prefix(toCore(stripBlanks(typed)), kMaxCaptionTextBytes);
  std::vector<int> rows = selectedRows(selection_);
  edit(tr("修改文字"), [&](Project& p) {
    for (int row : rows)
      if (row < static_cast<int>(p.pictures.size())) p.pictures[row].caption.text = text;
  }, true);
}

void CaptionPanel::chooseFont(int index) {
  if (index < 0) return;
  std::string name = gb18030Prefix(toCore(font_->itemText(index)), kFontNameBytes);
  edit(tr("文字字体"), [&](Project& p) {
    p.settings.captionFont = index;
    for (ImageItem& picture : p.pictures) picture.caption.fontName = name;
  });
}

void CaptionPanel::chooseSize(int index) {
  if (index < 0) return;
  edit(tr("文字字号"), [index](Project& p) { p.settings.captionFontSize = index; });
}

void CaptionPanel::chooseColour(int index) {
  if (index < 0) return;
  const ColourScheme& scheme = colourScheme(index);
  edit(tr("文字颜色"), [&](Project& p) {
    p.settings.captionColour = index;
    for (ImageItem& picture : p.pictures) {
      picture.caption.bandColour = scheme.band;
      picture.caption.textColour = scheme.text;
    }
  });
}

void CaptionPanel::showProject() {
  const ProjectSettings& s = session_.project().settings;
  {
    const QSignalBlocker quiet[] = {QSignalBlocker(captions_), QSignalBlocker(font_),
                                    QSignalBlocker(size_), QSignalBlocker(colour_)};
    captions_->setChecked(s.captionsOn);
    font_->setCurrentIndex(s.captionFont >= 0 && s.captionFont < font_->count() ? s.captionFont
                           : font_->count() > 0                               ? 0
                                                                              : -1);
    size_->setCurrentIndex(s.captionFontSize >= 0 && s.captionFontSize < kCaptionPointSizeCount
                               ? s.captionFontSize
                               : kDefaultCaptionPointSizeIndex);
    colour_->setCurrentIndex(s.captionColour >= 0 && s.captionColour < kColourSchemeCount
                                 ? s.captionColour
                                 : kDefaultColourScheme);
  }
  showSelection();
  repaintSample();
}

// The selected pictures' position and text when they share them; blank where they differ.
void CaptionPanel::showSelection() {
  if (editing_) return;
  const std::vector<ImageItem>& pictures = session_.project().pictures;
  int location = kDefaultCaptionLocation;
  QString text;
  bool first = true;
  for (int row : selectedRows(selection_)) {
    if (row >= static_cast<int>(pictures.size())) continue;
    const CaptionSpec& caption = pictures[row].caption;
    QString its = fromCore(caption.text);
    if (first) {
      location = caption.location;
      text = its;
    } else {
      if (location != caption.location) location = -1;
      if (text != its) text.clear();
    }
    first = false;
  }
  {
    QSignalBlocker quiet(location_);
    location_->setCurrentIndex(location >= 0 && location < kCaptionLocationCount ? location : -1);
  }
  // While the user types, the field keeps blanks that the stored caption leaves out.
  if (stripBlanks(text_->text()) != text) text_->setText(text);
  enableControls();
}

void CaptionPanel::enableControls() {
  const bool on = captions_->isEnabled() && captions_->isChecked();
  const bool forSelection = on && !selectedRows(selection_).empty();
  location_->setEnabled(forSelection);
  text_->setEnabled(forSelection);
  for (QWidget* w : std::initializer_list<QWidget*>{font_, size_, colour_, sample_, help_})
    w->setEnabled(on);
}

void CaptionPanel::repaintSample() {
  const int index = font_->currentIndex();
  QString family;
  if (index >= 0 && index < static_cast<int>(fonts_.size()))
    family = captionFontFamily(font_->itemText(index),
                               QFile::decodeName(fonts_[static_cast<size_t>(index)].file.c_str()));
  paintCaptionSample(sample_, captions_->isChecked(), colourScheme(colour_->currentIndex()), family);
}

}  // namespace pictavo
