// The collection station timed against four paced virtual terminals uploading at once (its wall
// time against one terminal's wire time, its CPU time against its wall time), and idle on four
// ports with no terminal.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "process_rig.h"

namespace {

using namespace q700::bench;  // NOLINT: the rig's helpers
using SteadyClock = std::chrono::steady_clock;
constexpr size_t kRecordLength = 40;

// Four socat pairs in a folder of their own; with records, a paced virtual terminal behind each
// that ends after its upload.
class StationRig {
 public:
  StationRig(int terminals, const std::vector<std::string>& records) {
    char name[] = "/tmp/q700-station.XXXXXX";
    dir_ = mkdtemp(name);
    setenv("APPDATA", (dir_ / "appdata").c_str(), 1);
    std::string text;
    for (const std::string& line : records) text += line + "\n";
    std::ofstream(dir_ / "records.txt", std::ios::binary) << text;
    for (int n = 0; n < kPorts; ++n) {
      pids_.push_back(
          Spawn({"socat", "pty,raw,echo=0,link=" + Host(n),
                 "pty,raw,echo=0,link=" + (dir_ / ("term" + std::to_string(n))).string()},
                dir_ / "socat.out", dir_ / "socat.err"));
    }
    ready_ = WaitFor([this] {
      for (int n = 0; n < kPorts; ++n) {
        if (!fs::exists(Host(n)) || !fs::exists(dir_ / ("term" + std::to_string(n)))) return false;
      }
      return true;
    });
    for (int n = 0; ready_ && n < terminals; ++n) {
      pids_.push_back(
          Spawn({Q700_TOOL, "terminal", "--port", (dir_ / ("term" + std::to_string(n))).string(),
                 "--store", (dir_ / "store").string(), "--records", (dir_ / "records.txt").string(),
                 "--pace", kPace, "--once"},
                dir_ / "terminal.out", dir_ / "terminal.log"));
    }
    ready_ = ready_ && WaitFor([this, terminals] {
               const std::string log = ReadText(dir_ / "terminal.log");
               int serving = 0;
               for (size_t at = log.find("serving on"); at != std::string::npos;
                    at = log.find("serving on", at + 1)) {
                 ++serving;
               }
               return serving >= terminals;
             });
  }
  ~StationRig() {
    for (const pid_t pid : pids_) {
      if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
      }
    }
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  static constexpr int kPorts = 4;
  bool ready() const { return ready_; }
  std::string Host(int n) const { return (dir_ / ("host" + std::to_string(n))).string(); }
  fs::path Path(const std::string& name) const { return dir_ / name; }
  // The station on the four ports, into station.csv; `more` ends the arguments.
  std::vector<std::string> Collect(const std::vector<std::string>& more) const {
    std::vector<std::string> args = {Q700_TOOL,  "collect",
                                     "--via",    "serial-spp",
                                     "--baud",   kPace,
                                     "--design", (fs::path(Q700_SAMPLES) / "STOCK.TPX").string(),
                                     "--csv",    Path("station.csv").string()};
    for (int n = 0; n < kPorts; ++n) {
      args.push_back("--port");
      args.push_back(Host(n));
    }
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }

 private:
  fs::path dir_;
  std::vector<pid_t> pids_;
  bool ready_ = false;
};

ProcessRun Measure(const fs::path& out, const fs::path& err, const std::vector<std::string>& args,
                   double stop_after_s) {
  ProcessRun run;
  const auto start = SteadyClock::now();
  const pid_t pid = Spawn(args, out, err);
  if (pid < 0) return run;
  if (stop_after_s > 0) {
    std::this_thread::sleep_for(std::chrono::duration<double>(stop_after_s));
    kill(pid, SIGINT);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.wall_s = std::chrono::duration<double>(SteadyClock::now() - start).count();
  run.cpu_s = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

const int kStationRecords =
    getenv("Q700_BENCH_STATION_RECORDS") ? atoi(getenv("Q700_BENCH_STATION_RECORDS")) : 2000;

// Four terminals uploading at once: the station's wall time against one terminal's wire time.
void BM_CollectFourTerminals(benchmark::State& state) {
  std::vector<std::string> records;
  for (int i = 0; i < kStationRecords; ++i) {
    std::string record = "R" + std::to_string(i) + ";";
    while (record.size() < kRecordLength) record += static_cast<char>('A' + record.size() % 26);
    records.push_back(record);
  }
  StationRig rig(StationRig::kPorts, records);
  if (!rig.ready()) {
    state.SkipWithError("no socat pairs or terminals");
    return;
  }
  const uint64_t wire_bytes = 5 + 4 + kStationRecords * (1 + kRecordLength + 2 + 1 + 4) + 5;
  for (auto _ : state) {
    const ProcessRun run =
        Measure(rig.Path("tool.out"), rig.Path("tool.err"), rig.Collect({"--batches", "4"}), 0);
    const double wire_s = static_cast<double>(wire_bytes) * 10.0 / kBaud;
    state.SetIterationTime(run.wall_s);
    state.counters["wire_s"] = wire_s;
    state.counters["wall_s"] = run.wall_s;
    state.counters["wire_ratio"] = run.wall_s / wire_s;
    state.counters["cpu_pct"] = 100.0 * run.cpu_s / run.wall_s;
    if (run.status != 0) {
      state.SkipWithError(("the station failed: " + ReadText(rig.Path("tool.err"))).c_str());
    }
  }
}
BENCHMARK(BM_CollectFourTerminals)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Four ports and no terminal: what the station's asking costs.
void BM_CollectIdle(benchmark::State& state) {
  StationRig rig(0, {});
  if (!rig.ready()) {
    state.SkipWithError("no socat pairs");
    return;
  }
  const double seconds =
      getenv("Q700_BENCH_IDLE_SECONDS") ? atof(getenv("Q700_BENCH_IDLE_SECONDS")) : 30.0;
  for (auto _ : state) {
    const ProcessRun run =
        Measure(rig.Path("tool.out"), rig.Path("tool.err"), rig.Collect({}), seconds);
    state.SetIterationTime(run.wall_s);
    state.counters["wall_s"] = run.wall_s;
    state.counters["cpu_pct"] = 100.0 * run.cpu_s / run.wall_s;
    if (run.status != 0) {
      state.SkipWithError(("the station failed: " + ReadText(rig.Path("tool.err"))).c_str());
    }
  }
}
BENCHMARK(BM_CollectIdle)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
