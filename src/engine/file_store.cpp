#include "file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cp1251.h"

namespace sob {
namespace fs = std::filesystem;
namespace {

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// The entry of a folder that bears the name, whatever its case.
fs::path findEntry(const fs::path& folder, const std::string& name) {
  fs::path exact = folder / name;
  std::error_code error;
  if (fs::exists(exact, error)) return exact;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (sameNameIgnoringCase(entry.path().filename().string(), name)) return entry.path();
  }
  return exact;
}

bool isDrivePath(std::string_view spelled) {
  return spelled.size() >= 2 && spelled[1] == ':' && std::isalpha(static_cast<unsigned char>(spelled[0]));
}

std::string report(const char* what, std::string_view spelled) { return std::string(what) + std::string(spelled); }

// Writes the bytes to a new file beside the target, flushed to the disk, and
// renames it over the target.
bool replaceAtomically(const fs::path& target, std::string_view bytes) {
  std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (ok && left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0) ok = false;
    else { data += written; left -= static_cast<std::size_t>(written); }
  }
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ok = ok && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && std::rename(temporary.c_str(), target.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

std::optional<fs::path> FileStore::resolve(std::string_view spelled) const {
  if (isDrivePath(spelled)) return std::nullopt;
  std::string path = cp1251::toUtf8(spelled);
  fs::path current = root_;
  if (!path.empty() && path.front() == '/') current = "/";
  std::string name;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '\\' && path[i] != '/') {
      name += path[i];
      continue;
    }
    if (!name.empty() && name != ".") current = findEntry(current, name);
    name.clear();
  }
  return current;
}

std::string FileStore::readBytes(std::string_view spelled) const {
  auto path = resolve(spelled);
  std::error_code error;
  if (!path || fs::is_directory(*path, error)) throw FileError(report("Cannot open file ", spelled));
  std::ifstream in(*path, std::ios::binary);
  if (!in) throw FileError(report("Cannot open file ", spelled));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw FileError(report("Cannot open file ", spelled));
  return std::move(bytes).str();
}

void FileStore::writeBytes(std::string_view spelled, std::string_view bytes) const {
  auto path = resolve(spelled);
  if (!path || !replaceAtomically(*path, bytes)) throw FileError(report("Cannot create file ", spelled));
}

void FileStore::load(LineList& list, std::string_view spelled) const { list.setFileBytes(readBytes(spelled)); }

void FileStore::save(const LineList& list, std::string_view spelled) const { writeBytes(spelled, list.fileBytes()); }

}  // namespace sob
