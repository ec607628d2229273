#include "StageMeasure.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tbb/global_control.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>

namespace zelmaro::bench {
namespace {

double ProcessorSeconds(const rusage& usage) {
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ProcessorSecondsOfSelf() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return ProcessorSeconds(usage);
}

// The peak resident memory of this process since the last reset, in bytes.
double PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) * 1024.0;
  }
  return 0.0;
}

// From here on the peak counts only what is resident from now: the inputs already
// loaded, and whatever the work adds.
void ResetPeakResident() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

void WriteAll(int descriptor, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
    if (written <= 0) return;
    done += static_cast<std::size_t>(written);
  }
}

std::string ReadAll(int descriptor) {
  std::string text;
  char buffer[512];
  ssize_t got = 0;
  while ((got = read(descriptor, buffer, sizeof buffer)) > 0) text.append(buffer, got);
  return text;
}

void RunChild(const Stage& stage, int threads, int out) {
  std::ostringstream report;
  try {
    const int most = threads > 0 ? threads : tbb::info::default_concurrency();
    const tbb::global_control limit(tbb::global_control::max_allowed_parallelism, most);
    // The threads are started before the clock, as a long-running program has them.
    tbb::parallel_for(0, 64 * most, [](int) {});
    if (stage.prepare) stage.prepare();
    ResetPeakResident();
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = ProcessorSecondsOfSelf();
    stage.work();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double processor = ProcessorSecondsOfSelf() - processorStart;
    const double peak = PeakResidentBytes();
    if (stage.finish) stage.finish();
    report << "ok " << wall << ' ' << processor << ' ' << peak;
  } catch (const std::exception& error) {
    report << "failed " << error.what();
  }
  WriteAll(out, report.str());
}

}  // namespace

StageCost RunStage(const Stage& stage, int threads) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {false, 0, 0, 0, "no pipe"};
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    RunChild(stage, threads, pipeEnds[1]);
    close(pipeEnds[1]);
    _exit(0);
  }
  close(pipeEnds[1]);
  const std::string text = ReadAll(pipeEnds[0]);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  StageCost cost;
  std::istringstream words(text);
  std::string verdict;
  words >> verdict;
  if (verdict == "ok") {
    words >> cost.wallSeconds >> cost.processorSeconds >> cost.peakBytes;
    cost.finished = true;
  } else {
    std::getline(words, cost.failure);
    if (cost.failure.empty()) cost.failure = "the process ended abnormally";
  }
  return cost;
}

StageCost RunProgram(const std::vector<std::string>& arguments) {
  std::fflush(stdout);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    // What the program says goes nowhere: the table is the benchmark's output.
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0) dup2(nowhere, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  StageCost cost;
  cost.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  cost.processorSeconds = ProcessorSeconds(usage);
  cost.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
  cost.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!cost.finished) cost.failure = "exit status " + std::to_string(WEXITSTATUS(status));
  return cost;
}

std::string MachineLoad() {
  std::ifstream loadFile("/proc/loadavg");
  std::string oneMinute;
  loadFile >> oneMinute;
  std::ifstream memory("/proc/meminfo");
  std::string line;
  double availableKilobytes = 0.0;
  while (std::getline(memory, line)) {
    if (line.rfind("MemAvailable:", 0) == 0) availableKilobytes = std::atof(line.c_str() + 13);
  }
  char text[128];
  std::snprintf(text, sizeof text, "load average %s, %.1f GiB available", oneMinute.c_str(),
                availableKilobytes / (1024.0 * 1024.0));
  return text;
}

}  // namespace zelmaro::bench
