// What the benchmarks of the tool share: starting processes with their output in files, a timed
// run of a process (wall and CPU time), a socat pair with the paced virtual terminal behind one
// end, and the report of an exchange against its ideal wire time.
#pragma once

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace q700::bench {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

inline constexpr uint32_t kBaud = 115200;
inline constexpr char kPace[] = "115200";

// Starts a program with stdin from /dev/null and stdout and stderr into files.
inline pid_t Spawn(const std::vector<std::string>& args, const fs::path& out, const fs::path& err) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

inline std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool WaitFor(const std::function<bool()>& ready) {
  for (int i = 0; i < 100; ++i) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

struct ProcessRun {
  int status = -1;
  double wall_s = 0;
  double cpu_s = 0;
};

// Runs a program to its end, its output into files.
inline ProcessRun RunProcess(const std::vector<std::string>& args, const fs::path& out,
                             const fs::path& err) {
  ProcessRun run;
  const auto start = SteadyClock::now();
  const pid_t pid = Spawn(args, out, err);
  if (pid < 0) return run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.wall_s = std::chrono::duration<double>(SteadyClock::now() - start).count();
  run.cpu_s = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// A folder of its own, with a socat pair and the paced virtual terminal behind one end.
class Rig {
 public:
  explicit Rig(const std::vector<std::string>& records = {}) {
    char name[] = "/tmp/q700-bench.XXXXXX";
    dir_ = mkdtemp(name);
    setenv("APPDATA", (dir_ / "appdata").c_str(), 1);
    std::ofstream(dir_ / "records.txt", std::ios::binary) << Join(records);
    socat_ = Spawn({"socat", "pty,raw,echo=0,link=" + Host(), "pty,raw,echo=0,link=" + Term()},
                   dir_ / "socat.out", dir_ / "socat.err");
    if (!WaitFor([this] { return fs::exists(Host()) && fs::exists(Term()); })) return;
    terminal_ =
        Spawn({Q700_TOOL, "terminal", "--port", Term(), "--store", (dir_ / "store").string(),
               "--records", (dir_ / "records.txt").string(), "--pace", kPace},
              dir_ / "terminal.out", dir_ / "terminal.log");
    ready_ = WaitFor(
        [this] { return ReadText(dir_ / "terminal.log").find("serving on") != std::string::npos; });
  }
  ~Rig() {
    for (const pid_t pid : {terminal_, socat_}) {
      if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
      }
    }
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  Rig(const Rig&) = delete;
  Rig& operator=(const Rig&) = delete;

  bool ready() const { return ready_; }
  std::string Host() const { return (dir_ / "host").string(); }
  std::string Term() const { return (dir_ / "term").string(); }
  fs::path Path(const std::string& name) const { return dir_ / name; }

  // Runs the tool with its output in tool.out and tool.err of the folder.
  ProcessRun RunTool(const std::vector<std::string>& args) const {
    return RunProcess(args, Path("tool.out"), Path("tool.err"));
  }

 private:
  static std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }

  fs::path dir_;
  pid_t socat_ = -1;
  pid_t terminal_ = -1;
  bool ready_ = false;
};

// The wall time against the ideal wire time of `wire_bytes` (10 bits a byte at 115200 bit/s)
// and the CPU time as a share of the wall time.
inline void ReportExchange(benchmark::State& state, const Rig& rig, const ProcessRun& run,
                           uint64_t wire_bytes) {
  const double wire_s = static_cast<double>(wire_bytes) * 10.0 / kBaud;
  state.SetIterationTime(run.wall_s);
  state.counters["wire_s"] = wire_s;
  state.counters["wall_s"] = run.wall_s;
  state.counters["wire_ratio"] = run.wall_s / wire_s;
  state.counters["cpu_pct"] = 100.0 * run.cpu_s / run.wall_s;
  if (run.status != 0)
    state.SkipWithError(("the tool failed: " + ReadText(rig.Path("tool.err"))).c_str());
}

}  // namespace q700::bench
