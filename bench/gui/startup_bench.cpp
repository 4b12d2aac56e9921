// How long the window program takes from process start until its main window is shown and the
// event loop is idle, beside a bare Qt Widgets window of the same size: the difference is what
// FILLMAP's own start-up costs, the rest is Qt's. Every start is a fresh process on the offscreen
// platform; the harnesses stamp the moment they go idle and their resident memory.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct Start {
  double seconds;  // from spawning the process to its event loop going idle
  double resident_bytes;
};

// This process's environment with the offscreen platform for the child.
std::vector<std::string> child_environment() {
  std::vector<std::string> variables = {"QT_QPA_PLATFORM=offscreen"};
  for (char** variable = environ; *variable; ++variable) {
    if (!std::string_view(*variable).starts_with("QT_QPA_PLATFORM="))
      variables.emplace_back(*variable);
  }
  return variables;
}

// Runs a harness to its end; its standard output and error come back through one pipe, where
// the harness's own line "idle <steady-clock ns> <VmRSS kB>" sits among whatever Qt logs.
Start start(const char* harness) {
  const std::vector<std::string> variables = child_environment();
  std::vector<char*> environment;
  for (const std::string& variable : variables)
    environment.push_back(const_cast<char*>(variable.c_str()));
  environment.push_back(nullptr);
  char* const arguments[] = {const_cast<char*>(harness), nullptr};

  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDERR_FILENO);

  const auto spawned = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawn_error =
      posix_spawn(&child, harness, &actions, nullptr, arguments, environment.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::string output;
  if (spawn_error == 0) {
    char chunk[4096];
    for (ssize_t n; (n = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) output.append(chunk, n);
  }
  close(pipe_ends[0]);
  if (spawn_error != 0)
    throw std::runtime_error(std::string(harness) + ": " + std::strerror(spawn_error));
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(std::string(harness) + " failed (status " + std::to_string(status) +
                             "):\n" + output);
  }

  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    long long idle_ns = 0;
    long resident_kb = 0;
    if (std::sscanf(line.c_str(), "idle %lld %ld", &idle_ns, &resident_kb) != 2) continue;
    const auto idle = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(idle_ns));
    return {std::chrono::duration<double>(idle - spawned).count(), resident_kb * 1024.0};
  }
  throw std::runtime_error(std::string(harness) + " never went idle:\n" + output);
}

// Times the starts of one harness; returns the mean seconds per start.
double measure_starts(benchmark::State& state, const char* harness) {
  try {
    // The first start loads the libraries from disk; the program's user meets them cached.
    start(harness);
    double total_seconds = 0;
    double resident_bytes = 0;
    for (auto _ : state) {
      const Start measured = start(harness);
      state.SetIterationTime(measured.seconds);
      total_seconds += measured.seconds;
      resident_bytes = std::max(resident_bytes, measured.resident_bytes);
    }
    state.counters["resident"] = benchmark::Counter(resident_bytes, benchmark::Counter::kDefaults,
                                                    benchmark::Counter::kIs1024);
    return total_seconds / static_cast<double>(state.iterations());
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
    return 0;
  }
}

// The bare window's mean start, for the FILLMAP start to be set against; it runs first.
double bare_seconds = 0;

void BM_start_bare_window(benchmark::State& state) {
  bare_seconds = measure_starts(state, BARE_WINDOW);
}

void BM_start_fillmap_window(benchmark::State& state) {
  const double seconds = measure_starts(state, FILLMAP_WINDOW);
  if (seconds > 0 && bare_seconds > 0) state.counters["times_bare"] = seconds / bare_seconds;
}

BENCHMARK(BM_start_bare_window)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_start_fillmap_window)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
