// Implementation details: a line is cut into arguments the way the command interpreter cuts the
// lines the program writes: blanks separate, double quotes group and disappear. What the
// interpreter would do beyond that (operators, variables, wildcards) is refused by the reader
// rather than imitated, so that a line not fully understood is never executed.
#include "core/script_line_format.h"

#include <utility>

#include "core/file_names.h"
#include "core/text_writer.h"

namespace orvello::core {

namespace {

constexpr char kQuote = '"';
constexpr std::string_view kBlanks = " \t";

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

bool IsOperator(char c) { return c == '&' || c == '|' || c == '<' || c == '>' || c == '^'; }

}  // namespace

bool CanQuote(std::string_view text) { return text.find(kQuote) == std::string_view::npos; }

ScriptLineWriter& ScriptLineWriter::Copy(std::initializer_list<std::string_view> source,
                                         std::string_view destination) {
  return Word(kCopyCommand).Quote(source).Quote({destination});
}

ScriptLineWriter& ScriptLineWriter::Delete(std::string_view name) {
  return Word(kDeleteCommand).Word(name);
}

ScriptLineWriter& ScriptLineWriter::Move(std::string_view source, std::string_view destination) {
  return Word(kMoveCommand).Word(kMoveReplaceSwitch).Quote({source}).Quote({destination});
}

ScriptLineWriter& ScriptLineWriter::Run(std::initializer_list<std::string_view> program) {
  return Quote(program);
}

ScriptLineWriter& ScriptLineWriter::Word(std::string_view word) {
  Space();
  out_.Write(word);
  return *this;
}

ScriptLineWriter& ScriptLineWriter::Words(std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) Word(word);
  return *this;
}

ScriptLineWriter& ScriptLineWriter::Quote(std::initializer_list<std::string_view> pieces) {
  Space();
  out_.Write(kQuote);
  for (std::string_view piece : pieces) out_.Write(piece);
  out_.Write(kQuote);
  return *this;
}

ScriptLineWriter& ScriptLineWriter::Then() { return Word(kCommandJoin); }

void ScriptLineWriter::End() {
  out_.WriteLineEnd();
  first_ = true;
}

void ScriptLineWriter::Space() {
  if (!first_) out_.Write(' ');
  first_ = false;
}

std::vector<std::string_view> SplitScriptLines(std::string_view script) {
  std::vector<std::string_view> lines;
  while (!script.empty()) {
    size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
  }
  return lines;
}

std::vector<std::string_view> SplitCommands(std::string_view line) {
  constexpr std::string_view kJoin = kCommandJoin;
  std::vector<std::string_view> commands;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == kQuote) {
      quoted = !quoted;
    } else if (!quoted && line.substr(i).starts_with(kJoin)) {
      commands.push_back(line.substr(start, i - start));
      start = i + kJoin.size();
      i = start - 1;
    }
  }
  commands.push_back(line.substr(start));
  return commands;
}

bool SplitArguments(std::string_view command, std::vector<std::string>* args,
                    std::string* problem) {
  size_t i = 0;
  for (;;) {
    while (i < command.size() && IsBlank(command[i])) ++i;
    if (i == command.size()) return true;
    std::string arg;
    bool quoted = false;
    for (; i < command.size() && (quoted || !IsBlank(command[i])); ++i) {
      char c = command[i];
      if (c == kQuote) {
        quoted = !quoted;
      } else if (!quoted && IsOperator(c)) {
        *problem = std::string("'") + c + "' outside quotes";
        return false;
      } else {
        arg.push_back(c);
      }
    }
    if (quoted) {
      *problem = "a quote is left open";
      return false;
    }
    args->push_back(std::move(arg));
  }
}

bool NamesProgram(std::string_view command) {
  size_t first = command.find_first_not_of(kBlanks);
  return first != std::string_view::npos && command[first] == kQuote;
}

bool IsCommandWord(std::string_view arg, std::string_view word) {
  return SameNameIgnoringCase(arg, word);
}

}  // namespace orvello::core
