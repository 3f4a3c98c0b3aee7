// Timed exchanges of tpq700 against `tpq700 terminal --pace 115200` over a socat pair: a full
// application download and an upload of 10,000 records of 40 characters. Each reports its wall
// time as a share of the ideal wire time (every byte both ways at 10 bits, 115200 bit/s) and the
// tool's CPU time as a share of its wall time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "process_rig.h"

namespace {

using q700::bench::kPace;
using q700::bench::ProcessRun;
using q700::bench::ReadText;
using q700::bench::ReportExchange;
using q700::bench::Rig;

const int kRecordCount = getenv("Q700_BENCH_RECORDS") ? atoi(getenv("Q700_BENCH_RECORDS")) : 10000;
constexpr size_t kRecordLength = 40;

void BM_ApplicationDownload(benchmark::State& state) {
  Rig rig;
  if (!rig.ready()) {
    state.SkipWithError("no socat pair or terminal");
    return;
  }
  const std::string design = rig.Path("a.TPX").string();
  // Form 1 takes input, so the design passes the check that comes before a download.
  if (rig.RunTool({Q700_TOOL, "new", design}).status != 0 ||
      rig.RunTool({Q700_TOOL, "set", design, "form.1.line.1.type=text"}).status != 0) {
    state.SkipWithError("tpq700 new or set failed");
    return;
  }
  // Two handshakes ("ZENTAK\r" answered "NAK ACK\r", then the tag and its carriage return) and
  // 200 blocks of 103 bytes, each answered "ACK\r".
  const uint64_t wire_bytes = 7 + 8 + 7 + 10 + 200 * (103 + 4);
  for (auto _ : state) {
    const ProcessRun run = rig.RunTool({Q700_TOOL, "download", design, "--port", rig.Host(),
                                        "--via", "serial-spp", "--baud", kPace, "--quiet"});
    ReportExchange(state, rig, run, wire_bytes);
  }
}
BENCHMARK(BM_ApplicationDownload)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_Upload10000Records(benchmark::State& state) {
  std::vector<std::string> records;
  for (int i = 0; i < kRecordCount; ++i) {
    std::string record = "R" + std::to_string(i) + ";";
    while (record.size() < kRecordLength) record += static_cast<char>('A' + record.size() % 26);
    records.push_back(record);
  }
  Rig rig(records);
  if (!rig.ready()) {
    state.SkipWithError("no socat pair or terminal");
    return;
  }
  // "READ\r", "ACK\r", each record (number, 40 characters, two sum bytes, carriage return)
  // answered "ACK\r", and "OVER\r".
  const uint64_t wire_bytes = 5 + 4 + kRecordCount * (1 + kRecordLength + 2 + 1 + 4) + 5;
  for (auto _ : state) {
    const ProcessRun run =
        rig.RunTool({Q700_TOOL, "receive", rig.Path("data.txt").string(), "--force", "--port",
                     rig.Host(), "--via", "serial-spp", "--baud", kPace, "--quiet"});
    ReportExchange(state, rig, run, wire_bytes);
    if (ReadText(rig.Path("tool.out")) != std::to_string(kRecordCount) + "\n") {
      state.SkipWithError("not every record arrived");
    }
  }
}
BENCHMARK(BM_Upload10000Records)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

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

ToolRun Measure(const fs::path& out, const fs::path& err, const std::vector<std::string>& args,
                double stop_after_s) {
  ToolRun run;
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
    const ToolRun run =
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
    const ToolRun run =
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
