// A serial port that hands every call to another one: the base of the tests' ports that watch or
// steer one kind of call and leave the others alone.
#pragma once

#include <memory>
#include <utility>

#include "link/port.h"

namespace q700::test {

class ForwardingPort : public SerialPort {
 public:
  explicit ForwardingPort(std::unique_ptr<SerialPort> inner) : inner_(std::move(inner)) {}

  bool SetQueueSizes(uint32_t r, uint32_t s) override { return inner_->SetQueueSizes(r, s); }
  bool ApplySettings(const LineSettings& s) override { return inner_->ApplySettings(s); }
  bool ReadSettings(LineSettings* s) override { return inner_->ReadSettings(s); }
  bool SetTimeouts(const PortTimeouts& t) override { return inner_->SetTimeouts(t); }
  bool GetTimeouts(PortTimeouts* t) override { return inner_->GetTimeouts(t); }
  IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
    return inner_->Write(data, timeout_ms);
  }
  IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
    return inner_->Read(buffer, timeout_ms);
  }
  bool Purge(Queues queues) override { return inner_->Purge(queues); }

 protected:
  std::unique_ptr<SerialPort> inner_;
};

}  // namespace q700::test
