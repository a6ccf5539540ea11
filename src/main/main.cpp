// pictavo: the window program. Start-up runs in a fixed order and either reaches the event
// loop or ends with a message box and its exit code; there is no partial start.
#include <QApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "app/background_tasks.h"
#include "app/crash_report.h"
#include "app/language_start.h"
#include "app/program_options.h"
#include "app/prompt_recording.h"
#include "app/qt_text.h"
#include "app/session.h"
#include "app/startup_steps.h"
#include "app/toolkit_start.h"
#include "app/user_prompts.h"
#include "platform/crash_guard.h"
#include "platform/folders.h"
#include "platform/large_blocks.h"
#include "platform/work_folder.h"
#include "project/pause_table.h"
#include "ui/information_window.h"
#include "ui/interrupt_exit.h"
#include "ui/main_window.h"
#include "util/paths.h"
#include "video/demo_project.h"

namespace {

using namespace pictavo;

std::vector<std::string> argumentsOf(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

// --help, --version or a wrong command line.
int answerCommandLine(const ProgramOptions& options) {
  switch (options.mode) {
    case ProgramOptions::Mode::Help:
      std::fputs(programUsage().c_str(), stdout);
      return 0;
    case ProgramOptions::Mode::Version:
      std::printf("pictavo %s\n", PICTAVO_VERSION);
      return 0;
    default:
      std::fprintf(stderr, "pictavo: %s\n%s", options.problem.c_str(), programUsage().c_str());
      return 2;
  }
}

std::unique_ptr<UserPrompts> makePrompts() {
  if (QString record = promptRecordFile(); !record.isEmpty())
    return std::make_unique<RecordingUserPrompts>(record);
  return std::make_unique<QtUserPrompts>();
}

int stop(const StartupFailure& failure, UserPrompts& prompts) {
  tellStartupFailure(failure, prompts);
  return failure.exitCode;
}

// The built-in demo pictures as a new, unsaved project, their material kept in the program
// folder's "demo" folder so that a saved copy of the project still finds it.
void loadDemo(Session& session, UserPrompts& prompts) {
  std::string error;
  std::string folder = joinPath(programFolders().program, "demo");
  if (buildDemoProject(session.project(), folder, &error)) return;
  session.project().clear();
  prompts.message(nullptr, QMessageBox::Critical, QApplication::translate("main", "错误"),
                  fromCore(error));
}

// The project named on the command line. A name the program cannot carry gets the core's
// message; everything else about the file is the window's to judge.
void openProjectArgument(MainWindow& window, UserPrompts& prompts, const std::string& fsName) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(fsName, ec);
  std::string name = ec ? fsName : absolute.lexically_normal().string();
  if (!fromFsName(name)) {
    prompts.message(&window, QMessageBox::Warning, QApplication::translate("main", "提示"),
                    fromCore(unsupportedNameMessage(fsName)));
    return;
  }
  window.openProjectFile(QFile::decodeName(name.c_str()));
}

int runWindow(QApplication& app, const ProgramOptions& options, UserPrompts& prompts) {
  if (auto failure = prepareProgramFolder()) return stop(*failure, prompts);
  Session session;  // the preferences
  if (auto failure = checkInstallation()) return stop(*failure, prompts);
  if (auto failure = prepareWorkFolders()) return stop(*failure, prompts);
  startNetworking();
  if (auto failure = startCheckedImageLibrary()) return stop(*failure, prompts);
  buildEffectTable();
  // The window shows the project as it is when the window is built.
  session.project().settings.selectPause(kDefaultPauseIndex);
  if (options.demo) loadDemo(session, prompts);

  BackgroundTasks tasks;
  int code = -1;
  {
    MainWindow window(session, prompts);
    attachInformationWindow(window);
    window.show();
    if (!options.projectPath.empty()) openProjectArgument(window, prompts, options.projectPath);

    InterruptExit interrupts(window);  // SIGTERM, SIGINT, SIGHUP: stop what runs, then leave

    bool started = tasks.start([&session](int kbitPerSecond) {
      session.preferences().audioBitRate = kbitPerSecond;
    });
    if (started)
      code = app.exec();
    else
      prompts.message(&window, QMessageBox::Critical, QApplication::translate("main", "错误"),
                      QApplication::translate("main", "无法启动后台任务，软件即将退出。"));
  }  // the window's own tasks (finding beats, say) end with it, before their files go
  releaseOwnWorkFolder();  // also when the program ends without the exit sequence
  // A task still waiting on the network must not outlive the objects it uses.
  if (!tasks.waitUntilDone(std::chrono::milliseconds(500))) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}

}  // namespace

int main(int argc, char* argv[]) {
  // --help and --version touch nothing else, not even the program folder's errors.log.
  ProgramOptions early;
  early.mode = helpOrVersionAsked(argc, argv);
  if (early.mode != ProgramOptions::Mode::Window) return answerCommandLine(early);
  // The report process of a crash does not guard itself: a crash there ends quietly.
  bool reportProcess = argc > 1 && std::strcmp(argv[1], "--crash-report") == 0;
  if (!reportProcess) installCrashGuard(ownProgramPath());
  returnLargeBlocksToTheSystem();
  if (!windowSystemAvailable(argc, argv)) {
    std::fputs("pictavo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are "
               "empty).\npictavo-cli makes videos without one; see pictavo-cli --help.\n",
               stderr);
    return 1;
  }

  // Takes the toolkit's own options out of argv.
  std::unique_ptr<QApplication> app = startToolkit(argc, argv);
  startLanguage(*app);
  ProgramOptions options = parseProgramOptions(argumentsOf(argc, argv));
  if (options.mode != ProgramOptions::Mode::Window &&
      options.mode != ProgramOptions::Mode::CrashReport)
    return answerCommandLine(options);
  std::unique_ptr<UserPrompts> prompts = makePrompts();
  if (options.mode == ProgramOptions::Mode::CrashReport)
    return runCrashReport(options.crashCode, options.crashAddress, *prompts);
  return runWindow(*app, options, *prompts);
}
