#include "link/usb/usb_command_channel.h"

#include <algorithm>
#include <cstring>

#include "common/byte_sum.h"

namespace vq::usb {
namespace {

uint16_t GetU16Le(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t GetU32Be(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void PutU32Be(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

}  // namespace

Frame MakeCommandFrame(uint8_t code, uint16_t parameter) {
  Frame frame{};
  std::memcpy(frame.data(), kFrameSignature, kFrameDataOffset);
  frame[kFrameCodeOffset] = code;
  frame[kFrameParameterOffset] = static_cast<uint8_t>(parameter);
  frame[kFrameParameterOffset + 1] = static_cast<uint8_t>(parameter >> 8);
  return frame;
}

void SealCommandFrame(Frame& frame, uint8_t sequence) {
  frame[kFrameSequenceOffset] = sequence;
  const uint32_t sum = ByteSum32(frame.data(), kFrameChecksumOffset);
  for (int i = 0; i < 4; ++i)
    frame[kFrameChecksumOffset + i] = static_cast<uint8_t>(sum >> (8 * i));
}

std::string ResponseText(const uint8_t* data, size_t size) {
  const uint8_t* end = std::find(data, data + size, uint8_t{0});
  return {reinterpret_cast<const char*>(data), static_cast<size_t>(end - data)};
}

uint32_t UsbCommandChannel::Exchange(Milliseconds timeout) {
  std::lock_guard guard(device_.Lock());
  const UsbPipes pipes = device_.Pipes(stop_);
  uint8_t& sequence = device_.CommandSequence();
  const uint8_t sent = sequence;
  sequence = sent >= kSequenceLimit ? 0 : static_cast<uint8_t>(sent + 1);
  SealCommandFrame(command_, sent);
  response_.fill(0);

  size_t count = 0;
  uint32_t code = pipes.WriteData(command_.data(), kFrameSize, count, timeout);
  if (code != kUsbOk) return code;
  if (count != kFrameSize) return kUsbFailure;
  code = pipes.ReadData(response_.data(), kFrameSize, count, timeout);
  if (code != kUsbOk) return code;
  if (count != kFrameSize || response_[kFrameSequenceOffset] != sent) return kUsbFailure;
  return GetU16Le(response_.data() + kFrameStatusOffset);
}

uint32_t UsbCommandChannel::CommandInit(Milliseconds timeout) {
  command_ = MakeCommandFrame(kCommandInit, 1);
  return Exchange(timeout);
}

uint32_t UsbCommandChannel::CommandInfo(uint16_t selector, Milliseconds timeout, uint8_t* data,
                                        uint16_t* status, uint16_t* value) {
  command_ = MakeCommandFrame(kCommandInfo, selector);
  const uint32_t code = Exchange(timeout);
  if (data) std::memcpy(data, response_.data() + kFrameDataOffset, kFrameDataSize);
  if (status) *status = GetU16Le(response_.data() + kFrameStatusOffset);
  if (value) *value = GetU16Le(response_.data() + kFrameValueOffset);
  return code;
}

uint32_t UsbCommandChannel::CommandReadFile(Milliseconds timeout) {
  command_ = MakeCommandFrame(kCommandReadFile, 1);  // the name field stays zero
  return Exchange(timeout);
}

uint32_t UsbCommandChannel::CommandWriteFile(uint64_t size, Milliseconds timeout) {
  command_ = MakeCommandFrame(kCommandWriteFile, 1);
  PutU32Be(command_.data() + kFrameDataOffset, static_cast<uint32_t>(size));
  PutU32Be(command_.data() + kFrameDataOffset + 4, static_cast<uint32_t>(size >> 32));
  return Exchange(timeout);
}

uint32_t UsbCommandChannel::FileAddress() const { return GetU32Be(response_.data() + 10); }
uint32_t UsbCommandChannel::FileSize() const { return GetU32Be(response_.data() + 14); }

}  // namespace vq::usb
