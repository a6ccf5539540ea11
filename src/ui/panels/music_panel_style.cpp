// The music panel's newer options: changes on the beat beside the automatic pause, and
// behind "音乐效果" the fades and the levelling of the tracks. Each change is one undo step.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <cmath>

#include "app/session.h"
#include "music/beat_cache.h"
#include "ui/commands/project_edit_command.h"
#include "ui/models/music_track_model.h"
#include "ui/panels/music_panel.h"
#include "ui/workers/beat_analysis_task.h"

namespace pictavo {
namespace {

constexpr double kDefaultFadeSeconds = 2.0;

QCheckBox* namedBox(const QString& text, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setAccessibleName(text);
  return box;
}

// Seconds 0.5..30 in steps of a half second; its accessible name says which fade it sets.
QDoubleSpinBox* fadeLength(const QString& name, QWidget* parent) {
  auto* spin = new QDoubleSpinBox(parent);
  spin->setAccessibleName(name);
  spin->setRange(0.5, kMaxFadeMs / 1000.0);
  spin->setSingleStep(0.5);
  spin->setDecimals(1);
  spin->setSuffix(QObject::tr("秒"));
  spin->setValue(kDefaultFadeSeconds);
  return spin;
}

QWidget* row(QWidget* parent, QWidget* first, QWidget* second) {
  auto* line = new QWidget(parent);
  auto* layout = new QHBoxLayout(line);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(first);
  if (second) layout->addWidget(second);
  return line;
}

}  // namespace

void MusicPanel::buildMusicStyleControls() {
  beatChanges_ = namedBox(tr("按节拍切换图片"), this);
  beatChanges_->setToolTip(tr("每张图片停留整数个节拍，图片在背景音乐的节拍处切换。"));
  beatChanges_->adjustSize();

  musicStyle_ = new QToolButton(this);
  musicStyle_->setText(tr("音乐效果"));
  musicStyle_->setAccessibleName(musicStyle_->text());
  musicStyle_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(musicStyle_);
  auto* box = new QWidget(menu);
  auto* layout = new QVBoxLayout(box);
  fadeIn_ = namedBox(tr("开头淡入"), box);
  fadeInSeconds_ = fadeLength(tr("淡入长度"), box);
  fadeOut_ = namedBox(tr("结尾淡出"), box);
  fadeOutSeconds_ = fadeLength(tr("淡出长度"), box);
  level_ = namedBox(tr("统一各首音乐的音量"), box);
  layout->addWidget(row(box, fadeIn_, fadeInSeconds_));
  layout->addWidget(row(box, fadeOut_, fadeOutSeconds_));
  layout->addWidget(row(box, level_, nullptr));
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(box);
  menu->addAction(action);
  musicStyle_->setMenu(menu);
  musicStyle_->adjustSize();
}

void MusicPanel::connectMusicStyleControls() {
  connect(beatChanges_, &QCheckBox::toggled, this, &MusicPanel::switchBeatChanges);
  connect(fadeIn_, &QCheckBox::toggled, this, [this] { setFade(true); });
  connect(fadeOut_, &QCheckBox::toggled, this, [this] { setFade(false); });
  connect(fadeInSeconds_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (fadeIn_->isChecked()) setFade(true);
  });
  connect(fadeOutSeconds_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (fadeOut_->isChecked()) setFade(false);
  });
  connect(level_, &QCheckBox::toggled, this, &MusicPanel::switchLevel);
}

// A fade that is off keeps the length its box shows, for when it is switched on again.
void MusicPanel::showMusicStyle() {
  const ProjectSettings& s = session_.project().settings;
  const std::initializer_list<QWidget*> controls = {beatChanges_, fadeIn_, fadeInSeconds_,
                                                     fadeOut_, fadeOutSeconds_, level_};
  for (QWidget* w : controls) w->blockSignals(true);
  beatChanges_->setChecked(s.beatChanges);
  fadeIn_->setChecked(s.fadeInMs > 0);
  if (s.fadeInMs > 0) fadeInSeconds_->setValue(s.fadeInMs / 1000.0);
  fadeOut_->setChecked(s.fadeOutMs > 0);
  if (s.fadeOutMs > 0) fadeOutSeconds_->setValue(s.fadeOutMs / 1000.0);
  level_->setChecked(s.levelTracks);
  for (QWidget* w : controls) w->blockSignals(false);
  for (QWidget* w : {static_cast<QWidget*>(beatChanges_), static_cast<QWidget*>(musicStyle_)})
    w->setEnabled(s.musicOn);
}

void MusicPanel::switchBeatChanges(bool on) {
  editProject(session_, tr("按节拍切换图片"), [on](Project& p) { p.settings.beatChanges = on; });
  showProject();
}

void MusicPanel::setFade(bool in) {
  QCheckBox* box = in ? fadeIn_ : fadeOut_;
  QDoubleSpinBox* length = in ? fadeInSeconds_ : fadeOutSeconds_;
  int ms = box->isChecked() ? static_cast<int>(std::lround(length->value() * 1000)) : 0;
  editProject(session_, in ? tr("音乐淡入") : tr("音乐淡出"), [in, ms](Project& p) {
    (in ? p.settings.fadeInMs : p.settings.fadeOutMs) = ms;
  });
  showProject();
}

void MusicPanel::switchLevel(bool on) {
  editProject(session_, tr("统一各首音乐的音量"), [on](Project& p) { p.settings.levelTracks = on; });
  showProject();
}

bool MusicPanel::findingBeats() const { return beatTask_ && beatTask_->isRunning(); }

// The tracks whose beats are not known yet are analysed one task at a time; when it ends
// the list shows their tempo and anything added meanwhile is looked at next.
void MusicPanel::findMissingBeats() {
  if (findingBeats()) return;
  std::vector<std::string> missing;
  for (const MusicTrack& track : session_.project().settings.musicTracks)
    if (!beatsAsked_.count(track.path) && !cachedTrackBeats(track.path)) missing.push_back(track.path);
  if (missing.empty()) return;
  beatsAsked_.insert(missing.begin(), missing.end());
  beatTask_ = std::make_unique<BeatAnalysisTask>(std::move(missing));
  connect(beatTask_.get(), &Task::finished, this, [this] {
    model_->reload();
    showProject();
    emit beatsFound();
  });
  beatTask_->start();
}

}  // namespace pictavo
