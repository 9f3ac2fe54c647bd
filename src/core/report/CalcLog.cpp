#include "report/CalcLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace {

FileProblem Errno(TextKey what) {
  return FileProblem{what, {}, errno, {}};
}

FileProblem Plain(TextKey what) {
  return FileProblem{what, {}, {}, {}};
}

CalcLogResult Failed(const std::string& path, TextKey what, FileProblem why) {
  CalcLogResult result;
  result.Problem =
      FileProblem{FileProblemTexts::kLogFailed, {path}, {}, {Plain(what), std::move(why)}};
  result.Message = result.Problem.English();
  return result;
}

// The log's present content: empty when there is no log yet. Anything else that keeps the
// file from being read is a reason not to touch it.
std::optional<FileProblem> ReadLog(const std::string& path, std::string& content) {
  content.clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return std::nullopt;
    return Errno(FileProblemTexts::kCannotReadIt);
  }
  if (S_ISDIR(st.st_mode)) return Plain(FileProblemTexts::kIsFolder);
  if (!S_ISREG(st.st_mode)) return Plain(FileProblemTexts::kNotRegularIt);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Errno(FileProblemTexts::kCannotReadIt);
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      FileProblem why = Errno(FileProblemTexts::kCannotReadIt);
      ::close(fd);
      return why;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return std::nullopt;
}

}  // namespace

CalcLogResult AppendToCalcLog(const std::string& path, const std::string& text) {
  return AppendToCalcLog(path, text, AtomicFileWriter());
}

// The text is stored as it comes, UTF-8: the encoding of the system the program runs on, in
// which the Russian labels read correctly in any editor. Appending rewrites the whole file
// through a temporary one, so a failure part-way never leaves a cut report or a damaged log.
CalcLogResult AppendToCalcLog(const std::string& path, const std::string& text,
                              const AtomicFileWriter& writer) {
  constexpr TextKey kWhat = FileProblemTexts::kNotAddedToLog;
  std::string content;
  if (auto problem = ReadLog(path, content)) return Failed(path, kWhat, std::move(*problem));
  content += text;
  if (auto problem = writer.Attempt(path, content)) {
    return Failed(path, kWhat, std::move(*problem));
  }
  CalcLogResult result;
  result.Ok = true;
  return result;
}

CalcLogResult ClearCalcLog(const std::string& path) {
  constexpr TextKey kWhat = FileProblemTexts::kLogNotDeleted;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    return Failed(path, kWhat, Plain(FileProblemTexts::kIsFolder));
  }
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    return Failed(path, kWhat, Errno(FileProblemTexts::kCannotDeleteIt));
  }
  CalcLogResult result;
  result.Ok = true;
  return result;
}
