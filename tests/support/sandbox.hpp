#pragma once
// Runs the built program in a fresh directory of its own and captures what it leaves.

#include <filesystem>
#include <string>
#include <vector>

namespace stable_stretch::testing {

struct RunResult {
    int exitStatus = -1;  // -1 when the program did not exit normally
    std::string standardOutput;
    std::string standardError;
};

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    Sandbox(Sandbox&&) = delete;
    Sandbox& operator=(Sandbox&&) = delete;

    // The program's working directory.
    [[nodiscard]] const std::filesystem::path& workDir() const { return workDir_; }

    void writeFile(const std::string& name, const std::string& content) const;
    [[nodiscard]] std::string readFile(const std::string& name) const;

    // Runs the program with the work directory as its current directory. Its standard input
    // is a pipe held open, so a program that waited on the console would hang the test.
    // A launcher, such as {"/usr/bin/time", "-o", "file"}, goes before the program's path;
    // without one, the words of STABLE_STRETCH_LAUNCHER do, if it is set.
    [[nodiscard]] RunResult run(const std::vector<std::string>& launcher = {}) const;

private:
    std::filesystem::path root_;
    std::filesystem::path workDir_;
};

}  // namespace stable_stretch::testing
