#include "ui/panels/music_panel.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QScrollBar>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "app/qt_text.h"
#include "app/session.h"
#include "ui/commands/project_edit_command.h"
#include "ui/file_choosers.h"
#include "ui/models/music_track_model.h"
#include "ui/workers/associated_program.h"
#include "ui/workers/beat_analysis_task.h"
#include "ui/workers/music_playback.h"
#include "ui/workers/task.h"
#include "ui/workers/track_analysis_worker.h"

namespace pictavo {
namespace {

// A fixed-width font small enough that a whole track line (the name padded to 108
// columns, the rate, the length and the trial mark) fits the list's width.
QFont trackLineFont(int width) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  const QString longestLine = QString(108 + 26 + 12, QLatin1Char('0')) + QObject::tr(" 试听中");
  for (int pixels = 13; pixels > 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(longestLine) <= width) break;
  }
  return font;
}

constexpr int kMargin = 10;
constexpr int kRowY = 28;
constexpr int kRowHeight = 28;
constexpr int kListWidth = 836;
constexpr int kButtonWidth = 50;
constexpr int kButtonGap = 4;

QCheckBox* checkBox(const QString& text, QWidget* parent, int x) {
  auto* box = new QCheckBox(text, parent);
  box->setAccessibleName(text);
  box->adjustSize();
  box->move(x, 0);
  return box;
}

QPushButton* button(const QString& text, QWidget* parent, int index) {
  auto* b = new QPushButton(text, parent);
  b->setAccessibleName(text);
  b->setGeometry(kMargin + kListWidth + kButtonGap + index * (kButtonWidth + kButtonGap), kRowY,
                 kButtonWidth, kRowHeight);
  return b;
}

}  // namespace

MusicPanel::MusicPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                       QWidget* parent)
    : QWidget(parent),
      session_(session),
      prompts_(prompts),
      choosers_(choosers),
      model_(new MusicTrackModel(session.project(), this)),
      playback_(new MusicPlayback(this)),
      associated_(new AssociatedProgram(this)) {
  setObjectName(QStringLiteral("musicPanel"));
  if (parent) setGeometry(parent->rect());
  buildControls();
  connectControls();
  showProject();
}

// The player ends with the panel: no music plays on after the window is gone.
MusicPanel::~MusicPanel() {
  playback_->close();
  if (beatTask_) beatTask_->cancel();
}

void MusicPanel::buildControls() {
  musicOn_ = checkBox(tr("加背景音乐"), this, kMargin);
  autoPause_ = checkBox(tr("根据背景音乐自动调整图片停顿时间"), this, musicOn_->geometry().right() + 20);
  buildMusicStyleControls();
  beatChanges_->move(autoPause_->geometry().right() + 12, 0);
  looping_ = checkBox(tr("当音频长度 > 视频长度时, 图片循环播放"), this,
                      beatChanges_->geometry().right() + 12);
  musicStyle_->move(looping_->geometry().right() + 12, 0);

  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("musicList"));
  list_->setAccessibleName(tr("背景音乐列表"));
  list_->setModel(model_);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setFont(trackLineFont(kListWidth - list_->verticalScrollBar()->sizeHint().width() - 8));
  list_->setGeometry(kMargin, kRowY, kListWidth, kRowHeight);

  add_ = button(tr("添加"), this, 0);
  remove_ = button(tr("删除"), this, 1);
  trial_ = button(tr("试听"), this, 2);
}

void MusicPanel::connectControls() {
  connect(musicOn_, &QCheckBox::toggled, this, &MusicPanel::switchMusic);
  connect(autoPause_, &QCheckBox::toggled, this, &MusicPanel::switchAutoPause);
  connect(looping_, &QCheckBox::toggled, this, &MusicPanel::switchLooping);
  connectMusicStyleControls();
  connect(add_, &QPushButton::clicked, this, &MusicPanel::addTracks);
  connect(remove_, &QPushButton::clicked, this, &MusicPanel::removeSelectedTrack);
  connect(trial_, &QPushButton::clicked, this, &MusicPanel::toggleTrial);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MusicPanel::updateEnabling);
  connect(list_, &QListView::doubleClicked, this, [this] {
    stopTrial();
    startTrial(selectedRow());
  });
  // Delete in the list deletes the track (and never reaches the picture list's Delete).
  auto* del = new QShortcut(QKeySequence(Qt::Key_Delete), list_);
  del->setContext(Qt::WidgetShortcut);
  connect(del, &QShortcut::activated, this, &MusicPanel::removeSelectedTrack);
  connect(playback_, &MusicPlayback::finished, this, &MusicPanel::playbackFinished);
  connect(playback_, &MusicPlayback::failed, this, &MusicPanel::playbackFailed);
  connect(associated_, &AssociatedProgram::ended, this, &MusicPanel::reportAssociatedProgram);
}

void MusicPanel::showProject() {
  const ProjectSettings& s = session_.project().settings;
  for (QCheckBox* box : {musicOn_, autoPause_, looping_}) box->blockSignals(true);
  musicOn_->setChecked(s.musicOn);
  autoPause_->setChecked(s.autoPause);
  looping_->setChecked(s.loopPictures);
  for (QCheckBox* box : {musicOn_, autoPause_, looping_}) box->blockSignals(false);

  if (!s.musicOn) stopTrial();
  int selected = selectedRow();
  model_->reload();
  if (selected >= 0 && selected < model_->rowCount()) selectRow(selected);
  keepTrialMark();
  showMusicStyle();
  updateEnabling();
  findMissingBeats();
}

// With the music off nothing of the list works; "删除" needs a selected line, "试听" one
// too unless a trial runs, which can always be stopped.
void MusicPanel::updateEnabling() {
  const bool on = session_.project().settings.musicOn;
  const bool selected = selectedRow() >= 0;
  for (QWidget* w : std::initializer_list<QWidget*>{autoPause_, looping_, list_, add_})
    w->setEnabled(on);
  remove_->setEnabled(on && selected);
  trial_->setEnabled(on && (selected || model_->triedRow() >= 0));
}

int MusicPanel::selectedRow() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void MusicPanel::selectRow(int row) {
  list_->setCurrentIndex(model_->index(row));
  list_->selectionModel()->select(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

void MusicPanel::focusTrack(int row) {
  if (row >= 0 && row < model_->rowCount()) selectRow(row);
  list_->setFocus();
}

void MusicPanel::switchMusic(bool on) {
  if (!on) stopTrial();
  editProject(session_, on ? tr("加背景音乐") : tr("去掉背景音乐"),
              [on](Project& p) { p.settings.musicOn = on; });
  showProject();
}

// The automatic pause and picture looping exclude each other: checking one unchecks the other.
void MusicPanel::switchAutoPause(bool on) {
  editProject(session_, tr("自动调整图片停顿时间"), [on](Project& p) {
    p.settings.autoPause = on;
    if (on) p.settings.loopPictures = false;
  });
  showProject();
}

void MusicPanel::switchLooping(bool on) {
  editProject(session_, tr("图片循环播放"), [on](Project& p) {
    p.settings.loopPictures = on;
    if (on) p.settings.autoPause = false;
  });
  showProject();
}

void MusicPanel::addTracks() {
  QStringList chosen = choosers_.openMany(tr("选择背景音乐"), tr("mp3音乐 (*.mp3)"),
                                          session_.preferences().musicFolder);
  if (chosen.isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(toCore(path));
  TrackAnalysisWorker worker(std::move(paths));
  runModal(worker, window(), tr("分析背景音乐中..."));
  appendTracks(worker.tracks());
}

void MusicPanel::appendTracks(const std::vector<MusicTrack>& tracks) {
  editProject(session_, tr("添加背景音乐"), [&tracks](Project& p) {
    auto& list = p.settings.musicTracks;
    list.insert(list.end(), tracks.begin(), tracks.end());
  });
  showProject();
}

void MusicPanel::selectOrAddTrack(const std::string& path) {
  const auto& tracks = session_.project().settings.musicTracks;
  auto found = std::find_if(tracks.begin(), tracks.end(),
                            [&path](const MusicTrack& t) { return t.path == path; });
  if (found == tracks.end()) {
    TrackAnalysisWorker worker({path});
    runModal(worker, window(), tr("分析背景音乐中..."));
    if (worker.tracks().empty()) return;
    appendTracks(worker.tracks());
    selectRow(static_cast<int>(tracks.size()) - 1);
  } else {
    selectRow(static_cast<int>(found - tracks.begin()));
  }
  updateEnabling();
}

// The line below takes the deleted one's place in the selection, or the one above when the
// last line went. A trial of a line below moves up with it; a trial of this line stops.
void MusicPanel::removeSelectedTrack() {
  const int row = selectedRow();
  if (row < 0 || !session_.project().settings.musicOn) return;
  if (row == model_->triedRow())
    stopTrial();
  else if (row < model_->triedRow())
    model_->setTriedRow(model_->triedRow() - 1);
  editProject(session_, tr("删除背景音乐"), [row](Project& p) {
    auto& list = p.settings.musicTracks;
    list.erase(list.begin() + row);
  });
  showProject();
  const int count = model_->rowCount();
  if (row < count)
    selectRow(row);
  else if (count > 0)
    selectRow(count - 1);
  else
    list_->selectionModel()->clearSelection();
  updateEnabling();
}

}  // namespace pictavo
