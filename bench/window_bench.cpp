// The window's figures: the time from the "Set" click to the result box for a
// full modem upload against the emulator, and start-up time to the window
// shown with resident memory, beside a bare Qt window of the same size.
//
//   bench_window [runs]
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/KestruneMain.h"
#include "device/Vandrel.h"
#include "emulator/harness/emulator_process.h"
#include "platform/exedir.h"
#include "platform/qt/guard.h"
#include "platform/qt/message_recorder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

long ResidentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// Child mode: show one window, report "<ms to shown> <rss KiB>" on stdout.
int ShowAndReport(bool bare, Clock::time_point started) {
  int argc = 1;
  char name[] = "bench_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pellmora");
  std::unique_ptr<QWidget> window;
  if (bare) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(259, 339);
  } else {
    window = std::make_unique<TKestrune>();
  }
  window->show();
  QTimer::singleShot(0, [&] {
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    std::printf("%.2f %ld\n", ms, ResidentKib());
    std::fflush(stdout);
    QApplication::quit();
  });
  return QApplication::exec();
}

struct StartFigure {
  double ms;
  long rssKib;
};

// Runs this program again in child mode; wall time from the fork.
bool MeasureStart(const char* mode, StartFigure* figure) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  const auto before = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeFds[1], 1);
    close(pipeFds[0]);
    const std::string self = platform::ExecutableDirectory() + "bench_window";
    execl(self.c_str(), self.c_str(), mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  char buffer[128] = {};
  const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
  const double wall = std::chrono::duration<double, std::milli>(Clock::now() - before).count();
  close(pipeFds[0]);
  waitpid(pid, nullptr, 0);
  double childMs = 0;
  long rss = 0;
  if (got <= 0 || std::sscanf(buffer, "%lf %ld", &childMs, &rss) != 2) return false;
  *figure = {wall, rss};
  return true;
}

void ReportStart(const char* label, const char* mode, int runs) {
  std::vector<double> times, rss;
  for (int i = 0; i < runs; ++i) {
    StartFigure f{};
    if (!MeasureStart(mode, &f)) {
      std::printf("%s: child failed\n", label);
      return;
    }
    times.push_back(f.ms);
    rss.push_back(static_cast<double>(f.rssKib));
  }
  std::printf("%-28s start to shown: median %7.1f ms   resident: median %6.0f KiB\n", label,
              Median(times), Median(rss));
}

int MeasureUpload(int runs) {
  int argc = 1;
  char name[] = "bench_window";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pellmora");
  Vandrel::SetProcessMessages(platform::ProcessPendingMessages);
  Vandrel::SetArpFlushLauncher([](void*) {});  // never touch the machine's ARP cache here

  harness::TempDir dir;
  harness::EmulatorProcess emulator;
  std::string error;
  if (!emulator.Start({"--tcp", "127.0.0.1:0", "--quiet", "--store", dir.Path() + "/store.txt"},
                      &error)) {
    std::printf("emulator: %s\n", error.c_str());
    return 1;
  }
  platform::MessageRecorder boxes;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    TKestrune window;
    window.EDTIP->setText("127.0.0.1");
    window.EDTPort->setText(QString::number(emulator.Port()));
    // New values every run, so that every line is really written.
    window.APNEdit->setText(QString("apn%1").arg(i));
    window.EDTUserName->setText(QString("user%1").arg(i));
    window.EDTpsw->setText(QString("pass%1").arg(i));
    window.EDTNum->setText(QString("*99#%1").arg(i));
    Clock::time_point shown;
    boxes.OnShow = [&](const platform::RecordedBox&) { shown = Clock::now(); };
    const auto clicked = Clock::now();
    window.Button2->click();
    times.push_back(std::chrono::duration<double, std::milli>(shown - clicked).count());
  }
  const bool allSet = std::all_of(boxes.Boxes().begin(), boxes.Boxes().end(), [](const auto& b) {
    return b.text == "Set successfully! please reboot the device";
  });
  std::printf("modem upload, Set click to result box over loopback TCP: median %.1f ms, min %.1f ms, "
              "max %.1f ms over %d runs (floor: five 100 ms pauses = 500 ms)%s\n",
              Median(times), *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()), runs,
              allSet ? "" : "  [NOT ALL RUNS SUCCEEDED]");
  return allSet ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const auto started = Clock::now();
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--child-window") return ShowAndReport(false, started);
  if (mode == "--child-bare") return ShowAndReport(true, started);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

  const int status = MeasureUpload(runs);
  ReportStart("pellmora window (TKestrune)", "--child-window", runs);
  ReportStart("bare QWidget 259x339", "--child-bare", runs);
  return status;
}
