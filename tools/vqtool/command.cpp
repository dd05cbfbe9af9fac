#include "vqtool/command.h"

namespace vq::tool {

Command::Command(CLI::App& parent, std::string name, std::string synopsis, std::string description)
    : CLI::App(std::move(description), std::move(name), &parent), synopsis_(std::move(synopsis)) {}

CLI::App& AddCommand(CLI::App& app, std::string name, std::string synopsis,
                     std::string description) {
  return *app.add_subcommand(
      std::make_shared<Command>(app, std::move(name), std::move(synopsis), std::move(description)));
}

}  // namespace vq::tool
