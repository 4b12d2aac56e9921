#include "harness.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The resident set of this process in kB, as the kernel counts it.
long resident_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int exec_until_idle(QApplication& application) {
  // The loop announces every wait for events. The first one with a window on screen comes after
  // the window was shown, laid out and painted; what is still queued then is housekeeping that
  // takes a tenth of a millisecond.
  auto* dispatcher = QAbstractEventDispatcher::instance();
  QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &application, [&] {
    const auto windows = QGuiApplication::topLevelWindows();
    if (std::ranges::none_of(windows, &QWindow::isExposed)) return;
    QObject::disconnect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &application, nullptr);
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("idle %lld %ld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()),
                resident_kb());
    std::fflush(stdout);
    QApplication::quit();
  });
  return QApplication::exec();
}
