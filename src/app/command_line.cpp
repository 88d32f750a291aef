#include "app/command_line.hpp"

#include <getopt.h>

#include <algorithm>

#include "domain/version.hpp"

namespace kolvard {

bool ParsedCommand::has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(),
                     [name](const Given& given) { return given.name == name; });
}

namespace {

// The ids getopt_long returns for options without a letter: past every character.
constexpr int kFirstLongId = 256;

std::string quoted(std::string_view word) {
  return "'" + std::string(word) + "'";
}

// The long names that `word` ("--pdf", "--pdf=x") abbreviates.
std::size_t abbreviated(std::string_view word, std::span<const CommandOption> options) {
  std::string_view name = word.substr(2);
  name = name.substr(0, name.find('='));
  return static_cast<std::size_t>(
      std::count_if(options.begin(), options.end(), [name](const CommandOption& option) {
        return std::string_view(option.name).starts_with(name);
      }));
}

}  // namespace

ParsedCommand parseCommand(const std::vector<std::string>& args,
                           std::span<const CommandOption> options, bool stopAtFirstOperand) {
  ParsedCommand parsed;
  // getopt_long works on a writable argv of its own, which it permutes.
  std::vector<std::string> words;
  words.reserve(args.size() + 1);
  words.emplace_back("kolvard");
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::string letters = stopAtFirstOperand ? "+:" : ":";
  std::vector<option> table;
  for (std::size_t i = 0; i < options.size(); ++i) {
    const CommandOption& o = options[i];
    const int id = o.letter != 0 ? o.letter : kFirstLongId + static_cast<int>(i);
    table.push_back(option{o.name, o.takesValue ? required_argument : no_argument, nullptr, id});
    if (o.letter != 0) letters += std::string(1, o.letter) + (o.takesValue ? ":" : "");
  }
  table.push_back(option{nullptr, 0, nullptr, 0});
  const auto named = [&options](int id) -> const CommandOption* {
    for (std::size_t i = 0; i < options.size(); ++i) {
      if (options[i].letter != 0 ? options[i].letter == id
                                 : kFirstLongId + static_cast<int>(i) == id) {
        return &options[i];
      }
    }
    return nullptr;
  };

  const int argc = static_cast<int>(words.size());
  opterr = 0;  // the messages are ours, worded alike on every system
  optind = 0;  // a fresh start, also after an earlier parse
  for (;;) {
    const int got = getopt_long(argc, argv.data(), letters.c_str(), table.data(), nullptr);
    if (got == -1) break;
    const std::string word = argv[std::clamp(optind - 1, 1, argc - 1)];
    const bool longWord = word.starts_with("--");
    if (got == ':') {
      const CommandOption* option = named(optopt);
      parsed.error = "option " +
                     quoted(longWord || option == nullptr || option->letter == 0
                                ? word.substr(0, word.find('='))
                                : std::string("-") + static_cast<char>(optopt)) +
                     " requires an argument";
      return parsed;
    }
    if (got == '?') {
      if (longWord && optopt != 0) {
        parsed.error =
            "option " + quoted(word.substr(0, word.find('='))) + " doesn't allow an argument";
      } else if (longWord && abbreviated(word, options) > 1) {
        parsed.error = "option " + quoted(word.substr(0, word.find('='))) + " is ambiguous";
      } else if (longWord || optopt == 0) {
        parsed.error = "unrecognized option " + quoted(word.substr(0, word.find('=')));
      } else {
        parsed.error = "invalid option -- " + quoted(std::string(1, static_cast<char>(optopt)));
      }
      return parsed;
    }
    const CommandOption* option = named(got);
    if (option == nullptr) continue;
    parsed.options.push_back({option->name, optarg != nullptr ? optarg : ""});
  }
  for (int i = optind; i < argc; ++i) parsed.operands.emplace_back(argv[i]);
  return parsed;
}

int wrongUse(std::ostream& err, std::string_view program, std::string_view why,
             std::string_view help) {
  err << program << ": " << why << "\nTry '" << (help.empty() ? program : help)
      << " --help' for more information.\n";
  return kExitWrongUse;
}

void printVersion(std::ostream& out, std::string_view program) {
  out << program << " (Kolvard) " << kVersionText << "\n"
      << "Copyright (C) 2026 the Kolvard developers.\n"
      << "License MIT: <https://opensource.org/license/mit>. The fonts are made from DejaVu\n"
      << "(Bitstream Vera licence). There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace kolvard
