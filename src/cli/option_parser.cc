#include "cli/option_parser.h"

#include <filesystem>

#include "core/encoding.h"

namespace orvello::cli {

namespace {

const CommandOption* Find(std::span<const CommandOption> options, const std::string& flag) {
  for (const CommandOption& option : options) {
    if (flag == option.option->flag) return &option;
  }
  return nullptr;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, std::span<const CommandOption> options,
                  CommandLine* values, const SwitchHandler& on_switch, std::string* err) {
  std::vector<bool> seen(options.size());
  for (size_t i = 0; i < args.size(); ++i) {
    std::string flag = args[i];
    std::string value;
    bool inline_value = false;
    if (size_t eq = flag.find('='); flag.starts_with("--") && eq != std::string::npos) {
      value = flag.substr(eq + 1);
      flag.resize(eq);
      inline_value = true;
    }
    const CommandOption* found = Find(options, flag);
    if (!found || (inline_value && !found->option->value)) {
      *err = UnknownArgument(args[i]);
      return false;
    }
    const Option& option = *found->option;
    if (!option.value) {
      if (!on_switch(flag, err)) return false;
      continue;
    }
    if (!inline_value) {
      if (i + 1 == args.size()) {
        *err = flag + " needs a value";
        return false;
      }
      value = args[++i];
    }
    seen[static_cast<size_t>(found - options.data())] = true;
    values->*option.value = value;
    if (option.given) values->*option.given = true;
  }
  for (size_t i = 0; i < options.size(); ++i) {
    if (options[i].required && !seen[i]) {
      *err = std::string(options[i].option->flag) + " is missing";
      return false;
    }
  }
  return true;
}

bool ToField(const char* flag, const std::string& utf8, std::string* field, std::string* err) {
  if (utf8.find_first_of("\r\n") != std::string::npos) {
    *err = std::string(flag) + ": the value holds a line break";
    return false;
  }
  if (core::Utf8ToCp1250(utf8, field)) return true;
  *err = std::string(flag) + ": '" + utf8 + "' holds characters that Windows-1250 cannot hold";
  return false;
}

std::string WithSystemSeparators(const std::string& path) {
  std::u8string text = std::filesystem::u8path(path).make_preferred().u8string();
  return std::string(text.begin(), text.end());
}

std::string UnknownArgument(const std::string& arg) { return "unknown argument '" + arg + "'"; }

}  // namespace orvello::cli
