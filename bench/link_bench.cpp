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

}  // namespace

BENCHMARK_MAIN();
