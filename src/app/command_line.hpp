// The command-line conventions shared by kolvard and kolvard-data: GNU-style options read with
// getopt_long (in any place among the operands, "--" ends them, "--name=value" and unique
// abbreviations of long names), one line and a pointer to --help for a wrong argument, and the
// exit statuses.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitWrongUse = 2;
// A command stopped by a signal ends with 128 + its number (130 for Ctrl-C).
inline constexpr int kExitSignalBase = 128;

// The exit statuses as the --help texts list them.
inline constexpr const char* kExitStatusHelp =
    "Exit status:\n"
    "  0    done\n"
    "  1    failure: a missing or damaged data file, a file that could not be made\n"
    "  2    wrong use: an unknown option, a missing or wrong argument\n"
    "  130  stopped by Ctrl-C\n";

struct CommandOption {
  const char* name;  // long name without "--"
  char letter = 0;   // short form, 0 for none
  bool takesValue = false;
};

struct ParsedCommand {
  struct Given {
    std::string name;  // the long name
    std::string value;
  };
  std::vector<Given> options;  // in the order given
  std::vector<std::string> operands;
  std::string error;  // why the words are wrong (one line); empty when they are sound

  bool has(std::string_view name) const;
};

// Reads `args` (without the program's name). With `stopAtFirstOperand` the first operand and
// everything after it are operands (a command word whose own options follow it).
ParsedCommand parseCommand(const std::vector<std::string>& args,
                           std::span<const CommandOption> options, bool stopAtFirstOperand = false);

// "PROGRAM: WHY" and "Try 'HELP --help' for more information." on `err`; returns 2. `help` is
// the command whose --help explains the use ("kolvard export"), `program` the name before the
// message.
int wrongUse(std::ostream& err, std::string_view program, std::string_view why,
             std::string_view help = {});

// "PROGRAM (Kolvard) 7.03" and the copyright line.
void printVersion(std::ostream& out, std::string_view program);

}  // namespace kolvard
