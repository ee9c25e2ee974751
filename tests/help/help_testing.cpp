#include "help_testing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace testing_help {
namespace fs = std::filesystem;

namespace {

fs::path MakeTemporaryRoot() {
  std::string pattern =
      (fs::temp_directory_path() / "kalvenor-help-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  return pattern;
}

// Only .htm and .html are known types here; anything else is sniffed as
// text or data, for which no application is associated.
void WriteMimeDatabase(const fs::path& data) {
  WriteFile(data / "mime" / "globs2",
            "50:text/html:*.htm\n50:text/html:*.html\n");
}

void WriteRecordingViewer(const fs::path& root, const fs::path& record) {
  const fs::path script = root / "viewer.sh";
  WriteFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" +
                        record.string() + "'\n");
  fs::permissions(script, fs::perms::owner_all);
  WriteFile(root / "data" / "applications" / "kalvenor-test-viewer.desktop",
            "[Desktop Entry]\nType=Application\nName=Test viewer\n"
            "Exec=" + script.string() + " %f\nMimeType=text/html;\n");
  WriteFile(root / "config" / "mimeapps.list",
            "[Default Applications]\n"
            "text/html=kalvenor-test-viewer.desktop\n");
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string StdoutOf(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      out.append(buffer, n);
    }
    pclose(pipe);
  }
  return out;
}

DesktopSandbox::DesktopSandbox(Viewer viewer)
    : root_(MakeTemporaryRoot()),
      scratch_(root_ / "scratch"),
      record_(root_ / "opened.txt") {
  WriteMimeDatabase(root_ / "data");
  fs::create_directories(root_ / "config");
  fs::create_directories(scratch_);
  if (viewer == Viewer::Recording) WriteRecordingViewer(root_, record_);
  setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
  setenv("XDG_DATA_DIRS", (root_ / "data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  setenv("XDG_CONFIG_DIRS", (root_ / "config").c_str(), 1);
  // No desktop session: no gvfs, no bus to announce launches on.
  setenv("GIO_USE_VFS", "local", 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root_ / "no-bus").string()).c_str(), 1);
  unsetenv("XDG_CURRENT_DESKTOP");
}

DesktopSandbox::~DesktopSandbox() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void DesktopSandbox::ClearScratch() const {
  fs::remove_all(scratch_);
  fs::create_directories(scratch_);
}

std::vector<std::string> DesktopSandbox::WaitForOpened(std::size_t count) const {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (Opened().size() < count && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(20ms);
  }
  return Opened();
}

std::vector<std::string> DesktopSandbox::Opened() const {
  return ReadLines(record_);
}

void DesktopSandbox::ForgetOpened() const {
  std::error_code ignored;
  fs::remove(record_, ignored);
}

}  // namespace testing_help
