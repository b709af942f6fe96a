#pragma once
// Starting another program and forgetting about it.
#include <string>

namespace app {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the command line as a new process with the given show command and returns at once.
    // Throws AppError when the process cannot be started.
    virtual void Start(const std::wstring& commandLine, int showCommand) = 0;
};

// Starts system programs from one directory (the system directory unless told otherwise).
// The program is the command line's first word; it must be a bare file name and is looked up in
// that directory alone, never in the application's or the current folder, where a planted copy
// would otherwise run with the player's rights. The command line reaches the process unchanged.
class SystemProgramStarter final : public ProcessStarter {
public:
    SystemProgramStarter();
    explicit SystemProgramStarter(std::wstring directory);

    void Start(const std::wstring& commandLine, int showCommand) override;

    // Full path of the program the command line names. Throws AppError when the first word is
    // not a bare file name.
    std::wstring ProgramPath(const std::wstring& commandLine) const;

private:
    std::wstring directory_;
};

}  // namespace app
