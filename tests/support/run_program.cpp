#include "run_program.h"

#include <fstream>
#include <sstream>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <fcntl.h>
#  include <spawn.h>
#  include <sys/wait.h>
#  include <unistd.h>
#endif

namespace {

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#if defined(_WIN32)

std::filesystem::path fromUtf8(const std::string& text) { return std::u8string(text.begin(), text.end()); }

// One argument as the C runtime's command-line parser reads it back.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring result = L"\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        while (i < argument.size() && argument[i] == L'\\') {
            ++i;
            ++backslashes;
        }
        if (i == argument.size()) {
            result.append(backslashes * 2, L'\\');
            break;
        }
        if (argument[i] == L'"') {
            result.append(backslashes * 2 + 1, L'\\');
        } else {
            result.append(backslashes, L'\\');
        }
        result.push_back(argument[i]);
    }
    result.push_back(L'"');
    return result;
}

HANDLE inheritableFile(const std::filesystem::path& file) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &security, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

int spawn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
          const std::filesystem::path& out, const std::filesystem::path& err) {
    std::wstring line = quoted(program.wstring());
    for (const auto& argument : arguments) line += L" " + quoted(fromUtf8(argument).wstring());
    HANDLE outFile = inheritableFile(out);
    HANDLE errFile = inheritableFile(err);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(outFile);
    CloseHandle(errFile);
    return static_cast<int>(status);
}

#else

int spawn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
          const std::filesystem::path& out, const std::filesystem::path& err) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#endif

}  // namespace

ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& scratch) {
    auto out = scratch / "stdout.txt";
    auto err = scratch / "stderr.txt";
    ProcessResult result;
    result.status = spawn(program, arguments, out, err);
    result.out = contents(out);
    result.err = contents(err);
    return result;
}
