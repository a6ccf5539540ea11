// Every action of the toolbar, the menus and the option panels changes the project only as
// one step of the undo history, and undo then redo gives the project back to the byte.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "support/make_audio.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/generation_command.h"
#include "ui/picture_list/effect_chooser.h"
#include "ui/picture_list/picture_list_controls.h"
#include "ui/preview/preview_command.h"
#include "ui/preview/preview_window.h"
#include "ui/panels/music_panel.h"
#include "ui/project_commands.h"
#include "ui/settings_menu.h"
#include "ui/support/project_difference.h"
#include "ui/support/window_fixture.h"

namespace pictavo {
namespace {

struct Step {
  QString name;
  std::function<void()> act;
};

class EditPathTest : public test::WindowTest {
 protected:
  EditPathTest() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("HOME", dir.path().c_str(), 1);  // the desktop shortcut lands here
    pictures_ = makePictures(4);
    test::writeGif(dir.file("anim.gif"), 3, 10);
    EXPECT_EQ(test::makeSineAudio(dir.file("tone.mp3"), 30.0, "-c:a libmp3lame"), "");
    prompts.chooseByFilter = [this](const QString& filter) { return fileFor(filter); };
    // Dialogs with their own event loop are accepted, a preview is closed and a generation
    // is stopped, as a user would.
    QObject::connect(&answerer_, &QTimer::timeout, [this] {
      ProgressDialog* progress = window->generationCommand().progressDialog();
      if (progress && progress->isVisible()) progress->stopButton()->click();
      PreviewWindow* preview = window->previewCommand().window();
      if (preview->isVisible()) preview->close();
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
    });
    answerer_.start(20);
  }
  ~EditPathTest() override { setenv("HOME", home_.c_str(), 1); }

  // A file of the kind a chooser's filter asks for.
  QStringList fileFor(const QString& filter) const {
    if (filter.contains(QStringLiteral("*.jpg"))) return pictures_;
    if (filter.contains(QStringLiteral("*.gif"))) return {file(QStringLiteral("anim.gif"))};
    if (filter.contains(QStringLiteral("*.mp3"))) return {file(QStringLiteral("tone.mp3"))};
    if (filter.contains(QStringLiteral("*.dat"))) return {file(QStringLiteral("album.dat"))};
    if (filter.contains(QStringLiteral("*.mp4"))) return {file(QStringLiteral("video.mp4"))};
    return {pictures_.first()};
  }

  void settle() {
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          return window->isEnabled() && !window->loadingPictures() &&
                 !QApplication::activeModalWidget() && !window->previewCommand().window()->isVisible();
        },
        60000));
  }

  // Pictures 2 and 3 selected, the list focused, so that every command has something to do.
  void prepare() {
    if (pictureCount() < 4) addPictures(pictures_);
    QListView* list = window->layoutParts().pictureList;
    list->setFocus();
    list->selectionModel()->clear();
    for (int row : {1, 2})
      list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    list->selectionModel()->setCurrentIndex(list->model()->index(2, 0), QItemSelectionModel::NoUpdate);
    prompts.answers.clear();
    for (int i = 0; i < 4; ++i) prompts.answers.enqueue(QMessageBox::No);
  }

  // A change records exactly one step, which undo takes back and redo brings again to the
  // byte; no change records nothing. Saving moves the project (and the pictures it keeps in
  // the work folder) to their files, which is not a step: the newest step must still give
  // back the project as the save left it.
  void check(const Step& step, bool saves) {
    SCOPED_TRACE(step.name.toStdString());
    prepare();
    QUndoStack& history = session.undoStack();
    Project before = session.project();
    int index = history.index();
    step.act();
    settle();
    Project after = session.project();
    if (saves || test::projectDifference(before, after).empty()) {
      EXPECT_EQ(history.index(), index);
      if (history.canUndo()) {
        EXPECT_EQ(test::undoThenRedoChange(session), "");
      }
      return;
    }
    ASSERT_EQ(history.index(), index + 1) << test::projectDifference(before, after);
    history.undo();
    EXPECT_EQ(test::projectDifference(before, session.project()), "");
    history.redo();
    EXPECT_EQ(test::projectDifference(after, session.project()), "");
  }

  QList<Step> actionSteps(const QList<QAction*>& actions) {
    QList<Step> steps;
    for (QAction* action : actions) {
      if (action->menu()) {
        steps += actionSteps(action->menu()->actions());
      } else if (!action->isSeparator() && !action->text().startsWith(QStringLiteral("撤销")) &&
                 !action->text().startsWith(QStringLiteral("重做"))) {
        steps.append({action->text(), [action] { action->trigger(); }});
      }
    }
    return steps;
  }

  // The picture list's own menu, opened over the selection as a user opens it.
  QList<Step> pictureMenuSteps() {
    QList<Step> steps;
    QMenu* menu = window->pictureControls().menu().menu;
    for (Step step : actionSteps(menu->actions())) {
      steps.append({step.name, [this, menu, step] {
                      QListView* list = window->layoutParts().pictureList;
                      emit list->customContextMenuRequested(
                          list->visualRect(list->model()->index(2, 0)).center());
                      step.act();
                      menu->hide();
                    }});
    }
    return steps;
  }

  // Each control of the option groups used once: a box ticked (`tickOnly`) or clicked,
  // another entry chosen, text typed, a button pressed, a line of a list clicked.
  QList<Step> panelSteps(bool tickOnly) {
    QList<Step> steps;
    const WindowLayout& layout = window->layoutParts();
    for (QGroupBox* group : {layout.captionGroup, layout.logoGroup, layout.musicGroup,
                             layout.coverGroup, layout.outputGroup}) {
      for (QWidget* w : group->findChildren<QWidget*>()) {
        QString name = w->accessibleName();
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
          steps.append({name, [box, tickOnly] {
                          if (box->isEnabled() && !(tickOnly && box->isChecked())) box->click();
                        }});
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
          steps.append({name, [combo] {
                          if (combo->isEnabled() && combo->count() > 1)
                            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
                        }});
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
          steps.append({name, [edit] {
                          if (!edit->isEnabled() || edit->isReadOnly()) return;
                          edit->setFocus();
                          QTest::keyClicks(edit, QStringLiteral("Day 1"));
                        }});
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
          steps.append({name, [button] {
                          if (button->isEnabled()) button->click();
                        }});
        } else if (auto* view = qobject_cast<QListView*>(w)) {
          steps.append({name, [view] {
                          if (view->isEnabled() && view->model()->rowCount() > 0)
                            view->setCurrentIndex(view->model()->index(0, 0));
                        }});
        }
      }
    }
    return steps;
  }

  std::string home_ = std::getenv("HOME") ? std::getenv("HOME") : "";
  QStringList pictures_;
  QTimer answerer_;
};

TEST_F(EditPathTest, EveryActionChangesTheProjectOnlyThroughOneExactUndoStep) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  addPictures(pictures_);
  ASSERT_TRUE(window->projectCommands().saveAs());  // album.dat, for 打开

  // Every option on, the pause following the music; then the picture commands (each of
  // which moves the pause), every option once more, and the project menu last.
  const ToolbarActions& bar = window->toolbarActions();
  QList<Step> steps = panelSteps(true);
  QCheckBox* autoPause = nullptr;
  for (QCheckBox* box : window->musicPanel().findChildren<QCheckBox*>())
    if (box->text() == QStringLiteral("根据背景音乐自动调整图片停顿时间")) autoPause = box;
  ASSERT_NE(autoPause, nullptr);
  steps.append({autoPause->text(), [autoPause] {
                  if (!autoPause->isChecked()) autoPause->click();
                }});
  for (QAction* action : bar.all())
    if (!action->menu()) steps += actionSteps({action});
  steps += pictureMenuSteps();
  EffectChooser& chooser = window->pictureControls().effectChooser();
  steps.append({QStringLiteral("effect chooser"), [this, &chooser] {
                  QListView* list = window->layoutParts().pictureList;
                  list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Deselect);
                  ASSERT_TRUE(chooser.isVisible());
                  chooser.setCurrentIndex(chooser.count() - 1);
                  emit chooser.activated(chooser.count() - 1);
                }});
  steps += actionSteps(window->settingsMenu().menu()->actions());
  steps += panelSteps(false);
  // The save moves pictures kept in the work folder into the pics folder.
  const ProjectMenu& project = window->projectMenu();
  steps += actionSteps({bar.importAnimation, project.save, project.saveAs, project.newProject,
                        project.open});
  for (const Step& step : steps) {
    emit project.menu->aboutToShow();
    bool saves = step.name == project.save->text() || step.name == project.saveAs->text();
    check(step, saves);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace pictavo
