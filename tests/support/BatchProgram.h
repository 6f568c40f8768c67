#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Runs of the real umbravel-batch executable through the shell.

struct Outcome {
    int status;  // the exit status, or 128 + the signal that ended the program
    std::string out;
};

inline int ExitStatus(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

// The shell command that runs the program with the arguments, standard error into errFile.
inline std::string BatchCommand(const std::string& arguments, const std::string& errFile) {
    return std::string(UMBRAVEL_BATCH_PATH) + " " + arguments + " 2>" + errFile;
}

// Runs the program with the arguments; standard error goes to errFile.
inline Outcome RunBatchProgram(const std::string& arguments, const std::string& errFile) {
    FILE* pipe = popen(BatchCommand(arguments, errFile).c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return {ExitStatus(pclose(pipe)), out};
}

// Runs a shell script and returns its exit status.
inline int RunScript(const std::string& script) {
    return ExitStatus(std::system(script.c_str()));
}

// Runs the program with its standard output on a pipe whose reader has already gone.
inline int RunIntoClosedPipe(const std::string& arguments, const std::string& errFile) {
    int ends[2];
    if (pipe(ends) != 0)
        return -1;
    close(ends[0]);
    const std::string command = BatchCommand(arguments, errFile);
    const pid_t child = fork();
    if (child == 0) {
        dup2(ends[1], STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    int status = 0;
    waitpid(child, &status, 0);
    return ExitStatus(status);
}
