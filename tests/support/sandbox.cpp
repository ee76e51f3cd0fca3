#include "support/sandbox.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace stable_stretch::testing {

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// STABLE_STRETCH_LAUNCHER, split at blanks, runs every program under a tool such as
// valgrind without changing the tests.
std::vector<std::string> launcherFromEnvironment() {
    std::vector<std::string> words;
    const char* setting = std::getenv("STABLE_STRETCH_LAUNCHER");
    std::istringstream in(setting != nullptr ? setting : "");
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

}  // namespace

Sandbox::Sandbox() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "stable_stretch.XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = buffer.data();
    workDir_ = root_ / "work";
    std::filesystem::create_directory(workDir_);
}

Sandbox::~Sandbox() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void Sandbox::writeFile(const std::string& name, const std::string& content) const {
    std::ofstream out(workDir_ / name, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + name);
    }
}

std::string Sandbox::readFile(const std::string& name) const { return slurp(workDir_ / name); }

RunResult Sandbox::run(const std::vector<std::string>& launcher) const {
    // The argument vector is built before fork: the child may only exec.
    std::vector<std::string> words = launcher.empty() ? launcherFromEnvironment() : launcher;
    words.emplace_back(STABLE_STRETCH_EXE);
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const std::string outPath = (root_ / "stdout").string();
    const std::string errPath = (root_ / "stderr").string();
    int console[2];
    if (pipe(console) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        // Only plain system calls between fork and exec: the parent has a single thread.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(workDir_.c_str()) != 0 || dup2(console[0], 0) < 0 ||
            dup2(out, 1) < 0 || dup2(err, 2) < 0) {
            _exit(127);
        }
        close(console[0]);
        close(console[1]);
        execvp(argv[0], argv.data());  // a launcher may be named without its path
        _exit(127);
    }
    close(console[0]);
    int status = 0;
    const pid_t waited = waitpid(child, &status, 0);
    close(console[1]);
    if (waited != child) {
        throw std::runtime_error("waitpid failed");
    }
    RunResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.standardOutput = slurp(outPath);
    result.standardError = slurp(errPath);
    return result;
}

}  // namespace stable_stretch::testing
