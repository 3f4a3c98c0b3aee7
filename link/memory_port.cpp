// The in-memory serial line.
#include "link/memory_port.h"

#include <algorithm>
#include <deque>

namespace q700 {

struct MemoryPortPair::State {
  explicit State(Clock& c) : clock(c) {}

  struct Arrival {
    uint64_t at_ms;
    uint8_t byte;
  };
  struct Side {
    bool open = false;
    LineSettings settings;
    PortTimeouts timeouts;
    std::deque<Arrival> receive;
    std::vector<PortEvent> events;
    std::vector<uint8_t> written;
    std::function<void()> on_receive;
    uint32_t latency_ms = 0;
    bool write_stalled = false;
    bool refuse_settings = false;
  };

  Clock& clock;
  Side sides[2];

  PortEvent& Log(int side, PortEvent::Kind kind) {
    Side& s = sides[side];
    s.events.push_back(PortEvent{kind, clock.NowMs(), s.settings, {}, {}});
    return s.events.back();
  }
};

class MemoryPortPair::End final : public SerialPort {
 public:
  End(std::shared_ptr<State> state, int side) : state_(std::move(state)), side_(side) {
    Me().open = true;
  }
  ~End() override { Me().open = false; }

  bool SetQueueSizes(uint32_t, uint32_t) override {
    state_->Log(side_, PortEvent::Kind::kQueues);
    return true;
  }

  bool ApplySettings(const LineSettings& settings) override {
    if (Me().refuse_settings) return false;
    Me().settings = settings;
    state_->Log(side_, PortEvent::Kind::kApply);
    return true;
  }

  bool ReadSettings(LineSettings* settings) override {
    *settings = Me().settings;
    return true;
  }

  bool SetTimeouts(const PortTimeouts& timeouts) override {
    Me().timeouts = timeouts;
    state_->Log(side_, PortEvent::Kind::kTimeouts).timeouts = timeouts;
    return true;
  }

  bool GetTimeouts(PortTimeouts* timeouts) override {
    *timeouts = Me().timeouts;
    return true;
  }

  IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
    if (Me().write_stalled) {
      state_->clock.Pause(timeout_ms);
      return {IoStatus::kTimedOut, 0};
    }
    PortEvent& event = state_->Log(side_, PortEvent::Kind::kWrite);
    event.bytes.assign(data.begin(), data.end());
    Me().written.insert(Me().written.end(), data.begin(), data.end());
    State::Side& peer = state_->sides[1 - side_];
    const uint64_t at = state_->clock.NowMs() + Me().latency_ms;
    for (const uint8_t byte : data) peer.receive.push_back({at, byte});
    // Copy: the handler may replace itself.
    if (std::function<void()> handler = peer.on_receive) handler();
    return {IoStatus::kDone, data.size()};
  }

  IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
    State::Side& me = Me();
    Clock& clock = state_->clock;
    uint64_t now = clock.NowMs();
    if (me.receive.empty() || me.receive.front().at_ms > now) {
      const uint64_t deadline = now + timeout_ms;
      if (!me.receive.empty() && me.receive.front().at_ms <= deadline) {
        clock.Pause(static_cast<uint32_t>(me.receive.front().at_ms - now));
      } else {
        clock.Pause(timeout_ms);
        return {IoStatus::kTimedOut, 0};
      }
      now = clock.NowMs();
    }
    size_t count = 0;
    while (count < buffer.size() && !me.receive.empty() && me.receive.front().at_ms <= now) {
      buffer[count++] = me.receive.front().byte;
      me.receive.pop_front();
    }
    return {count > 0 ? IoStatus::kDone : IoStatus::kTimedOut, count};
  }

  bool Purge(Queues queues) override {
    PortEvent& event = state_->Log(side_, PortEvent::Kind::kPurge);
    event.purge_receive = HasReceive(queues);
    event.purge_send = HasSend(queues);
    if (event.purge_receive) Me().receive.clear();
    return true;
  }

 private:
  State::Side& Me() { return state_->sides[side_]; }

  std::shared_ptr<State> state_;
  int side_;
};

MemoryPortPair::MemoryPortPair(Clock& clock) : state_(std::make_shared<State>(clock)) {}
MemoryPortPair::~MemoryPortPair() = default;

std::unique_ptr<SerialPort> MemoryPortPair::Open(int side) {
  if (state_->sides[side].open) return nullptr;
  return std::make_unique<End>(state_, side);
}

bool MemoryPortPair::IsOpen(int side) const { return state_->sides[side].open; }

const LineSettings& MemoryPortPair::Settings(int side) const {
  return state_->sides[side].settings;
}

const std::vector<PortEvent>& MemoryPortPair::Events(int side) const {
  return state_->sides[side].events;
}

std::vector<uint8_t> MemoryPortPair::Written(int side) const { return state_->sides[side].written; }

size_t MemoryPortPair::Pending(int side) const { return state_->sides[side].receive.size(); }

void MemoryPortPair::SetOnReceive(int side, std::function<void()> handler) {
  state_->sides[side].on_receive = std::move(handler);
}

void MemoryPortPair::SetLatency(int side, uint32_t ms) { state_->sides[side].latency_ms = ms; }

void MemoryPortPair::SetWriteStalled(int side, bool stalled) {
  state_->sides[side].write_stalled = stalled;
}

}  // namespace q700

namespace q700 {

void MemoryPortPair::SetRefuseSettings(int side, bool refuse) {
  state_->sides[side].refuse_settings = refuse;
}

}  // namespace q700
