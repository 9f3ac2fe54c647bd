// Fuzzes the door data file reader with whole files. Besides not crashing:
// - a text the reader accepts is a door that can be saved; the saved text reads back to the
//   same door and window settings bit for bit, and saves to the same text again;
// - loading a file the reader refuses leaves the door and window settings the load was aimed
//   at exactly as they were, and the message names the file and a line within it;
// - loading from a file and reading the text agree on accepting it.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "DoorDifference.h"
#include "FuzzCheck.h"
#include "io/DoorFileReader.h"
#include "io/DoorFileWriter.h"
#include "model/DoorInputs.h"

namespace {

// One file per fuzzing process for the load through the file system, removed at exit.
class ScratchFile {
 public:
  ScratchFile() {
    // Memory-backed when the system has it: the file is rewritten for every input.
    const char* tmp = std::getenv("TMPDIR");
    std::error_code ec;
    const std::string base = tmp && *tmp                                     ? tmp
                             : std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm"
                                                                             : "/tmp";
    std::string pattern = base + "/doortrim-fuzz-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made", pattern);
    folder_ = pattern;
    path_ = folder_ + "/door.brd";
  }
  ~ScratchFile() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& Path() const { return path_; }
  void Write(std::string_view bytes) const {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    Require(f != nullptr, "the scratch file can be written", path_);
    Require(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(),
            "the scratch file takes the input", path_);
    std::fclose(f);
  }

 private:
  std::string folder_;
  std::string path_;
};

// A door and settings unlike the defaults, so that a load that changed anything shows.
DoorInputs LoadTarget() {
  DoorInputs door;
  door.G = 4321.5L;
  door.Bottom = false;
  door.FrontPicture = "front.bmp";
  return door;
}

ViewSettings TargetView() {
  ViewSettings view;
  view.ViewTab = 2;
  view.Angles = {1.5L, -2.25L, 30};
  return view;
}

int LineCount(std::string_view text) {
  int lines = 0;
  for (const char c : text)
    lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines;
}

void CheckAcceptedText(std::string_view text, const DoorInputs& door, const ViewSettings& view) {
  const auto unwritable = DoorFileWriter::Unwritable(door, view);
  Require(!unwritable, "a door the reader accepts can be saved", unwritable.value_or(""));
  const std::string saved = DoorFileWriter::Text(door, view);
  DoorInputs again;
  ViewSettings againView;
  const DoorFileResult reread = DoorFileReader::ReadText("saved.brd", saved, again, againView);
  Require(reread.Ok, "the saved text reads back", reread.Message + "\n" + saved);
  const std::string doorDiff = DoorDifference(door, again);
  Require(doorDiff.empty(), "the saved door reads back bit for bit", doorDiff);
  const std::string viewDiff = ViewDifference(view, againView);
  Require(viewDiff.empty(), "the saved settings read back bit for bit", viewDiff);
  Require(DoorFileWriter::Text(again, againView) == saved, "saving again gives the same text",
          std::string(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile scratch;
  static const DoorInputs pristine = LoadTarget();
  static const ViewSettings pristineView = TargetView();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  DoorInputs read;
  ViewSettings readView;
  const DoorFileResult result = DoorFileReader::ReadText("fuzz.brd", text, read, readView);
  if (result.Ok) {
    CheckAcceptedText(text, read, readView);
  } else {
    Require(result.Line >= 1 && result.Line <= LineCount(text) + 1,
            "a refusal names a line of the file", result.Message);
    Require(result.Message.starts_with("fuzz.brd: line " + std::to_string(result.Line) + ": "),
            "a refusal names the file and the line", result.Message);
  }

  // The same bytes through the file system, into a door that must not change unless they
  // are accepted.
  scratch.Write(text);
  DoorInputs target = pristine;
  ViewSettings targetView = pristineView;
  const DoorFileResult loaded = DoorFileReader::Load(scratch.Path(), target, &targetView);
  Require(loaded.Ok == result.Ok, "loading a file and reading its text agree",
          result.Message + " / " + loaded.Message);
  if (loaded.Ok) {
    Require(DoorFileWriter::Text(target, targetView) == DoorFileWriter::Text(read, readView),
            "the loaded door is the door read");
  } else {
    const std::string doorDiff = DoorDifference(pristine, target);
    Require(doorDiff.empty(), "a refused file leaves the door alone", doorDiff);
    const std::string viewDiff = ViewDifference(pristineView, targetView);
    Require(viewDiff.empty(), "a refused file leaves the settings alone", viewDiff);
  }
  return 0;
}
