// The numbered messages that answer a refused entry ("Værdi findes ikke", "Tryk fra 1 til
// 6", ...). The screens draw them on their message line.
#pragma once

#include <string>

namespace kolvard {

// The numbers a message needs; only those of the message shown are read.
struct MessageArgs {
  std::string valueKey;    // edition + value, message 1
  int seriesCount = 0;     // message 1
  int highestSetting = 0;  // message 2
  int highestRunning = 0;  // messages 3 and 4 (the caller picks the frame-setting entry)
  int lower = 0;           // message 5
  int upper = 0;           // message 5
  int printingCount = 0;   // message 7
};

inline constexpr int kMessageSeriesRange = 1;
inline constexpr int kMessageRunningRange = 3;
inline constexpr int kMessageValueUnknown = 6;
inline constexpr int kMessagePrintingRange = 7;
inline constexpr int kMessagePositionRange = 8;

// The text of message 1..9 (cp865); empty for any other number.
std::string messageText(int number, const MessageArgs& args);

}  // namespace kolvard
