// zelmaro-cli: the batch tool. It runs the program's commands on files, without
// windows, so that many map sheets can be processed by a script.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "TerminalProgress.h"
#include "core/Error.h"
#include "core/MemoryBudget.h"

namespace {

void PrintHelp() {
  std::printf(
      "zelmaro-cli: build and process Digital Elevation Models from contour lines.\n\n"
      "Usage: zelmaro-cli SUBCOMMAND --option value ...\n"
      "Units are written m, dm, cm or mm. A raw file's size file is found beside it\n"
      "(its name with the extension .txt) unless --size FILE is given.\n\n"
      "Subcommands:\n");
  std::vector<zelmaro::cli::CliCommand> commands = zelmaro::cli::CliCommands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& command : commands) {
    std::printf("  %s %s\n      %s\n", command.name.c_str(), command.usage.c_str(),
                command.summary.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Beyond a file-size limit a write then fails with a message, and its temporary file
  // is removed, instead of the signal ending the process in the middle of it.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp();
    return words.empty() ? 2 : 0;
  }
  for (const auto& command : zelmaro::cli::CliCommands()) {
    if (command.name != words[0]) continue;
    try {
      const std::vector<std::string> rest(words.begin() + 1, words.end());
      if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
        std::printf("Usage: zelmaro-cli %s %s\n%s\n", command.name.c_str(), command.usage.c_str(),
                    command.summary.c_str());
        return 0;
      }
      return command.run(zelmaro::cli::CliArguments(rest));
    } catch (const zelmaro::Error& error) {
      zelmaro::cli::EndProgressLine();
      std::fprintf(stderr, "zelmaro-cli %s: ERROR: %s\n", command.name.c_str(), error.what());
      return 1;
    } catch (const std::bad_alloc&) {
      std::fprintf(stderr,
                   "zelmaro-cli %s: ERROR: %s: the command was abandoned, nothing was written.\n",
                   command.name.c_str(), zelmaro::OutOfMemoryMessage().c_str());
      return 1;
    } catch (const std::exception& error) {
      zelmaro::cli::EndProgressLine();
      std::fprintf(stderr, "zelmaro-cli %s: ERROR: %s\n", command.name.c_str(), error.what());
      return 1;
    }
  }
  std::fprintf(stderr, "zelmaro-cli: ERROR: unknown subcommand \"%s\"; see zelmaro-cli --help.\n",
               words[0].c_str());
  return 2;
}
