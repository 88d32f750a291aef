#include "domain/messages.hpp"

#include "data/cp865.hpp"

namespace kolvard {

std::string messageText(int number, const MessageArgs& args) {
  const auto num = [](int n) { return " " + std::to_string(n); };
  switch (number) {
    case 1:
      if (args.valueKey == cp("T4ø")) return "Serie nr. fra 1 til 3 og fra 5 til 19";
      if (args.valueKey == "A4s") return "Serie nr. fra 0 til 6";
      if (args.seriesCount == 1) return cp("Kun én serie");
      return "Serie nr. fra 1 til" + num(args.seriesCount);
    case 2:
      return "Setting nr. fra 1 til 17 og fra 19 til" + num(args.highestSetting);
    case 3:
    case 4:
      return cp("Løbe nr. fra 1 til") + num(args.highestRunning);
    case 5:
      return cp("Løbe nr. fra") + num(args.lower) + " til" + num(args.upper);
    case 6:
      return cp("Værdi findes ikke");
    case 7:
      return "Tryk fra 1 til " + std::to_string(args.printingCount);
    case 8:
      return "Pos. (A/B)1 til (A/B)100";
    case 9:
      return cp("Samlekliché ikke fundet");
    default:
      return {};
  }
}

}  // namespace kolvard
