// Lookup files, timed as whole processes against their peers: `tpq700 lookup check` of a
// generated 1,000,000-line file against awk's test of the field count and line length over the
// same file, and `tpq700 send-lookup` of 50,000 lines of 40 characters (checked against the
// design first) to `tpq700 terminal --pace 115200`, against the ideal wire time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "process_rig.h"

namespace {

using q700::bench::kPace;
using q700::bench::ProcessRun;
using q700::bench::ReadText;
using q700::bench::ReportExchange;
using q700::bench::Rig;
using q700::bench::RunProcess;

int FromEnv(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

const int kCheckLines = FromEnv("Q700_BENCH_CHECK_LINES", 1000000);
const int kSendLines = FromEnv("Q700_BENCH_LOOKUP_LINES", 50000);
// How often each side of the check is timed; the fastest run counts.
constexpr int kCheckRuns = 3;

// Line `i` of an article list for STOCK.TPX's lookup file 1 (13, 20 and 7 characters, tabs
// between): 40 characters. The keys are all different and in no order: i times a number prime to
// 10^13 (odd, not a multiple of 5), so no sorted input makes the search for repeated keys easy.
std::string ArticleLine(int i) {
  const unsigned long long key =
      static_cast<unsigned long long>(i) * 2654435761ull % 10000000000000ull;
  char line[64];
  std::snprintf(line, sizeof line, "%013llu\tArticle %-12d\t%5d", key, i % 1000000, i % 99999);
  return line;
}

void WriteArticles(const std::string& path, int lines) {
  std::ofstream out(path, std::ios::binary);
  std::string chunk;
  for (int i = 0; i < lines; ++i) {
    chunk += ArticleLine(i);
    chunk += "\r\n";
    if (chunk.size() > (1 << 20)) {
      out << chunk;
      chunk.clear();
    }
  }
  out << chunk;
}

double Fastest(const std::vector<std::string>& args, const std::string& out, const std::string& err,
               bool* ok) {
  double best = 1e9;
  for (int run = 0; run < kCheckRuns; ++run) {
    const ProcessRun result = RunProcess(args, out, err);
    *ok = *ok && result.status == 0;
    best = std::min(best, result.wall_s);
  }
  return best;
}

void BM_LookupCheckAgainstAwk(benchmark::State& state) {
  char name[] = "/tmp/q700-bench-check.XXXXXX";
  const std::string dir = mkdtemp(name);
  const std::string file = dir + "/articles.txt";
  WriteArticles(file, kCheckLines);
  for (auto _ : state) {
    bool ok = true;
    const double tool = Fastest({Q700_TOOL, "lookup", "check", Q700_STOCK, "1", file},
                                dir + "/tool.out", dir + "/tool.err", &ok);
    const double awk = Fastest({"awk", "-F\t", "NF!=3 || length($0)>253", file}, dir + "/awk.out",
                               dir + "/awk.err", &ok);
    state.SetIterationTime(tool);
    state.counters["lines"] = kCheckLines;
    state.counters["tool_s"] = tool;
    state.counters["awk_s"] = awk;
    state.counters["awk_ratio"] = tool / awk;
    if (!ok || !ReadText(dir + "/awk.out").empty()) {
      state.SkipWithError(
          ("a check failed: " + ReadText(dir + "/tool.out").substr(0, 400)).c_str());
    }
  }
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_LookupCheckAgainstAwk)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_LookupDownload50000Lines(benchmark::State& state) {
  Rig rig;
  if (!rig.ready()) {
    state.SkipWithError("no socat pair or terminal");
    return;
  }
  const std::string file = rig.Path("articles.txt").string();
  WriteArticles(file, kSendLines);
  // "ZENTAK\r" answered "NAK ACK\r", each line with its two sum bytes and carriage return
  // answered "ACK\r", and "OVER\r" answered "ACK\r".
  const uint64_t wire_bytes = 7 + 8 + static_cast<uint64_t>(kSendLines) * (40 + 3 + 4) + 5 + 4;
  for (auto _ : state) {
    const ProcessRun run =
        rig.RunTool({Q700_TOOL, "send-lookup", file, "--design", Q700_STOCK, "--lookup", "1",
                     "--port", rig.Host(), "--via", "serial-spp", "--baud", kPace, "--quiet"});
    ReportExchange(state, rig, run, wire_bytes);
    if (ReadText(rig.Path("store/lookup-1.txt")) != ReadText(file)) {
      state.SkipWithError("the terminal did not keep the file as it was sent");
    }
  }
}
BENCHMARK(BM_LookupDownload50000Lines)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
