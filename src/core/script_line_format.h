#ifndef ORVELLO_CORE_SCRIPT_LINE_FORMAT_H_
#define ORVELLO_CORE_SCRIPT_LINE_FORMAT_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvello::core {

class TextWriter;

// The lines of the scripts a run writes (kopiruj.bat, proces.bat, konvertuj.bat), in the forms
// the writers here put down and the script runner reads back:
//
//   Copy "SRC" "DST"
//   Del NAME
//   Move /Y "SRC" "DST"
//   "PROGRAM" ARG...
//   A && B
//
// Arguments are separated by one space. A name goes between double quotes, which keep its blanks
// and the interpreter's operators (& | < > ^) and vanish when it is read; a quoted name never holds
// a double quote itself (CanQuote), which is why a run refuses such paths. Each line ends in CR LF.

/// The command words, written as they stand here and read in any case.
inline constexpr char kCopyCommand[] = "Copy";
inline constexpr char kDeleteCommand[] = "Del";
inline constexpr char kMoveCommand[] = "Move";
/// Move's one switch: replace the destination without asking.
inline constexpr char kMoveReplaceSwitch[] = "/Y";
/// Joins two commands on one line: the second runs only when the first succeeded.
inline constexpr char kCommandJoin[] = "&&";

/// True when `text` can stand between a script line's double quotes: it holds none itself.
bool CanQuote(std::string_view text);

/// Writes one script line through `out`, argument after argument with a space between them. Each
/// call writes at once, so a long name is never copied into a line first.
class ScriptLineWriter {
 public:
  explicit ScriptLineWriter(TextWriter& out) : out_(out) {}

  /// `Copy "SRC" "DST"`, with the source made of `source` one piece after the other (a folder and
  /// a name).
  ScriptLineWriter& Copy(std::initializer_list<std::string_view> source,
                         std::string_view destination);
  /// `Del NAME`, for a plain name without blanks.
  ScriptLineWriter& Delete(std::string_view name);
  /// `Move /Y "SRC" "DST"`.
  ScriptLineWriter& Move(std::string_view source, std::string_view destination);
  /// `"PROGRAM"`, made of `program` one piece after the other; its arguments follow.
  ScriptLineWriter& Run(std::initializer_list<std::string_view> program);
  /// An argument as it stands: it holds no blank, quote or operator.
  ScriptLineWriter& Word(std::string_view word);
  /// Each of `words` as it stands.
  ScriptLineWriter& Words(std::initializer_list<std::string_view> words);
  /// One argument between double quotes, made of `pieces` one after the other.
  ScriptLineWriter& Quote(std::initializer_list<std::string_view> pieces);
  /// `&&`: the command written next runs only when the one before succeeded.
  ScriptLineWriter& Then();
  /// Ends the line with CR LF.
  void End();

 private:
  void Space();

  TextWriter& out_;
  bool first_ = true;  ///< nothing written on the line yet
};

/// Splits a script into its lines: each ends at an LF, a CR at its end is dropped, and a last line
/// without a line end counts too.
std::vector<std::string_view> SplitScriptLines(std::string_view script);

/// The commands of `line`, cut at each `&&` outside quotes (without the blanks beside it being
/// removed); a line without one is one command.
std::vector<std::string_view> SplitCommands(std::string_view line);

/// Cuts one command into its arguments: spaces and tabs separate, a double quote starts or ends a
/// quoted part, which keeps its blanks, and is itself dropped. Returns false with the reason in
/// `*problem` when a quote is left open or one of the interpreter's operators & | < > ^ stands
/// outside quotes.
bool SplitArguments(std::string_view command, std::vector<std::string>* args, std::string* problem);

/// True when `command` runs a program: it begins, after its blanks, with a double quote.
bool NamesProgram(std::string_view command);

/// True when the argument `arg` is the command word (or switch) `word`, in any case.
bool IsCommandWord(std::string_view arg, std::string_view word);

}  // namespace orvello::core

#endif  // ORVELLO_CORE_SCRIPT_LINE_FORMAT_H_
