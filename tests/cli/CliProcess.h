// Runs the built kalvio-cli with given arguments and collects its standard
// output, standard error and exit status (no shell, so arguments pass as is).
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kalvio::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAndRemove(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return text;
}

inline std::string TempFile()
{
    std::string path = "/tmp/kalvio-cli-test-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd >= 0)
        close(fd);
    return path;
}

inline CliRun RunCli(const std::vector<std::string> &args)
{
    const std::string outPath = TempFile();
    const std::string errPath = TempFile();
    std::vector<char *> argv;
    std::string program = KALVIO_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string &arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    CliRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(errPath.c_str(), O_WRONLY | O_TRUNC);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = ReadAndRemove(outPath);
    run.err = ReadAndRemove(errPath);
    return run;
}

} // namespace kalvio::test
