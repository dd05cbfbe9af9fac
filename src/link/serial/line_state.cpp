// Uses the kernel's termios2 interface, which takes any bit rate; glibc's
// <termios.h> cannot be included beside it.
#include "link/serial/line_state.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace vq::serial {
namespace {

tcflag_t DataBitsFlag(int bits) {
  switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

tcflag_t ParityFlags(Parity parity) {
  switch (parity) {
    case Parity::kOdd: return PARENB | PARODD;
    case Parity::kEven: return PARENB;
    case Parity::kMark: return PARENB | PARODD | CMSPAR;
    case Parity::kSpace: return PARENB | CMSPAR;
    case Parity::kNone: break;
  }
  return 0;
}

Parity ParityOf(tcflag_t cflag) {
  if (!(cflag & PARENB)) return Parity::kNone;
  const bool odd = cflag & PARODD;
  if (cflag & CMSPAR) return odd ? Parity::kMark : Parity::kSpace;
  return odd ? Parity::kOdd : Parity::kEven;
}

}  // namespace

bool ApplyLineSettings(int fd, const LineSettings& settings) {
  struct termios2 tio {};
  if (ioctl(fd, TCGETS2, &tio) != 0) return false;
  tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                   IXANY | IGNPAR);
  tio.c_iflag |= INPCK;
  tio.c_oflag &= ~OPOST;
  tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
  tio.c_cflag |= CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT) | DataBitsFlag(settings.dataBits) |
                 ParityFlags(settings.parity);
  if (settings.stopBits != StopBits::kOne) tio.c_cflag |= CSTOPB;
  if (settings.flowBits & kFlowRtsCts) tio.c_cflag |= CRTSCTS;
  if (settings.flowBits & kFlowXonXoff) tio.c_iflag |= IXON | IXOFF;
  tio.c_cc[VSTART] = 0x11;
  tio.c_cc[VSTOP] = 0x13;
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  tio.c_ispeed = settings.bitsPerSecond;
  tio.c_ospeed = settings.bitsPerSecond;
  if (ioctl(fd, TCSETS2, &tio) != 0) return false;
  int lines = TIOCM_DTR | TIOCM_RTS;
  ioctl(fd, TIOCMBIS, &lines);  // a pseudo-terminal has no modem lines
  return true;
}

std::optional<LineState> ReadLineState(int fd) {
  struct termios2 tio {};
  if (ioctl(fd, TCGETS2, &tio) != 0) return std::nullopt;
  LineState state;
  state.bitsPerSecond = tio.c_ospeed;
  switch (tio.c_cflag & CSIZE) {
    case CS5: state.dataBits = 5; break;
    case CS6: state.dataBits = 6; break;
    case CS7: state.dataBits = 7; break;
    default: state.dataBits = 8; break;
  }
  state.parity = ParityOf(tio.c_cflag);
  state.twoStopBits = tio.c_cflag & CSTOPB;
  state.parityCheck = tio.c_iflag & INPCK;
  state.rtsCtsFlow = tio.c_cflag & CRTSCTS;
  state.xonOutput = tio.c_iflag & IXON;
  state.xonInput = tio.c_iflag & IXOFF;
  state.xonChar = tio.c_cc[VSTART];
  state.xoffChar = tio.c_cc[VSTOP];
  int lines = 0;
  if (ioctl(fd, TIOCMGET, &lines) == 0) {
    state.dtr = (lines & TIOCM_DTR) != 0;
    state.rts = (lines & TIOCM_RTS) != 0;
  }
  return state;
}

void DropDtr(int fd) {
  int lines = TIOCM_DTR;
  ioctl(fd, TIOCMBIC, &lines);
}

void PurgeQueues(int fd) { ioctl(fd, TCFLSH, TCIOFLUSH); }

void PurgeInput(int fd) { ioctl(fd, TCFLSH, TCIFLUSH); }

}  // namespace vq::serial
