#include "platform/SolveProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace qn2 {

std::vector<std::string> SolveArguments(const tSolveJob& job) {
  std::vector<std::string> args{"quibnar2", "--solve", job.LevelFile, "--save", job.SolutionFile};
  if (job.AllJewels) args.emplace_back("--all-jewels");
  if (job.MaxStates > 0) {
    args.emplace_back("--max-states");
    args.push_back(std::to_string(job.MaxStates));
  }
  return args;
}

tSolveProcess::tSolveProcess(std::string program) : Program(std::move(program)) {}

tSolveProcess::~tSolveProcess() {
  Stop();
}

std::optional<std::string> tSolveProcess::Start(const tSolveJob& job) {
  Stop();
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0)
    return std::string("The search cannot start: ") + std::strerror(errno);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
  std::vector<std::string> args = SolveArguments(job);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = -1;
  const int error = posix_spawn(&child, Program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (error != 0) {
    close(ends[0]);
    return std::string("The search cannot start: ") + std::strerror(error);
  }
  fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
  Child = child;
  Pipe = ends[0];
  return std::nullopt;
}

void tSolveProcess::ReadAvailable(std::string& text) {
  char buffer[4096];
  for (;;) {
    const ssize_t count = read(Pipe, buffer, sizeof buffer);
    if (count > 0)
      text.append(buffer, static_cast<std::size_t>(count));
    else if (count < 0 && errno == EINTR)
      continue;
    else
      return;  // nothing more for now, or the end
  }
}

tSolveOutput tSolveProcess::Poll() {
  tSolveOutput output;
  if (Child <= 0) {
    output.Ended = true;
    output.HowEnded = "no search runs";
    return output;
  }
  ReadAvailable(output.Text);
  int status = 0;
  const pid_t done = waitpid(Child, &status, WNOHANG);
  const int waitError = errno;
  if (done == 0) return output;
  // What it wrote before it ended is all in the pipe now.
  ReadAvailable(output.Text);
  output.Ended = true;
  if (done < 0)
    output.HowEnded = std::string("lost: ") + std::strerror(waitError);
  else if (WIFEXITED(status))
    output.HowEnded = "exit status " + std::to_string(WEXITSTATUS(status));
  else if (WIFSIGNALED(status))
    output.HowEnded = "killed by signal " + std::to_string(WTERMSIG(status));
  else
    output.HowEnded = "ended";
  Child = -1;
  CloseUp();
  return output;
}

void tSolveProcess::Stop() {
  if (Child > 0) {
    kill(Child, SIGKILL);
    int status = 0;
    while (waitpid(Child, &status, 0) < 0 && errno == EINTR) {
    }
    Child = -1;
  }
  CloseUp();
}

void tSolveProcess::CloseUp() {
  if (Pipe >= 0) close(Pipe);
  Pipe = -1;
}

}  // namespace qn2
